"""End-to-end cases: the real program, a user's input, what the user and the
file system see."""

import os
import re
import signal
import shutil
import subprocess
import tempfile
import time
import unittest

import harness
from harness import (FRESH_MARKER, FRESH_NEEDS, IDLE_PICTURES, PIC_S, STATUS_LINE,
                     needs_view_matches, pet_line, today_text)

CONFIG = {}
CASE_SECONDS = 40

NEED_CAPTIONS = ("Голод", "Жажда", "Настроение", "Сонливость", "Здоровье")
DEATH_TITLE = ":-((((("
OLD_AGE_TEXT = ("Мне очень жаль, но Ваш питомец умер из-за старости :-((((((. "
                "Хотите завести нового?")
NEGLECT_TEXT = "Мне очень жаль, но Ваш питомец погиб :-((((((. Хотите завести нового?"
NAME = "Уголёк"
APP_ID = "ru.pitomets.Pitomets"
DEFAULT_PET = os.path.join(os.path.dirname(__file__), "..", "..", "src", "pet", "Pets.pets")


def configure(session, program, pictures, build, package=None, package_copy=None):
    CONFIG.update(session=session, program=program, pictures=pictures, build=build,
                  package=package, package_copy=package_copy)


def desktop_command(exec_value):
    """The command a menu runs for a desktop entry's Exec value: the string
    escapes undone first, then split into arguments, where a quoted argument
    takes \\", \\`, \\$ and \\\\ as the character itself."""
    text = re.sub(r"\\(.)", lambda m: {"s": " ", "n": "\n", "t": "\t", "r": "\r"}
                  .get(m.group(1), m.group(1)), exec_value)
    args = re.findall(r'"((?:[^"\\]|\\.)*)"|(\S+)', text)
    return [(re.sub(r'\\([\\"`$])', r"\1", quoted) if quoted else bare).replace("%%", "%")
            for quoted, bare in args]


def a11y():
    import accessibility  # needs the session's buses in the environment

    return accessibility


class Case(unittest.TestCase):
    def setUp(self):
        self.session = CONFIG["session"]
        self.programs = []
        harness.wait_out_midnight(CASE_SECONDS)
        limit = harness.time_limit(CASE_SECONDS)
        limit.__enter__()
        self.addCleanup(limit.__exit__, None, None, None)
        self.addCleanup(self._end_leftovers)

    def _end_leftovers(self):
        # Only a failed case leaves a program running; it is no save to test now.
        for program in self.programs:
            if program.proc and program.running():
                program.proc.kill()
                program.proc.wait()

    def program(self, pet_bytes=None, folder=None, session=None, picture_folder=None):
        program = harness.Program(session or self.session, CONFIG["program"], CONFIG["pictures"],
                                  pet_bytes, folder, picture_folder)
        self.programs.append(program)
        return program

    # What the window shows, read as a screen reader reads it.
    def shown(self, program, title):
        window = a11y().window(program.pid, title)
        values = {}
        for node in window.walk():
            if node.role != "label" or "showing" not in node.states:
                continue
            caption, _, value = node.name.partition(": ")
            if caption in NEED_CAPTIONS + ("Возраст",) and value:
                values[caption] = value
        return values

    def status_line(self, program, title):
        window = a11y().window(program.pid, title)
        x, y = program.at(*STATUS_LINE)
        return a11y().label_at(window, x, y, role="status bar").name

    def expect_shown(self, program, title, age, needs):
        expected = dict(zip(NEED_CAPTIONS, needs), Возраст=age)
        harness.wait_until("the needs %s" % expected,
                           lambda: self.shown(program, title) == expected, timeout=5)

    def wait_panel(self, program, names):
        harness.wait_until("the choices " + " ".join(names),
                           lambda: program.panel_shows_choices(names), timeout=3)

    def watch_run(self, program, frames, seconds, during=None, times=None):
        """Samples the pet picture through a run; returns the frames seen, in order.
        `during` is called once, after the first frame has appeared; `times`
        gets the moment each frame was first seen."""
        seen = []
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            shown = program.pet_pictures_shown(frames)
            if shown and (not seen or seen[-1] != shown[0]):
                seen.append(shown[0])
                if times is not None:
                    times.append(time.monotonic())
                if during and len(seen) == 1:
                    during()
            time.sleep(0.02)
        return seen

    def answer_box(self, program, title, key):
        """Checks a message box is up, returns its texts, and answers it by key."""
        box, geometry = program.window(title)
        texts = a11y().texts(a11y().window(program.pid, title))
        # Keyboard input goes to the window under the pointer when nothing manages focus.
        self.session.move_to(geometry[0] + 4, geometry[1] + 4)
        time.sleep(0.1)
        self.session.press_key(key)
        return texts


