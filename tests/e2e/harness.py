"""Drives the real pet program as a user would: its own X server, real X input
events, the window's close request, screenshots and the accessibility tree.

Every process started here is tied to this one: it gets SIGKILL when this
process dies, however it dies, and is ended in `Session.close` otherwise.
"""

import argparse
import contextlib
import ctypes
import datetime
import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

from PIL import Image, ImageChops, ImageFilter
from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

_libc = ctypes.CDLL("libc.so.6", use_errno=True)
_PR_SET_PDEATHSIG = 1
_PR_SET_CHILD_SUBREAPER = 36

# Where the window lays out its controls, relative to its client area.
PIC_S = (11, 11)  # top panel
PIC_MAIN = (96, 112, 170, 142)  # the pet picture box
BUTTONS = {  # left, top of each 80 x 23 button
    "static": (8, 112),
    "eat": (8, 136),
    "drink": (8, 160),
    "play": (8, 184),
    "sleep": (8, 208),
    "treat": (8, 232),
}
CHOICE_SIZE = 65
STATUS_LINE = (11, 256)

PET_FILE = "Pets.pets"
FRESH_MARKER = "00.00.0000"
FRESH_NEEDS = ("5", "5", "5", "0", "10")  # hunger, thirst, mood, sleepiness, health
IDLE_PICTURES = ["p0.gif", "p1.gif", "p2.gif"]


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)
    # Whoever started the tests may ignore these (nohup, a background job);
    # a program started from a desktop gets them as they come.
    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, signal.SIG_DFL)


def argument_parser():
    """The arguments every script here takes: the built program and its pictures."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--pictures", required=True)
    return parser


def wait_out_midnight(seconds):
    """Waits for the new day if it would begin within `seconds`: the expected
    files name today's date, which must be the program's today too."""
    now = datetime.datetime.now()
    tomorrow = datetime.datetime.combine(now.date() + datetime.timedelta(days=1),
                                         datetime.time())
    left = (tomorrow - now).total_seconds()
    if left < seconds:
        time.sleep(left + 1)


def today_text(days=0):
    return (datetime.date.today() + datetime.timedelta(days=days)).strftime("%d.%m.%Y")


def pet_line(name, age, saved_on, *needs):
    """A pet record as the program stores it: quoted fields, CR LF, Windows-1251.
    Without needs, a new pet's."""
    needs = needs or FRESH_NEEDS
    assert len(needs) == 5
    fields = (name, age, saved_on) + tuple(needs)
    return (",".join('"%s"' % f for f in fields) + "\r\n").encode("cp1251")


