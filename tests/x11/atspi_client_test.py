"""The program as a screen reader meets it: a real AT-SPI client (pyatspi) on
the desktop's accessibility bus reads the window's tree, turns the DX spinner
through its Value interface, reads the output pane at its caret, and follows
the focus and the news of a change.

    atspi_client_test.py PROGRAM WEAPON_SNAPSHOT

Run it on an X server inside a private D-Bus session (run_atspi_client.sh
does both). Everything is waited for by polling the bus with a time limit;
nothing relies on a pause being long enough."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

LIMIT_SECONDS = 30
XK_TAB = 0xFF09
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL: " + what, file=sys.stderr)
    return condition


def pump():
    """Lets the client's own main loop deliver the events that came in."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(read, what):
    """Polls read() until it gives something true, within the limit."""
    deadline = time.monotonic() + LIMIT_SECONDS
    while True:
        pump()
        try:
            value = read()
        except Exception:  # the object may not be on the bus yet
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            check(False, "timed out waiting for " + what)
            return None
        time.sleep(0.02)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def has(node, state):
    return node.getState().contains(state)


def find(frame, role, name):
    for node in walk(frame):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def focused(frame):
    return [(n.getRoleName(), n.name) for n in walk(frame) if has(n, pyatspi.STATE_FOCUSED)]


def tree(frame):
    return "\n".join("%s %r" % (n.getRoleName(), n.name) for n in walk(frame))


def main(program, snapshot):
    # Asking for the desktop starts the accessibility bus and its registry.
    desktop = pyatspi.Registry.getDesktop(0)
    heard = []
    def hear(event):
        heard.append((event.type, event.source.getRoleName(), event.source.name))
    for kind in ("object:property-change:accessible-value",
                 "object:property-change:accessible-name",
                 "object:property-change:accessible-description"):
        pyatspi.Registry.registerEventListener(hear, kind)

    # Qt reaches for the bus without a desktop asking it to; the numbers are
    # written with a point, as in the list's checked-in copy.
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
    process = subprocess.Popen([program], env=env)
    try:
        def ready_frame():
            for app in desktop:
                if app is None or app.name != "tharnwell":
                    continue
                for frame in app:
                    if frame is not None and frame.name == "Tharnwell" and \
                            find(frame, "spin button", "Wizard's DX") is not None and \
                            has(frame, pyatspi.STATE_ACTIVE):
                        return frame
            return None
        frame = wait_for(ready_frame, "the program's active window on the bus")
        if frame is None:
            return
        check(frame.getRoleName() == "frame", "the window is a frame: " + frame.getRoleName())

        # 1. Every focusable control has a name and its role; no label is empty.
        roles = {"Weapon list": "text", "Item sheet": "list", "Wizard's DX": "spin button",
                 "Item name": "text"}
        buttons = 0
        found = set()
        for node in walk(frame):
            role = node.getRoleName()
            if role == "label":
                check(node.name.strip() != "", "a label without a caption is in the tree")
            if node is frame or not has(node, pyatspi.STATE_FOCUSABLE) or role == "list item":
                continue
            check(node.name.strip() != "", "a focusable %s has no name" % role)
            if role == "push button":
                buttons += 1
            else:
                check(roles.get(node.name) == role,
                      "%s %r is no known control" % (role, node.name))
                found.add(node.name)
        check(buttons == 14, "%d named push buttons, not 14" % buttons)
        check(found == set(roles), "the controls found: %s" % sorted(found))
        wait_for(lambda: focused(frame) == [("text", "Weapon list")], "the focus on the pane alone")

        # 2. The spinner's value, raised by one through the Value interface:
        # the DX label follows as after a click on the arrow.
        spinner = find(frame, "spin button", "Wizard's DX")
        value = spinner.queryValue()
        check((value.currentValue, value.minimumValue, value.maximumValue,
               value.minimumIncrement) == (12, 1, 999, 1),
              "spinner value 12 in 1..999 by 1: %s" % [value.currentValue, value.minimumValue,
                                                     value.maximumValue, value.minimumIncrement])
        value.currentValue = value.currentValue + 1
        wait_for(lambda: spinner.queryValue().currentValue == 13, "the spinner at 13")
        wait_for(lambda: find(frame, "label", "DX: 13"), "the label DX: 13")
        wait_for(lambda: ("object:property-change:accessible-value", "spin button",
                          "Wizard's DX") in heard, "the spinner's value change")

        # 3. The pane's text at the caret: the weapon list's first line, and
        # the fourth once the caret is put on it.
        with open(snapshot, encoding="latin-1") as listing:
            lines = listing.read().split("\n")
        pane = find(frame, "text", "Weapon list")
        text = pane.queryText()
        def line_at_caret():
            offset = text.caretOffset
            return text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
        check(line_at_caret().rstrip("\n") == lines[0],
              "the caret's line is the first: %r" % line_at_caret())
        fourth = sum(len(line) + 1 for line in lines[:3]) + 5
        text.setCaretOffset(fourth)
        wait_for(lambda: text.caretOffset == fourth, "the caret on the fourth line")
        check(line_at_caret().rstrip("\n") == lines[3],
              "the caret's line is the fourth: %r" % line_at_caret())

        # A list command renames the pane; a random item changes the sheet,
        # whose description is then its total line.
        enchant = find(frame, "push button", "Enchant")
        enchant.queryAction().doAction(0)
        wait_for(lambda: find(frame, "text", "Enchantment list"), "the pane's new name")
        wait_for(lambda: ("object:property-change:accessible-name", "text",
                          "Enchantment list") in heard, "the pane's name change")
        sheet = find(frame, "list", "Item sheet")
        find(frame, "push button", "Random").queryAction().doAction(0)
        wait_for(lambda: sheet.childCount > 0, "the random item on the sheet")
        wait_for(lambda: sheet.description and
                 sheet.description == sheet[sheet.childCount - 1].name,
                 "the sheet's description: its total line")
        wait_for(lambda: any(kind == "object:property-change:accessible-description" and
                             role == "list" for kind, role, _ in heard),
                 "the sheet's description change")

        # Only the control with the focus says so: Tab from the pane to the
        # sheet, which says so with its current row, and on to the Weapon
        # button, after which no row says so any more.
        tab = lambda: pyatspi.Registry.generateKeyboardEvent(XK_TAB, None, pyatspi.KEY_SYM)
        check(focused(frame) == [("text", "Enchantment list")],
              "the pane has the focus: %s" % focused(frame))
        tab()
        wait_for(lambda: has(sheet, pyatspi.STATE_FOCUSED), "the focus on the sheet")
        now = focused(frame)
        check(len(now) == 2 and now[0] == ("list", "Item sheet") and now[1][0] == "list item",
              "the sheet and one row have the focus: %s" % now)
        tab()
        weapon = find(frame, "push button", "Weapon")
        wait_for(lambda: has(weapon, pyatspi.STATE_FOCUSED), "the focus on Weapon")
        check(focused(frame) == [("push button", "Weapon")],
              "Weapon alone has the focus: %s" % focused(frame))
        if failures:
            print(tree(frame), file=sys.stderr)
    finally:
        process.terminate()
        try:
            process.wait(timeout=LIMIT_SECONDS)
        except subprocess.TimeoutExpired:
            process.kill()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("%d failures" % len(failures))
    sys.exit(1 if failures else 0)