class StartUp(Case):
    def test_stored_pet_is_shown_aged_by_the_days_away_and_saved_on_closing(self):
        today = today_text()
        cases = [
            # what, stored record, shown age and needs, record written on closing
            ("fresh pet, shown as stored and never aged or checked",
             (NAME, "25", FRESH_MARKER),
             ("25", FRESH_NEEDS),
             (NAME, "25", today)),
            ("saved today: needs as stored",
             ("Барсик", "3", today, "4", "6", "7", "2", "9"),
             ("3", ("4", "6", "7", "2", "9")),
             ("Барсик", "3", today, "4", "6", "7", "2", "9")),
            ("one day away",
             (NAME, "3", today_text(-1)),
             ("4", ("7", "8", "3", "3", "8")),
             (NAME, "4", today, "7", "8", "3", "3", "8")),
            ("clock set back three days: younger, needs as stored",
             (NAME, "10", today_text(3), "1", "2", "3", "4", "5"),
             ("7", ("1", "2", "3", "4", "5")),
             (NAME, "7", today, "1", "2", "3", "4", "5")),
            ("19 days old lives on; thirst 9 is no neglect",
             (NAME, "18", today_text(-1), "8", "6", "5", "1", "2"),
             ("19", ("10", "9", "3", "4", "0")),
             (NAME, "19", today, "10", "9", "3", "4", "0")),
        ]
        for what, stored, (age, needs), saved in cases:
            with self.subTest(what):
                program = self.program(pet_line(*stored)).start()
                window = program.main_window(stored[0])
                self.assertEqual((*program.origin, *program.size), (187, 162, 282, 281))
                self.assertEqual(self.session.wm_name(window), stored[0])
                self.expect_shown(program, stored[0], age, needs)
                self.assertEqual(program.titles(), [stored[0]], "no message box")
                self.assertEqual(program.close(), 0)
                self.assertEqual(program.pet_bytes(), pet_line(*saved))

    def test_unread_pet_file_is_reported_with_its_copy_then_replaced_on_closing(self):
        damaged = pet_line(NAME, "4", FRESH_MARKER)[:15]
        for what, stored in (("missing: nothing to copy", None), ("damaged: copied", damaged)):
            with self.subTest(what):
                program = self.program(stored).start()
                texts = self.answer_box(program, "Ошибка", "Return")
                report = [t for t in texts if t.startswith("Ошибка в программе! ")]
                self.assertEqual(len(report), 1, texts)
                copy = os.path.realpath(program.pet_path) + ".bak"
                self.assertEqual(report[0].endswith(" Прежний файл питомца сохранён как «%s»." % copy),
                                 stored is not None, report)
                program.main_window("Pet")
                self.expect_shown(program, "Pet", "0", ("0",) * 5)
                self.assertEqual(program.close(), 0)
                self.assertEqual(program.pet_bytes(),
                                 pet_line("Pet", "0", today_text(), *("0",) * 5))
                self.assertEqual(os.path.exists(copy), stored is not None)
                if stored is not None:
                    with open(copy, "rb") as f:
                        self.assertEqual(f.read(), stored)

    def test_command_line_answers_without_a_display_and_leaves_qt_its_options(self):
        program = self.program(pet_line(NAME, "1", FRESH_MARKER))
        no_display = {k: v for k, v in self.session.env.items()
                      if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}

        def run(*args):
            return subprocess.run([program.executable, *args], env=no_display,
                                  capture_output=True, text=True, timeout=10)

        shown_help, version, wrong, bare = run("--help"), run("--version"), run("-frob"), run()
        self.assertEqual((shown_help.returncode, shown_help.stderr), (0, ""))
        self.assertRegex(shown_help.stdout, r"^Использование: pet .*\n(.*\n)*  --version ")
        self.assertEqual((version.returncode, version.stderr), (0, ""))
        self.assertRegex(version.stdout, r"^Питомец \d+\.\d+\n$")
        self.assertEqual((wrong.returncode, wrong.stdout), (2, ""))
        self.assertRegex(wrong.stderr, r"^pet: неизвестный параметр «-frob»\nИспользование: pet ")
        # No display: told in Russian, ended by an exit code rather than an abort.
        self.assertEqual(bare.returncode, 1, bare.stderr)
        # Only the program's own message: Qt's warnings before it are held back.
        self.assertRegex(bare.stderr, r"^pet: не удалось подключиться к графическому экрану[^\n]*\n$")
        # Qt's own options still reach Qt: the display named on the command line
        # and the session a session manager restores.
        program.start([program.executable, "-display", self.session.env["DISPLAY"],
                       "--session", "1234_5", "-style=fusion"], no_display)
        program.main_window(NAME)
        self.assertEqual(program.close(), 0)

    def test_idle_pet_pictures_follow_in_turn(self):
        program = self.program(pet_line(NAME, "1", FRESH_MARKER))
        program.start().main_window(NAME)
        seen = []
        deadline = time.monotonic() + 3.2
        while time.monotonic() < deadline:
            shown = program.pet_pictures_shown(IDLE_PICTURES)
            self.assertEqual(len(shown), 1, "the pet picture is one of the idle pictures")
            if not seen or seen[-1] != shown[0]:
                seen.append(shown[0])
            time.sleep(0.04)
        self.assertGreaterEqual(len(seen), 5, seen)
        for before, after in zip(seen, seen[1:]):
            self.assertEqual(IDLE_PICTURES.index(after), (IDLE_PICTURES.index(before) + 1) % 3,
                             seen)
        program.close()


class Death(Case):
    def test_death_offers_a_new_pet(self):
        cases = [
            ("old age", (NAME, "18", today_text(-2)), OLD_AGE_TEXT),
            ("old age wins over neglect",
             (NAME, "30", today_text(-1), "9", "9", "1", "9", "1"), OLD_AGE_TEXT),
            ("neglect", ("Мурка", "5", today_text(-1), "8", "7", "5", "1", "2"), NEGLECT_TEXT),
        ]
        for what, stored, text in cases:
            for key, answer in (("Return", "yes"), ("Escape", "no")):
                with self.subTest(what, answer=answer):
                    before = pet_line(*stored)
                    program = self.program(before).start()
                    texts = self.answer_box(program, DEATH_TITLE, key)
                    self.assertIn(text, texts)
                    if answer == "no":
                        self.assertEqual(program.wait_exit(), 0)
                        self.assertEqual(program.pet_bytes(), before, "nothing saved")
                        continue
                    program.main_window(stored[0])
                    self.expect_shown(program, stored[0], "0", FRESH_NEEDS)
                    self.assertEqual(program.pet_bytes(), pet_line(stored[0], "0", FRESH_MARKER))
                    self.assertEqual(program.titles(), [stored[0]])
                    program.close()
                    self.assertEqual(program.pet_bytes(), pet_line(stored[0], "0", today_text()))