def wait_until(what, condition, timeout=10.0, step=0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(step)


def end_process_groups(procs):
    """Ends each process with its group, the last started first: asked to
    end, and killed if it has not within three seconds."""
    for proc in reversed(procs):
        if proc.poll() is None:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(proc.pid, signal.SIGTERM)
            try:
                proc.wait(3)
            except subprocess.TimeoutExpired:
                with contextlib.suppress(ProcessLookupError):
                    os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()


class CaseTimeout(Exception):
    pass


@contextlib.contextmanager
def time_limit(seconds):
    """Bounds one case: an overrun raises inside it, so its clean-up still runs."""

    def expired(signum, frame):
        raise CaseTimeout("case took longer than %d s" % seconds)

    previous = signal.signal(signal.SIGALRM, expired)
    signal.alarm(seconds)
    try:
        yield
    finally:
        signal.alarm(0)
        signal.signal(signal.SIGALRM, previous)


class Session:
    """One X server with a session bus and the accessibility bus on it, or
    the X server alone."""

    def __init__(self, accessibility=True):
        self.accessibility = accessibility
        self.tmp = tempfile.mkdtemp(prefix="pet-e2e-")
        # Daemons that the buses start on their own become this process's
        # children when their parents go, so they are reaped here, not left over.
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        self.children = []
        # A terminating signal unwinds through the clean-up code.
        for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(sig, self._on_signal)
        try:
            self._start()
        except BaseException:
            self.close()
            raise

    def _on_signal(self, signum, frame):
        raise SystemExit(128 + signum)

    def _spawn(self, argv, preexec_fn=_die_with_parent, **kwargs):
        proc = subprocess.Popen(argv, stdin=subprocess.DEVNULL, preexec_fn=preexec_fn,
                                start_new_session=True, **kwargs)
        self.children.append(proc)
        return proc

    def _start(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = self._spawn(
            ["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
             "-screen", "0", "1024x768x24"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        with os.fdopen(read_fd, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.display_name = ":" + number.decode().strip()

        self.env = dict(os.environ)
        # The program speaks the language of the user's settings; the cases
        # read its texts as written, in Russian, whatever the caller's are.
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                     "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "LANGUAGE", "LC_ALL",
                     "LC_MESSAGES"):
            self.env.pop(name, None)
        self.env["LANG"] = "C.UTF-8"
        runtime_dir = os.path.join(self.tmp, "runtime")
        os.mkdir(runtime_dir, 0o700)
        self.env.update(DISPLAY=self.display_name, QT_QPA_PLATFORM="xcb",
                        XDG_RUNTIME_DIR=runtime_dir, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        NO_AT_BRIDGE="0")
        self.x = display.Display(self.display_name)
        self.root = self.x.screen().root
        self.atom = self.x.intern_atom
        if self.accessibility:
            self._start_buses(runtime_dir)

    def _start_buses(self, runtime_dir):
        self.dbus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=self.env)
        address = self.dbus.stdout.readline().decode().strip()
        if not address:
            raise RuntimeError("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        # The launcher starts a bus daemon of its own. A shell holds both in one
        # process group and ends the group when this process dies.
        self.launcher = self._spawn(
            ["/bin/sh", "-c", 'trap "kill 0" TERM; "$0" --launch-immediately & wait',
             "/usr/libexec/at-spi-bus-launcher"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=self.env,
            preexec_fn=lambda: _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM))
        # This process reads the accessibility tree over the same buses.
        os.environ.update(DISPLAY=self.display_name,
                          DBUS_SESSION_BUS_ADDRESS=address, XDG_RUNTIME_DIR=runtime_dir)
        wait_until("the accessibility bus", lambda: self.root.get_full_property(
            self.atom("AT_SPI_BUS"), X.AnyPropertyType), timeout=10)

    def close(self):
        with contextlib.suppress(Exception):
            self.x.close()
        end_process_groups(self.children)
        self.children.clear()
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                break
            if pid == 0:
                time.sleep(0.05)
        shutil.rmtree(self.tmp, ignore_errors=True)

    # --- windows --------------------------------------------------------

    def _text_property(self, window, name):
        prop = window.get_full_property(self.atom(name), X.AnyPropertyType)
        if prop is None:
            return None
        value = prop.value
        return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)

    def top_level_windows(self):
        """The programs' own windows: on the root, or listed by a window manager
        that has put each inside a frame of its own (the list may outlive it)."""
        windows = self.root.query_tree().children
        managed = self.root.get_full_property(self.atom("_NET_CLIENT_LIST"), X.AnyPropertyType)
        if managed is not None:
            ids = {w.id for w in windows}
            windows += [self.x.create_resource_object("window", w)
                        for w in managed.value if w not in ids]
        return windows

    def windows_of(self, pid):
        """The mapped top-level windows of a process: (window, title, geometry)."""
        found = []
        for window in self.top_level_windows():
            try:
                attrs = window.get_attributes()
                if attrs.map_state != X.IsViewable:
                    continue
                prop = window.get_full_property(self.atom("_NET_WM_PID"), X.AnyPropertyType)
                if prop is None or prop.value[0] != pid:
                    continue
                title = self._text_property(window, "_NET_WM_NAME")
                geometry = window.get_geometry()
                position = window.translate_coords(self.root, 0, 0)
                found.append((window, title,
                              (-position.x, -position.y, geometry.width, geometry.height)))
            except Exception:  # a window that vanished meanwhile
                continue
        return found

    def wm_name(self, window):
        """The plain WM_NAME; Qt stores non-Latin titles in it as compound text."""
        prop = window.get_full_property(self.atom("WM_NAME"), X.AnyPropertyType)
        if prop is None:
            return None
        value = prop.value if isinstance(prop.value, bytes) else str(prop.value).encode()
        if prop.property_type == self.atom("COMPOUND_TEXT"):
            return decode_compound_text(value)
        return value.decode("latin-1")

    # --- input ----------------------------------------------------------

    def move_to(self, x, y):
        xtest.fake_input(self.x, X.MotionNotify, x=x, y=y)
        self.x.sync()

    def click_at(self, x, y):
        self.move_to(x, y)
        time.sleep(0.03)
        xtest.fake_input(self.x, X.ButtonPress, 1)
        self.x.sync()
        time.sleep(0.03)
        xtest.fake_input(self.x, X.ButtonRelease, 1)
        self.x.sync()

    def press_key(self, keysym_name, *held):
        """Presses a key, with modifier keys (as "Shift_L") held down around it."""
        codes = [self.x.keysym_to_keycode(XK.string_to_keysym(name))
                 for name in held + (keysym_name,)]
        for code in codes:
            xtest.fake_input(self.x, X.KeyPress, code)
            self.x.sync()
            time.sleep(0.03)
        for code in reversed(codes):
            xtest.fake_input(self.x, X.KeyRelease, code)
            self.x.sync()
            time.sleep(0.03)

    def give_keyboard_focus(self, window):
        """What a window manager does for the window the user works in."""
        self.x.set_input_focus(window, X.RevertToPointerRoot, X.CurrentTime)
        self.x.sync()

    def stacking_order(self):
        """The top-level windows from the bottom up."""
        return [w.id for w in self.root.query_tree().children]

    def cover_screen(self):
        """Maps a window over the whole screen, as another program's would be."""
        screen = self.x.screen()
        cover = self.root.create_window(0, 0, screen.width_in_pixels, screen.height_in_pixels, 0,
                                        screen.root_depth)
        cover.map()
        self.x.sync()
        return cover

    def close_request(self, window):
        """What a title bar's close button sends."""
        event = protocol.event.ClientMessage(
            window=window, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=0)
        self.x.sync()

    # --- pixels ---------------------------------------------------------

    def screenshot(self, x, y, width, height):
        raw = self.root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (width, height), raw.data, "raw", "BGRX")


class Weston:
    """A Wayland compositor of one case: headless, or with the given backend
    ("x11") shown in the session's X server, where real input reaches it. Its
    desktop is black and has no panel, so the one window is all it shows."""

    OUTPUT = (800, 600)
    FRAME_GREY = 239  # of Qt's own title bar and border, in each channel
    _CONFIG = ("[core]\nidle-time=0\n"
               "[shell]\nbackground-color=0xff000000\npanel-position=none\nlocking=false\n"
               "animation=none\nstartup-animation=none\n")
    _count = 0

    def __init__(self, session, backend="headless"):
        Weston._count += 1
        self.session = session
        self.socket = "wayland-pet-%d" % Weston._count
        config = os.path.join(session.tmp, "weston.ini")
        with open(config, "w") as f:
            f.write(self._CONFIG)
        runtime_dir = session.env["XDG_RUNTIME_DIR"]
        self.proc = session._spawn(
            ["weston", "--backend=%s-backend.so" % backend, "--socket=" + self.socket,
             "--config=" + config, "--use-pixman", "--width=%d" % self.OUTPUT[0],
             "--height=%d" % self.OUTPUT[1]],
            env=session.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until("the compositor's socket",
                   lambda: os.path.exists(os.path.join(runtime_dir, self.socket)))
        self.env = dict(session.env, WAYLAND_DISPLAY=self.socket, QT_QPA_PLATFORM="wayland")
        del self.env["DISPLAY"]
        # In the sanitizer build: Mesa's EGL driver, which Qt's Wayland platform
        # sets up, is unloaded before LeakSanitizer reports the block it keeps;
        # only the full unwinder records the libEGL_mesa frames its suppression
        # names.
        if "ASAN_OPTIONS" in self.env:
            self.env["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"

    def close(self):
        end_process_groups([self.proc])

    def click_at(self, x, y):
        """A click on the output. The pointer comes in from outside it first:
        a compositor whose output appeared under the pointer may not know
        the pointer is there until it crosses in."""
        self.session.move_to(self.OUTPUT[0] + 50, self.OUTPUT[1] + 50)
        self.session.click_at(x, y)

    def window_frame(self):
        """Where the one window lies on the compositor's output, with its title
        bar and border: (left, top, right, bottom) on the X screen, or None.
        Found by the colour Qt draws them in: the pointer the compositor draws
        may stand anywhere, even where no move of the pointer has reached it."""
        shot = self.session.screenshot(0, 0, *self.OUTPUT)
        frame = Image.eval(shot, lambda v: 255 if v == self.FRAME_GREY else 0).convert("L")
        # Only the frame's grey is left; single stray pixels are not a frame.
        box = frame.point(lambda v: 255 if v == 255 else 0).filter(ImageFilter.MinFilter(3))
        box = box.getbbox()
        return box and (box[0] - 1, box[1] - 1, box[2] + 1, box[3] + 1)


# The right halves that a compound-text escape "ESC - F" selects.
_COMPOUND_RIGHT_HALVES = {b"A": "iso8859-1", b"B": "iso8859-2", b"F": "iso8859-7",
                          b"L": "iso8859-5"}


def decode_compound_text(data):
    """Decodes the compound text X clients use for titles: ASCII on the left,
    a switchable 96-character set on the right, UTF-8 between ESC % G and ESC % @."""
    out, right, i, utf8 = [], "iso8859-1", 0, False
    while i < len(data):
        if data[i] == 0x1B:
            if data[i + 1:i + 3] == b"%G":
                utf8, i = True, i + 3
                continue
            if data[i + 1:i + 3] == b"%@":
                utf8, i = False, i + 3
                continue
            if data[i + 1:i + 2] == b"-" and data[i + 2:i + 3] in _COMPOUND_RIGHT_HALVES:
                right, i = _COMPOUND_RIGHT_HALVES[data[i + 2:i + 3]], i + 3
                continue
            raise ValueError("unknown compound text escape %r" % data[i:i + 4])
        end = data.find(b"\x1b", i)
        end = len(data) if end < 0 else end
        chunk = data[i:end]
        out.append(chunk.decode("utf-8") if utf8 else
                   "".join(chr(b) if b < 0x80 else bytes([b]).decode(right) for b in chunk))
        i = end
    return "".join(out)


class Picture:
    """The GIFs of a program folder, as RGB images."""

    def __init__(self, folder):
        self.folder = folder
        self.cache = {}

    def __call__(self, name):
        if name not in self.cache:
            with Image.open(os.path.join(self.folder, name)) as image:
                self.cache[name] = image.convert("RGB")
        return self.cache[name]


def same_pixels(a, b):
    return a.size == b.size and ImageChops.difference(a, b).getbbox() is None


class Program:
    """One program folder with its pet file, and the program run from it."""

    def __init__(self, session, program, pictures, pet_bytes=None, folder=None,
                 picture_folder=None):
        """A fresh program folder, or the one given, with its pictures in G or
        in the picture folder given."""
        self.session = session
        self.folder = folder or tempfile.mkdtemp(prefix="program-", dir=session.tmp)
        self.executable = os.path.join(self.folder, "pet")
        if folder is None:
            shutil.copy2(program, self.executable)
            shutil.copytree(pictures, os.path.join(self.folder, "G"),
                            ignore=shutil.ignore_patterns(PET_FILE + "*"))
        picture_folder = picture_folder or os.path.join(self.folder, "G")
        self.pet_path = os.path.join(picture_folder, PET_FILE)
        if pet_bytes is not None:
            with open(self.pet_path, "wb") as f:
                f.write(pet_bytes)
        self.gif = Picture(picture_folder)
        self.workdir = tempfile.mkdtemp(prefix="cwd-", dir=session.tmp)
        self.proc = None
        self.scale = 1

    def pet_bytes(self):
        with open(self.pet_path, "rb") as f:
            return f.read()

    def start(self, argv=None, env=None, stderr=subprocess.DEVNULL):
        """Starts the program in the session's environment, or in `env`. With
        QT_SCALE_FACTOR (a whole number) the window's pixels are that many
        times as many each way, and the client-area coordinates here follow."""
        env = env or self.session.env
        self.scale = int(env.get("QT_SCALE_FACTOR", "1"))
        # Started from somewhere else than its own folder, as a menu or shell would.
        self.proc = self.session._spawn(argv or [self.executable], cwd=self.workdir,
                                        env=env, stdout=subprocess.DEVNULL, stderr=stderr)
        return self

    @property
    def pid(self):
        return self.proc.pid

    def running(self):
        return self.proc.poll() is None

    def signal(self, number):
        self.proc.send_signal(number)

    def remove_picture(self, name):
        os.remove(os.path.join(self.folder, "G", name))

    def wait_exit(self, timeout=10):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end") from None

    def window(self, title, timeout=10):
        """Waits for a mapped top-level window with this title; returns (window, geometry)."""

        def find():
            for window, found_title, geometry in self.session.windows_of(self.pid):
                if found_title == title:
                    return window, geometry
            if not self.running():
                raise AssertionError("the program ended while waiting for '%s'" % title)
            return None

        return wait_until("window '%s'" % title, find, timeout)

    def titles(self):
        return sorted(t for _, t, _ in self.session.windows_of(self.pid))

    def main_window(self, title, timeout=10):
        self.win, geometry = self.window(title, timeout)
        self.origin = geometry[:2]
        self.size = geometry[2:]
        # A window just mapped may not have painted yet; the idle pet shows it has.
        wait_until("the window's first paint", lambda: self.pet_pictures_shown(IDLE_PICTURES),
                   timeout)
        return self.win

    def close(self, timeout=10):
        """Ends the program by the window's close request and waits for it to go."""
        self.session.close_request(self.win)
        return self.wait_exit(timeout)

    # Client-area coordinates to screen coordinates.
    def at(self, x, y):
        return self.origin[0] + x * self.scale, self.origin[1] + y * self.scale

    def click(self, x, y):
        self.session.click_at(*self.at(x, y))

    def hover(self, x, y):
        self.session.move_to(*self.at(x, y))

    def click_button(self, name):
        left, top = BUTTONS[name]
        self.click(left + 40, top + 11)

    def hover_button(self, name):
        left, top = BUTTONS[name]
        self.hover(left + 40, top + 11)

    def click_choice(self, n):
        self.click(PIC_S[0] + 64 * n + 32, PIC_S[1] + 32)

    def shot(self, x, y, width, height):
        """A client-area rectangle as the screen shows it, in the screen's pixels."""
        s = self.scale
        return self.session.screenshot(*self.at(x, y), width * s, height * s)

    def shown_gif(self, name):
        """A GIF as the window should show it: on a scaled screen, its twin."""
        if self.scale == 1:
            return self.gif(name)
        stem, extension = os.path.splitext(name)
        return self.gif("%s@%dx%s" % (stem, self.scale, extension))

    def pet_picture(self):
        return self.shot(*PIC_MAIN)

    def shows_pet_picture(self, name):
        return same_pixels(self.pet_picture(), self.shown_gif(name))

    def pet_pictures_shown(self, names):
        """Which of these pictures the pet picture box shows, from one screenshot."""
        shot = self.pet_picture()
        return [name for name in names if same_pixels(shot, self.shown_gif(name))]

    def panel_shows_choices(self, names):
        """The four choice images side by side, each lying above its right neighbour."""
        s = self.scale
        for n, name in enumerate(names):
            skip = 0 if n == 0 else 1  # the left column lies under the previous image
            region = self.shot(PIC_S[0] + 64 * n + skip, PIC_S[1], CHOICE_SIZE - skip, CHOICE_SIZE)
            picture = self.shown_gif(name).crop((skip * s, 0, CHOICE_SIZE * s, CHOICE_SIZE * s))
            if not same_pixels(region, picture):
                return False
        return True

    def panel(self):
        return self.shot(PIC_S[0], PIC_S[1], 257, 65)


def needs_view_matches(panel, reference):
    """The top panel shows the need captions as in `reference`; the value columns,
    whose texts may differ, are left out."""
    masked = []
    for image in (panel.copy(), reference.copy()):
        for box in ((86, 4, 128, 58), (206, 4, 257, 58)):
            image.paste((0, 0, 0), box)
        masked.append(image)
    return same_pixels(*masked)


# Orca writes its debug log through a buffer; this runs it with the log opened
# line by line, so that what it says can be read as it says it.
_ORCA_LINE_BY_LINE = """
import builtins, runpy, sys
log = sys.argv[1]
_open = builtins.open
def line_by_line(f, mode="r", *a, **k):
    if f == log and "w" in mode:
        return _open(f, mode, buffering=1, encoding="utf-8")
    return _open(f, mode, *a, **k)
builtins.open = line_by_line
sys.argv = ["/usr/bin/orca", "-u", sys.argv[2], "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""

_SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{")


class ScreenReader:
    """Debian's Orca, speaking Russian through speech-dispatcher's silent dummy
    module, with a window manager, as a blind user's desktop runs it; what it
    says is read from its debug log. Its key echo is off, so that all it says
    comes from the program or from Orca's own commands."""

    def __init__(self, session):
        self.session = session
        self.folder = tempfile.mkdtemp(prefix="orca-", dir=session.tmp)
        home = os.path.join(self.folder, "home")
        config = os.path.join(home, ".config")
        os.makedirs(os.path.join(config, "speech-dispatcher"))
        with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                    'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                    'DefaultLanguage "ru"\n')
        prefs = os.path.join(self.folder, "prefs")
        os.mkdir(prefs)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            json.dump({"general": {"enableKeyEcho": False}, "pronunciations": {},
                       "keybindings": {}, "profiles": {"default": {
                           "profile": ["Default", "default"]}}}, f)
        self.log = os.path.join(self.folder, "orca.log")
        self.env = dict(session.env, HOME=home, XDG_CONFIG_HOME=config,
                        LANG="C.UTF-8", LANGUAGE="ru")
        self.env.pop("LC_ALL", None)
        self.env.pop("LC_MESSAGES", None)
        # What a desktop with a screen reader leaves set for the programs started in it.
        subprocess.run(["gsettings", "set", "org.gnome.desktop.interface",
                        "toolkit-accessibility", "true"], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        self.procs = [session._spawn(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)]
        self.procs.append(session._spawn(
            ["/usr/bin/python3", "-c", _ORCA_LINE_BY_LINE, self.log, prefs], env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.wait_for("Orca's greeting", lambda said: said, since=0, timeout=30)

    def program_env(self):
        """A program started on this desktop: no variable forces its accessibility."""
        env = dict(self.session.env)
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        return env

    def mark(self):
        """Where the log stands now: what is said from here on is heard after it."""
        return os.path.getsize(self.log) if os.path.exists(self.log) else 0

    def said(self, since):
        """Everything said since the mark, one utterance each."""
        if not os.path.exists(self.log):
            return []
        with open(self.log, "rb") as f:
            f.seek(since)
            text = f.read().decode("utf-8", "replace")
        return _SPOKEN.findall(text)

    def wait_for(self, what, condition, since, timeout=10.0):
        """Waits until `condition` holds for what has been said since the mark."""
        return wait_until(what + " said", lambda: condition(self.said(since)), timeout)

    def close(self):
        end_process_groups(self.procs)
        # speech-dispatcher, started by Orca, runs on as a daemon, which this
        # process has taken over as a child.
        for pid in _children_named("speech-dispatch"):
            with contextlib.suppress(ProcessLookupError):
                os.kill(pid, signal.SIGTERM)


def _children_named(name):
    """The ids of this process's children whose command is `name`."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        with contextlib.suppress(OSError):
            with open("/proc/%s/stat" % entry) as f:
                stat = f.read()
            command, rest = stat[stat.index("(") + 1:stat.rindex(")")], stat[stat.rindex(")") + 2:]
            if command == name and int(rest.split()[1]) == os.getpid():
                found.append(int(entry))
    return found
