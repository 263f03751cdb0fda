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


def application(pid, timeout=10.0):
    """The accessible tree of the program with this process id, read afresh."""
    deadline = time.monotonic() + timeout
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return _snapshot(app)
            except Exception:
                continue
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


def label_at(top, x, y):
    """The label whose top-left corner lies at screen position (x, y)."""
    for node in top.walk():
        if node.role == "label" and node.extents and node.extents[:2] == (x, y):
            return node
    raise AssertionError("no label at %d,%d" % (x, y))