class Care(Case):
    def choose_refused(self, program, n, refusal):
        """Clicks choice n and waits for the pet's refusal in the status line."""
        program.click_choice(n)
        harness.wait_until("the refusal", lambda: self.status_line(program, NAME)
                           == NAME + ": " + refusal, timeout=3)

    def choose_played(self, program, n, frames, seconds, reply, times=None):
        """Clicks choice n, sees its frames played in order and the pet's reply."""
        program.click_choice(n)
        self.assertEqual(self.watch_run(program, frames, seconds, times=times), frames)
        self.assertEqual(self.status_line(program, NAME), NAME + ": " + reply)

    def test_refusal_then_an_accepted_choice_is_played_and_saved(self):
        program = self.program(pet_line(NAME, "2", FRESH_MARKER, "5", "5", "8", "3", "5"))
        program.start().main_window(NAME)
        needs_view = program.panel()

        # Mood 8: the pet will not play, and nothing else happens.
        program.click_button("play")
        self.wait_panel(program, ["pl0.gif", "pl1.gif", "pl2.gif", "pl3.gif"])
        self.choose_refused(program, 1, "Я не хочу играть!")
        still = program.pet_picture()
        time.sleep(1.2)  # the need clock is stopped while the choices are up
        self.assertTrue(harness.same_pixels(still, program.pet_picture()))
        self.assertTrue(program.panel_shows_choices(["pl0.gif", "pl1.gif", "pl2.gif", "pl3.gif"]))

        # Hunger 5: the third food is eaten.
        program.click_button("eat")
        self.wait_panel(program, ["f0.gif", "f1.gif", "f2.gif", "f3.gif"])
        self.choose_played(program, 2, ["pfM2%d.gif" % i for i in range(4)], 3.0,
                           "Как вкусно! Спасибо!")

        # After the run: needs view, bounded needs, idle pictures again.
        harness.wait_until("the needs view",
                           lambda: needs_view_matches(program.panel(), needs_view), timeout=3)
        self.expect_shown(program, NAME, "2", ("0", "9", "10", "4", "6"))
        harness.wait_until("an idle picture", lambda: program.pet_pictures_shown(IDLE_PICTURES),
                           timeout=3)
        program.close()
        self.assertEqual(program.pet_bytes(),
                         pet_line(NAME, "2", today_text(), "0", "9", "10", "4", "6"))

    def test_sleep_then_a_treatment_are_played_and_saved(self):
        program = self.program(pet_line(NAME, "3", FRESH_MARKER, "4", "4", "5", "6", "3"))
        program.start().main_window(NAME)

        # Sleep offers the moon alone, and its run steps every 500 ms.
        program.click_button("sleep")
        self.wait_panel(program, ["sl0.gif"])
        # Beside it the panel is bare: the needs took their plates and icons along.
        beside = [size * program.scale for size in (harness.CHOICE_SIZE, 0, 257, 65)]
        self.assertTrue(harness.same_pixels(program.panel().crop(beside),
                                            program.shown_gif("BgUP.gif").crop(beside)))
        times = []
        self.choose_played(program, 0, ["pSSM0%d.gif" % i for i in range(3)], 2.2, "Я поспал!",
                           times)
        # Two steps from the first frame to the last: 1 s, where 400-ms steps take 0.8 s.
        self.assertGreater(times[-1] - times[0], 0.92)
        # Sleepiness 6 - 10 is bounded to 0 by the need clock after the run.
        self.expect_shown(program, NAME, "3", ("5", "5", "6", "0", "5"))

        # At health 5 the pet is too well for the pills, not for the shot.
        program.click_button("treat")
        self.wait_panel(program, ["t0.gif", "t1.gif", "t2.gif", "t3.gif"])
        self.choose_refused(program, 2, "Я не очень сильно болен!")
        self.choose_played(program, 1, ["pHeM1%d.gif" % i for i in range(2)], 1.6, "Как больно!")
        self.expect_shown(program, NAME, "3", ("5", "5", "4", "1", "9"))
        program.close()
        self.assertEqual(program.pet_bytes(),
                         pet_line(NAME, "3", today_text(), "5", "5", "4", "1", "9"))

    def test_covered_buttons_do_nothing_during_a_run(self):
        program = self.program(pet_line(NAME, "2", FRESH_MARKER, "5", "6", "5", "3", "5"))
        program.start().main_window(NAME)
        program.click_button("drink")
        drinks = ["d0.gif", "d1.gif", "d2.gif", "d3.gif"]
        self.wait_panel(program, drinks)
        program.click_choice(3)
        answer = NAME + ": Вкусно! Спасибо!"

        frames = ["pdM3%d.gif" % i for i in range(4)]
        harness.wait_until("the first frame", lambda: program.shows_pet_picture(frames[0]),
                           timeout=3)
        # Each would change the panel or the clock if it were not covered.
        for name in ("static", "sleep", "eat"):
            program.click_button(name)
        program.hover_button("play")
        seen = [frames[0]]
        while len(seen) < 4:
            shown = program.pet_pictures_shown(frames)
            if shown and shown[0] != seen[-1]:
                seen.append(shown[0])
            if seen[-1] == frames[-1]:
                break
            self.assertTrue(program.panel_shows_choices(drinks), "panel unchanged: %s" % seen)
            time.sleep(0.02)
        self.assertEqual(seen, frames)
        self.assertEqual(self.status_line(program, NAME), answer, "no hint over a cover")
        program.hover(*harness.PIC_MAIN[:2])
        harness.wait_until("the pet's hint",
                           lambda: self.status_line(program, NAME) == "Это питомец")
        program.close()
        # One drink, not more: thirst -5, mood +1.
        self.assertEqual(program.pet_bytes(),
                         pet_line(NAME, "2", today_text(), "5", "1", "6", "3", "5"))


