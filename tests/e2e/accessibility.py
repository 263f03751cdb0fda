"""Reads the program's accessibility tree over AT-SPI, as a screen reader does.

Import only after `harness.Session` has started: pyatspi connects to the
session bus named in the environment when it is first used.
"""

import time

import pyatspi


class Node:
    def __init__(self, role, name, description, extents, children, states):
        self.role, self.name, self.description = role, name, description
        self.extents, self.children, self.states = extents, children, states

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()


def _snapshot(accessible, depth=0):
    try:
        role = accessible.getRoleName()
        name = accessible.name or ""
        description = accessible.description or ""
        states = accessible.getState()
        showing = states.contains(pyatspi.STATE_SHOWING)
        try:
            box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            extents = (box.x, box.y, box.width, box.height)
        except NotImplementedError:
            extents = None
        children = [] if depth > 8 else [
            _snapshot(accessible.getChildAtIndex(i), depth + 1)
            for i in range(accessible.childCount)]
    except Exception:  # the object went away while being read
        return Node("gone", "", "", None, [], set())
    return Node(role, name, description, extents, [c for c in children if c.role != "gone"],
                {"showing"} if showing else set())


def _live_application(pid):
    """The program with this process id as a live AT-SPI object, or None while
    the registry does not list it."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away while being read
            continue
    return None


def application(pid, timeout=10.0):
    """The accessible tree of the program with this process id, read afresh."""
    deadline = time.monotonic() + timeout
    while True:
        app = _live_application(pid)
        if app is not None:
            return _snapshot(app)
        if time.monotonic() > deadline:
            raise AssertionError("no accessible application for process %d" % pid)
        time.sleep(0.1)


def window(pid, title, timeout=10.0):
    """The top-level accessible window with this name."""
    deadline = time.monotonic() + timeout
    while True:
        for top in application(pid, timeout).children:
            if top.name == title:
                return top
        if time.monotonic() > deadline:
            raise AssertionError("no accessible window '%s'" % title)
        time.sleep(0.1)


def texts(node):
    """Names of all labels below a node (a message box's text is one of them)."""
    return [n.name for n in node.walk() if n.role == "label"]


def label_at(top, x, y, role="label"):
    """The label (or other text of this role) whose top-left corner lies at
    screen position (x, y)."""
    for node in top.walk():
        if node.role == role and node.extents and node.extents[:2] == (x, y):
            return node
    raise AssertionError("no %s at %d,%d" % (role, x, y))


# --- live objects: pressing, focus and events, as a screen reader uses them ---

def live_window(pid, title, timeout=10.0):
    """The program's top-level window with this name, as a live AT-SPI object."""
    deadline = time.monotonic() + timeout
    while True:
        app = _live_application(pid)
        try:
            for j in range(app.childCount if app is not None else 0):
                top = app.getChildAtIndex(j)
                if top is not None and top.name == title:
                    return top
        except Exception:  # the window went away while being read
            pass
        if time.monotonic() > deadline:
            raise AssertionError("no accessible window '%s'" % title)
        time.sleep(0.1)


def find(accessible, name):
    """The live object with this name below `accessible`."""
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is None:
            continue
        if child.name == name:
            return child
        found = find(child, name) if child.childCount else None
        if found is not None:
            return found
    return None


def press(accessible):
    """Presses a control by its first action; False when it offers none or refuses."""
    try:
        action = accessible.queryAction()
        return action.nActions > 0 and bool(action.doAction(0))
    except Exception:  # no action interface, or the call refused
        return False


def has_focus(accessible):
    return accessible.getState().contains(pyatspi.STATE_FOCUSED)


class Events:
    """Records the AT-SPI events of some types, as a screen reader hears them."""

    def __init__(self, *types):
        from gi.repository import GLib

        self.context = GLib.MainContext.default()
        self.types = types
        self.heard = []
        for event_type in types:
            pyatspi.Registry.registerEventListener(self._hear, event_type)

    def _hear(self, event):
        try:
            self.heard.append((event.type, event.source.getRoleName(), event.any_data))
        except Exception:  # the source went away meanwhile
            pass

    def pump(self):
        """Delivers the events that have arrived; returns all heard so far."""
        while self.context.iteration(False):
            pass
        return self.heard

    def close(self):
        for event_type in self.types:
            pyatspi.Registry.deregisterEventListener(self._hear, event_type)