class SecondStart(Case):
    def test_second_start_is_turned_away_and_leaves_the_file(self):
        stored = pet_line(NAME, "4", FRESH_MARKER)
        first = self.program(stored).start()
        first.main_window(NAME)
        cover = self.session.cover_screen()
        self.addCleanup(cover.destroy)
        second = self.program(folder=first.folder).start()
        texts = self.answer_box(second, "Питомец", "Return")
        self.assertTrue(any("уже открыт" in t for t in texts), texts)
        order = self.session.stacking_order()
        self.assertGreater(order.index(first.win.id), order.index(cover.id),
                           "the open pet's window is called to the front")
        self.assertEqual(second.wait_exit(), 1)
        self.assertEqual(first.pet_bytes(), stored)
        self.assertTrue(first.running())
        first.close()
        self.assertEqual(first.pet_bytes(), pet_line(NAME, "4", today_text()))


class DesktopEnds(Case):
    STORED = (NAME, "4", FRESH_MARKER)
    SAVED = (NAME, "4", today_text())

    def test_terminating_signals_save_as_closing_once_the_window_is_up(self):
        def idle(program):
            program.main_window(NAME)

        def untrapped_error_report(program):
            program.main_window(NAME)
            program.click_button("eat")  # its second food has no picture
            program.window("Ошибка")

        def need_clock_report(program):  # the second idle picture is missing
            program.window("Ошибка")

        def death_box(program):
            program.window(DEATH_TITLE)

        old = (NAME, "19", today_text(-3))
        cases = [
            # what, stored, picture removed, how far the program gets, signal, saved
            ("SIGTERM", self.STORED, None, idle, signal.SIGTERM, True),
            ("SIGINT", self.STORED, None, idle, signal.SIGINT, True),
            ("SIGHUP", self.STORED, None, idle, signal.SIGHUP, True),
            ("SIGTERM closes an error report first", self.STORED, "f1.gif",
             untrapped_error_report, signal.SIGTERM, True),
            ("the need clock's report still ends unsaved", self.STORED, "p1.gif",
             need_clock_report, signal.SIGTERM, False),
            ("before the window is shown nothing is saved", old, None, death_box, signal.SIGTERM,
             False),
        ]
        for what, stored, missing, reach, number, saved in cases:
            with self.subTest(what):
                program = self.program(pet_line(*stored))
                if missing:
                    program.remove_picture(missing)
                program.start()
                reach(program)
                program.signal(number)
                code = program.wait_exit()
                if saved:
                    self.assertEqual(code, 0)
                self.assertEqual(program.pet_bytes(), pet_line(*(self.SAVED if saved else stored)))

    def test_a_lost_display_saves_as_closing(self):
        for what in ("X server killed", "xkill"):
            with self.subTest(what):
                display = harness.Session(accessibility=False)
                self.addCleanup(display.close)
                program = self.program(pet_line(*self.STORED), session=display).start()
                window = program.main_window(NAME)
                if what == "xkill":
                    window.kill_client()
                    display.x.sync()
                else:
                    display.xvfb.kill()
                program.wait_exit()
                self.assertEqual(program.pet_bytes(), pet_line(*self.SAVED))


class Wayland(Case):
    """Under a Wayland compositor (Weston) through Qt's own Wayland platform:
    the compositor may go away, and the title bar is drawn by Qt."""

    STORED = (NAME, "4", FRESH_MARKER)
    SAVED = (NAME, "4", today_text())
    FRAME = (288, 314)  # the window with Qt's title bar and border
    MAXIMIZE = (248, 15)  # title-bar buttons, from the frame's top left
    CLOSE = (271, 15)

    def start(self, weston, **kwargs):
        program = self.program(pet_line(*self.STORED)).start(**kwargs)
        self.expect_shown(program, NAME, "4", FRESH_NEEDS)
        return program

    def test_the_compositor_going_away_saves_as_closing(self):
        for what, number in (("killed", signal.SIGKILL), ("ended", signal.SIGTERM)):
            with self.subTest(what):
                weston = harness.Weston(self.session)
                program = self.start(weston, env=weston.env)
                weston.proc.send_signal(number)
                program.wait_exit()
                self.assertEqual(program.pet_bytes(), pet_line(*self.SAVED))

    def test_the_title_bar_cannot_end_the_program_but_closes_it(self):
        # The connection's messages tell when the compositor has made the
        # window maximized and then normal again.
        configure = re.compile(r"^\[ *[\d.]+\] xdg_toplevel@\d+\.configure\((\d+), (\d+),", re.M)

        def maximized_and_back(log):
            if not program.running():
                raise AssertionError("the program ended after the maximize click")
            with open(log) as f:
                sizes = [tuple(map(int, m)) for m in configure.findall(f.read())]
            output = sizes.index(harness.Weston.OUTPUT) if harness.Weston.OUTPUT in sizes else None
            return output is not None and (0, 0) in sizes[output + 1:]

        for what, maximize_first in (("close button", False), ("maximize, then close", True)):
            with self.subTest(what):
                weston = harness.Weston(self.session, "x11")
                self.addCleanup(weston.close)
                log = os.path.join(self.session.tmp, "wayland-%s.log" % weston.socket)
                with open(log, "w") as stderr:
                    program = self.start(weston, env=dict(weston.env, WAYLAND_DEBUG="1"),
                                         stderr=stderr)
                frame = harness.wait_until("the window on the compositor's output", lambda: (
                    lambda box: box if box and (box[2] - box[0], box[3] - box[1]) == self.FRAME
                    else None)(weston.window_frame()))
                if maximize_first:
                    weston.click_at(frame[0] + self.MAXIMIZE[0], frame[1] + self.MAXIMIZE[1])
                    harness.wait_until("the window maximized and back",
                                       lambda: maximized_and_back(log))
                    self.assertEqual(weston.window_frame(), frame)
                weston.click_at(frame[0] + self.CLOSE[0], frame[1] + self.CLOSE[1])
                self.assertEqual(program.wait_exit(), 0)
                self.assertEqual(program.pet_bytes(), pet_line(*self.SAVED))
                weston.close()  # its output would lie over the next one's


class Scaled(Case):
    """A screen scaled to 200 %: the same layout, every picture shown as its twin."""

    def scaled(self):
        return dict(self.session.env, QT_SCALE_FACTOR="2")

    def test_pictures_are_their_twins_and_the_window_fits(self):
        build = CONFIG["build"]
        if not build:
            self.skipTest("no build folder given: the buttons' twins are there")
        program = self.program(pet_line(NAME, "2", FRESH_MARKER))
        program.start(env=self.scaled()).main_window(NAME)  # waits for an idle pet's twin
        # The 1024 x 768 screen is 512 x 384 at 200 %: the usual left, raised to fit.
        self.assertEqual((*program.origin, *program.size), (2 * 187, 2 * (384 - 281), 564, 562))
        self.assertEqual(len(program.pet_pictures_shown(IDLE_PICTURES)), 1)
        left, top = harness.BUTTONS["eat"]
        with harness.Image.open(os.path.join(build, "builtin", "imgEat@2x.png")) as twin:
            self.assertTrue(harness.same_pixels(program.shot(left, top, 80, 23),
                                                twin.convert("RGB")))
        program.click_button("eat")
        harness.wait_until("the food choices' twins", lambda: program.panel_shows_choices(
            ["f0.gif", "f1.gif", "f2.gif", "f3.gif"]), timeout=3)
        program.close()

    def test_a_bad_picture_fails_even_with_its_twin_beside_it(self):
        def break_file(path):
            with open(path, "wb") as f:
                f.write(b"GIF89a, then nothing")

        stored = pet_line(NAME, "2", FRESH_MARKER)
        for what, damage in (("missing", os.remove), ("unreadable", break_file)):
            with self.subTest(what):
                program = self.program(stored)
                damage(os.path.join(program.folder, "G", "p1.gif"))
                # The need clock's first tick loads p1: its report ends the program unsaved.
                texts = self.answer_box(program.start(env=self.scaled()), "Ошибка", "Return")
                self.assertTrue(any(t.startswith("Ошибка в программе! ") and "p1.gif" in t
                                    for t in texts), texts)
                self.assertEqual(program.wait_exit(), 0)
                self.assertEqual(program.pet_bytes(), stored)


    def test_a_twin_that_is_no_file_is_passed_over(self):
        stored = pet_line(NAME, "2", FRESH_MARKER)
        program = self.program(stored)
        twin = os.path.join(program.folder, "G", "Bg@2x.gif")
        os.remove(twin)
        os.mkfifo(twin)  # a pipe: opening it would wait for a writer forever
        program.start(env=self.scaled()).main_window(NAME)
        program.close()
        self.assertEqual(program.pet_bytes(), pet_line(NAME, "2", today_text()))


class Accessibility(Case):
    def test_controls_tell_screen_readers_what_they_are(self):
        program = self.program(pet_line(NAME, "6", FRESH_MARKER, "5", "7", "3", "0", "10"))
        program.start().main_window(NAME)
        window = a11y().window(program.pid, NAME)
        named = {node.name: node for node in window.walk() if node.name}
        buttons = {
            "Данные": "Данные о питомце (от 1 до 10)",
            "Кушать": "Накормить питомца",
            "Пить": "Дать попить питомцу",
            "Играть": "Поиграть с питомцем",
            "Спать": "Выключить свет и дать поспать питомцу",
            "Лечить": "Вылечить питомца",
        }
        for (name, description), key in zip(buttons.items(), harness.BUTTONS):
            with self.subTest(name):
                self.assertIn(name, named)
                self.assertEqual(named[name].role, "push button")
                self.assertEqual(named[name].description, description)
                left, top = harness.BUTTONS[key]
                self.assertEqual(named[name].extents, (*program.at(left, top), 80, 23))
        shown = [node.name for node in window.walk() if "showing" in node.states]
        self.assertEqual([name for name in shown if name in buttons], list(buttons),
                         "read top to bottom")
        self.assertNotIn("Голод:", shown, "a caption is read with its value")
        self.assertEqual(named["Питомец"].extents, (*program.at(96, 112), 170, 142))
        self.assertEqual(named["Питомец"].role, "image")
        for label in ("Голод: 5", "Жажда: 7", "Настроение: 3", "Сонливость: 0",
                      "Здоровье: 10", "Возраст: 6"):
            self.assertIn(label, named)
        self.assertEqual(self.status_line(program, NAME), "")
        for key, hint in zip(harness.BUTTONS, buttons.values()):
            program.hover_button(key)
            harness.wait_until(hint, lambda: self.status_line(program, NAME) == hint)
        program.hover(*STATUS_LINE)
        harness.wait_until("an empty line", lambda: self.status_line(program, NAME) == "")
        program.close()

    def test_care_by_keyboard_alone(self):
        program = self.program(pet_line(NAME, "2", FRESH_MARKER, "5", "5", "8", "3", "5"))
        window = program.start().main_window(NAME)

        def button(name):
            return program.shot(*harness.BUTTONS[name], 80, 23)

        unmarked = {name: button(name) for name in ("static", "treat")}
        self.session.give_keyboard_focus(window)

        def marked(name):
            return lambda: not harness.same_pixels(button(name), unmarked[name])

        # The mark comes with the first Tab; Shift+Tab from the first control
        # goes round to the last.
        self.assertTrue(harness.same_pixels(button("static"), unmarked["static"]))
        self.session.press_key("Tab")
        harness.wait_until("the focus on ДАННЫЕ", marked("static"), timeout=3)
        self.session.press_key("Tab", "Shift_L")
        harness.wait_until("the focus on ЛЕЧИТЬ", marked("treat"), timeout=3)
        self.assertTrue(harness.same_pixels(button("static"), unmarked["static"]))
        for key in ("Tab", "Tab", "Return"):
            self.session.press_key(key)
        # КУШАТЬ moves the mark on to the first food: from there round to
        # ДАННЫЕ, and back to the choices, the last first.
        for _ in range(4):
            self.session.press_key("Tab")
        for _ in range(2):
            self.session.press_key("Tab", "Shift_L")
        self.session.press_key("space")
        self.assertEqual(self.watch_run(program, ["pfM2%d.gif" % i for i in range(4)], 3.0),
                         ["pfM2%d.gif" % i for i in range(4)])
        self.assertEqual(self.status_line(program, NAME), NAME + ": Как вкусно! Спасибо!")
        self.expect_shown(program, NAME, "2", ("0", "9", "10", "4", "6"))
        program.close()
        self.assertEqual(program.pet_bytes(),
                         pet_line(NAME, "2", today_text(), "0", "9", "10", "4", "6"))

    def test_care_by_screen_reader_and_covered_buttons_refuse(self):
        program = self.program(pet_line(NAME, "2", FRESH_MARKER, "5", "6", "5", "3", "5"))
        window = program.start().main_window(NAME)
        live = a11y().live_window(program.pid, NAME)
        buttons = {name: a11y().find(live, name)
                   for name in ("Данные", "Кушать", "Пить", "Играть", "Спать", "Лечить")}
        heard = a11y().Events("object:text-changed:insert")
        self.addCleanup(heard.close)

        self.assertTrue(a11y().press(buttons["Пить"]))
        self.wait_panel(program, ["d0.gif", "d1.gif", "d2.gif", "d3.gif"])
        choices = [a11y().find(live, name) for name in ("Молоко", "Вода", "Сок", "Какао")]
        self.assertTrue(a11y().press(choices[3]))
        frames = ["pdM3%d.gif" % i for i in range(4)]
        harness.wait_until("the first frame", lambda: program.shows_pet_picture(frames[0]),
                           timeout=3)

        # Under the cover no button takes a press, and Tab passes them by.
        for name, control in buttons.items():
            self.assertFalse(a11y().press(control), name)
        self.session.give_keyboard_focus(window)
        for _ in range(3):
            self.session.press_key("Tab")
            time.sleep(0.1)
            self.assertEqual([n for n, c in buttons.items() if a11y().has_focus(c)], [])
        self.assertTrue(any(a11y().has_focus(c) for c in choices))
        self.assertTrue(program.pet_pictures_shown(frames), "checked while the run played")

        # The pet's answer is announced; after the run the buttons work again.
        answer = NAME + ": Вкусно! Спасибо!"
        harness.wait_until("the answer announced", lambda: (
            "object:text-changed:insert", "status bar", answer) in heard.pump(), timeout=3)
        harness.wait_until("the buttons pressable again",
                           lambda: a11y().press(buttons["Данные"]), timeout=3)
        program.close()
        # One drink, not more: thirst -5, mood +1.
        self.assertEqual(program.pet_bytes(),
                         pet_line(NAME, "2", today_text(), "5", "1", "6", "3", "5"))


class ScreenReader(Case):
    """What a blind user hears from Orca, the desktop's screen reader."""

    @classmethod
    def setUpClass(cls):
        cls.orca = harness.ScreenReader(CONFIG["session"])

    @classmethod
    def tearDownClass(cls):
        cls.orca.close()

    def start(self, pet):
        """Starts the pet on the screen reader's desktop; returns the log's mark."""
        since = self.orca.mark()
        program = self.program(pet).start(env=self.orca.program_env())
        program.main_window(NAME)
        self.hear(since, NAME)
        return program, since

    def hear(self, since, text, count=1):
        """Waits until `count` utterances since the mark hold `text`; returns
        all said since the mark."""
        return self.orca.wait_for(
            "«%s»" % text, lambda said: len([u for u in said if text in u]) >= count and said,
            since, timeout=10)

    def press(self, key, text, *held):
        """Presses a key and waits for `text` to be said."""
        since = self.orca.mark()
        self.session.press_key(key, *held)
        return self.hear(since, text)

    def assert_russian(self, said):
        self.assertEqual([u for u in said if re.search("[A-Za-z]", u)], [], "English heard")

    def test_feeding_by_keyboard_is_heard(self):
        program, start = self.start(pet_line(NAME, "6", FRESH_MARKER, "5", "7", "3", "0", "10"))
        self.press("Tab", "Данные")
        self.press("space", "Голод: 5, Жажда: 7, Настроение: 3, Сонливость: 0, Здоровье: 10, "
                            "Возраст: 6")
        self.press("Tab", "Кушать")
        self.press("space", "Рыба")
        # Said once, though the run ends with the focus moving on.
        since = self.orca.mark()
        self.session.press_key("space")
        said = self.hear(since, "Данные")
        self.assertEqual([u for u in said if u.startswith(NAME + ":")], [NAME + ": Спасибо!"])

        # Hunger 0 now: each refusal is said, also the same one again.
        self.press("Tab", "Кушать")
        self.press("space", "Рыба")
        since = self.orca.mark()
        self.session.press_key("space")
        self.hear(since, NAME + ": Я не хочу есть!")
        self.session.press_key("space")
        self.hear(since, NAME + ": Я не хочу есть!", count=2)

        # Where am I: the button and its hint, with no key names between.
        self.press("Tab", "Вылечить питомца", "Shift_L")
        self.press("KP_Enter", "Вылечить питомца")
        self.assert_russian(self.orca.said(start))
        program.close()
        self.assertEqual(program.pet_bytes(),
                         pet_line(NAME, "6", today_text(), "0", "10", "5", "0", "10"))

    def test_answers_to_the_mouse_and_to_a_screen_readers_press_are_heard(self):
        program, start = self.start(pet_line(NAME, "3", FRESH_MARKER, "5", "5", "5", "1", "10"))
        live = a11y().live_window(program.pid, NAME)
        since = self.orca.mark()
        self.assertTrue(a11y().press(a11y().find(live, "Спать")))
        self.hear(since, "Луна: пора спать")
        since = self.orca.mark()
        program.click_choice(0)
        self.hear(since, NAME + ": Я не хочу спать!")
        self.assertTrue(a11y().press(a11y().find(live, "Луна: пора спать")))
        self.hear(since, NAME + ": Я не хочу спать!", count=2)
        self.assert_russian(self.orca.said(start))
        program.close()


class Install(Case):
    def test_installed_program_runs_from_its_launcher(self):
        build = CONFIG["build"]
        if not build:
            self.skipTest("no build folder given")
        # Spaces and shell characters in the prefix: the menu entry must still start it.
        prefix = tempfile.mkdtemp(prefix="my pets $1 \"x\"-", dir=self.session.tmp)

        def install():
            subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                           stdout=subprocess.DEVNULL, timeout=60)

        install()
        folder = os.path.join(prefix, "lib", "pet")
        self.assertTrue(os.access(os.path.join(prefix, "bin", "pet"), os.X_OK))
        for size in (16, 22, 24, 32, 48, 64, 128, 256):
            for size_folder, pixels in (("%dx%d", size), ("%dx%d@2", 2 * size)):
                icon = os.path.join(prefix, "share/icons/hicolor", size_folder % (size, size),
                                    "apps/%s.png" % APP_ID)
                with harness.Image.open(icon) as image:
                    self.assertEqual(image.size, (pixels, pixels))
        for path in ("share/metainfo/%s.metainfo.xml" % APP_ID, "share/man/man6/pet.6.gz",
                     "share/doc/pitomets/copyright"):
            self.assertTrue(os.path.isfile(os.path.join(prefix, path)), path)
        with open(os.path.join(prefix, "share/applications/%s.desktop" % APP_ID),
                  encoding="utf-8") as f:
            entry = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        self.assertEqual(entry["Name"], "Питомец")
        self.assertEqual(entry["Icon"], APP_ID)
        self.assertEqual(entry["Categories"], "Game;Simulation;")
        launcher = os.path.join(prefix, "bin", "pet")
        self.assertEqual(desktop_command(entry["Exec"]), [launcher])
        gifs = sorted(f for f in os.listdir(os.path.join(folder, "G")) if f.endswith(".gif"))
        self.assertEqual(gifs, sorted(f for f in os.listdir(CONFIG["pictures"])
                                      if f.endswith(".gif")))

        program = self.program(folder=folder)
        with open(DEFAULT_PET, "rb") as f:
            self.assertEqual(program.pet_bytes(), f.read(), "the default pet")
        program.start(desktop_command(entry["Exec"]))
        program.main_window(NAME)
        program.close()
        saved = program.pet_bytes()
        self.assertEqual(saved.split(b",")[2], ('"%s"' % today_text()).encode())

        install()  # a later install keeps the pet
        self.assertEqual(program.pet_bytes(), saved)


class Package(Case):
    """The Debian package, unpacked into a folder of its own rather than
    installed, run by two users of the machine who have never run it."""

    def deb(self, folder):
        if not folder:
            self.skipTest("no package folder given")
        debs = [f for f in os.listdir(folder) if f.endswith(".deb")]
        self.assertEqual(len(debs), 1, debs)
        return os.path.join(folder, debs[0])

    def unpack(self):
        deb = self.deb(CONFIG["package"])
        listing = subprocess.run(["dpkg-deb", "-c", deb], check=True, capture_output=True,
                                 text=True).stdout
        paths = {line.split()[5] for line in listing.splitlines()}
        self.assertEqual([p for p in paths if p != "./" and not p.startswith("./usr/")], [])
        wanted = ("games/pet", "libexec/pitomets/pet", "share/games/pitomets/G/Pets.pets",
                  "share/games/pitomets/G/Bg.gif", "share/doc/pitomets/changelog.gz",
                  "share/man/ru/man6/pet.6.gz",
                  "share/applications/%s.desktop" % APP_ID,
                  "share/icons/hicolor/48x48/apps/%s.png" % APP_ID,
                  "share/metainfo/%s.metainfo.xml" % APP_ID, "share/man/man6/pet.6.gz",
                  "share/doc/pitomets/copyright")
        self.assertEqual([p for p in wanted if "./usr/" + p not in paths], [])
        depends = subprocess.run(["dpkg-deb", "-f", deb, "Depends"], check=True,
                                 capture_output=True, text=True).stdout
        self.assertIn("libqt6widgets6", depends)
        # The labels' font: without it the captions run into their values.
        self.assertRegex(depends, r"(^|, )fonts-dejavu-extra(,|$)")

        # Readable to every user, as an installed package is.
        root = tempfile.mkdtemp(prefix="pet-package-")
        self.addCleanup(shutil.rmtree, root, True)
        os.chmod(root, 0o755)
        subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
        return os.path.join(root, "usr")

    def test_debian_tools_accept_it_and_another_build_is_the_same(self):
        usr = self.unpack()
        deb = self.deb(CONFIG["package"])
        lintian = subprocess.run(["lintian", "--pedantic", "--display-info", deb],
                                 capture_output=True, text=True, timeout=CASE_SECONDS)
        self.assertEqual(lintian.returncode, 0, lintian.stdout + lintian.stderr)
        self.assertNotRegex(lintian.stdout, r"(?m)^[EW]: ")
        # Debian 12's flags bring no control-flow protection; the rest must all be there.
        hardening = subprocess.run(["hardening-check", "--nocfprotection",
                                    os.path.join(usr, "libexec/pitomets/pet")],
                                   capture_output=True, text=True)
        self.assertEqual(hardening.returncode, 0, hardening.stdout)
        with open(deb, "rb") as first, open(self.deb(CONFIG["package_copy"]), "rb") as second:
            self.assertTrue(first.read() == second.read(), "two builds, two different packages")

    def test_metadata_validates(self):
        usr = self.unpack()
        appstream = subprocess.run(
            ["appstreamcli", "validate", "--no-net",
             os.path.join(usr, "share/metainfo/%s.metainfo.xml" % APP_ID)],
            capture_output=True, text=True)
        self.assertEqual(appstream.returncode, 0, appstream.stdout + appstream.stderr)
        self.assertNotRegex(appstream.stdout, r"(?m)^[EW]:")
        entry = subprocess.run(
            ["desktop-file-validate", os.path.join(usr, "share/applications/%s.desktop" % APP_ID)],
            capture_output=True, text=True)
        self.assertEqual((entry.returncode, entry.stdout + entry.stderr), (0, ""))

    def user(self, uid):
        """A fresh home for a user (None: this process's own user, in a home of
        its own); returns the command prefix and the environment to run as them."""
        home = tempfile.mkdtemp(prefix="pet-home-")
        self.addCleanup(shutil.rmtree, home, True)
        runtime = os.path.join(home, "runtime")
        os.mkdir(runtime, 0o700)
        env = {k: v for k, v in self.session.env.items()
               if not k.startswith(("XDG_", "DBUS_", "AT_SPI", "QT_LINUX_ACCESSIBILITY"))}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime, NO_AT_BRIDGE="1")
        if uid is None:
            return [], env, home
        for path in (home, runtime):
            os.chown(path, uid, uid)
        return (["setpriv", "--reuid=%d" % uid, "--regid=%d" % uid, "--clear-groups", "--"],
                env, home)

    def test_each_user_keeps_a_pet_of_their_own(self):
        usr = self.unpack()
        pictures = os.path.join(usr, "share", "games", "pitomets", "G")
        launcher = os.path.join(usr, "games", "pet")
        # Two unprivileged users where the test may switch users, otherwise
        # this user twice, with two homes.
        uids = (65534, 65533) if os.getuid() == 0 else (None, None)
        (run_a, env_a, home_a), (run_b, env_b, home_b) = (self.user(uid) for uid in uids)

        first = self.program(folder=os.path.join(usr, "libexec", "pitomets"),
                             picture_folder=pictures)
        first.workdir = home_a
        first.start(run_a + [launcher], env_a).main_window(NAME)
        first.click_button("eat")
        harness.wait_until("the foods", lambda: first.panel_shows_choices(
            ["f0.gif", "f1.gif", "f2.gif", "f3.gif"]), timeout=3)
        first.click_choice(2)
        harness.wait_until("the meal", lambda: first.shows_pet_picture("pfM23.gif"), timeout=3)
        harness.wait_until("an idle picture", lambda: first.pet_pictures_shown(IDLE_PICTURES),
                           timeout=3)

        # The second user's pet is not held by the first user's open window.
        second = self.program(folder=os.path.join(usr, "libexec", "pitomets"),
                              picture_folder=pictures)
        second.workdir = home_b
        second.start(run_b + [launcher], env_b).main_window(NAME)
        second.close()
        first.close()

        def pet_of(home, uid):
            path = os.path.join(home, ".local/share", APP_ID, "G", harness.PET_FILE)
            self.assertEqual(os.stat(path).st_uid, os.getuid() if uid is None else uid)
            with open(path, "rb") as f:
                return f.read()

        today = today_text()
        self.assertEqual(pet_of(home_a, uids[0]),
                         pet_line(NAME, "0", today, "0", "9", "9", "1", "10"))
        self.assertEqual(pet_of(home_b, uids[1]), pet_line(NAME, "0", today))
        # The package's own files are left as they came.
        with open(DEFAULT_PET, "rb") as f:
            self.assertEqual(first.pet_bytes(), f.read())
        self.assertEqual([n for n in os.listdir(pictures)
                          if n.startswith(harness.PET_FILE)], [harness.PET_FILE])
