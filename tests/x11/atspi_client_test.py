"""The program as a screen reader meets it: an AT-SPI client (pyatspi) on the
accessibility bus walks the window's tree, raises the DX spinner through its
Value interface, reads the output pane at its caret, and follows the news of
a change and the focus. Every wait polls the bus, within a time limit.

    atspi_client_test.py PROGRAM WEAPON_LIST_SNAPSHOT   (see run_atspi_client.sh)"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
heard = []
text_events = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL: " + what, file=sys.stderr)


def wait_for(read, what, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):  # deliver the events heard
            pass
        try:
            value = read()
        except Exception:  # not on the bus yet
            value = None
        if value:
            return value
        time.sleep(0.02)
    check(False, "timed out waiting for " + what)


def walk(node):
    yield node
    for child in node:
        yield from walk(child)


def find(frame, role, name):
    return next((n for n in walk(frame) if n.getRoleName() == role and n.name == name), None)


def focused(frame):
    return [(n.getRoleName(), n.name) for n in walk(frame)
            if n.getState().contains(pyatspi.STATE_FOCUSED)]


def window(desktop):
    for app in desktop:
        for frame in (app if app is not None and app.name == "tharnwell" else []):
            if find(frame, "spin button", "Wizard's DX") and \
                    frame.getState().contains(pyatspi.STATE_ACTIVE):
                return frame


def run(frame, snapshot):
    check((frame.getRoleName(), frame.name) == ("frame", "Tharnwell"), "the window: a frame")
    # 1. Every focusable control has its name and role; no label is empty.
    known = {"Weapon list": "text", "Item sheet": "list", "Wizard's DX": "spin button",
             "Item name": "text"}
    found, buttons = set(), 0
    for node in walk(frame):
        role, name = node.getRoleName(), node.name
        check(role != "label" or name.strip(), "an empty label in the tree")
        if node.getState().contains(pyatspi.STATE_FOCUSABLE) and role != "list item":
            check(name.strip() and (role == "push button" or known.get(name) == role),
                  "focusable %s %r" % (role, name))
            buttons += role == "push button"
            found.add(name)
    check(buttons == 14 and set(known) <= found, "the controls found: %s" % sorted(found))
    wait_for(lambda: focused(frame) == [("text", "Weapon list")], "the focus on the pane alone")

    # 2. The spinner's value, raised by one through the Value interface; the
    # DX label follows as after a click on its arrow.
    value = find(frame, "spin button", "Wizard's DX").queryValue()
    range_ = (value.currentValue, value.minimumValue, value.maximumValue, value.minimumIncrement)
    check(range_ == (12, 1, 999, 1), "the spinner's value and range: %s" % (range_,))
    value.currentValue = value.currentValue + 1
    wait_for(lambda: value.currentValue == 13 and find(frame, "label", "DX: 13"), "DX 13")

    # 3. The pane's line at the caret: the weapon list's first, then its fourth.
    with open(snapshot, encoding="latin-1") as listing:
        lines = listing.read().split("\n")
    text = find(frame, "text", "Weapon list").queryText()
    at_caret = lambda: text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
    check(at_caret().rstrip("\n") == lines[0], "the first line: %r" % at_caret())
    text.setCaretOffset(sum(len(line) + 1 for line in lines[:3]) + 5)
    wait_for(lambda: at_caret().rstrip("\n") == lines[3], "the fourth line at the caret")

    # A list renames the pane, a random item changes the sheet, whose
    # description is then its total line; the client hears of each.
    find(frame, "push button", "Enchant").queryAction().doAction(0)
    find(frame, "push button", "Random").queryAction().doAction(0)
    sheet = find(frame, "list", "Item sheet")
    wait_for(lambda: sheet.childCount and sheet.description == sheet[sheet.childCount - 1].name,
             "the sheet's total line as its description")
    for event in [("accessible-value", "spin button", "Wizard's DX"),
                  ("accessible-name", "text", "Enchantment list"),
                  ("accessible-description", "list", "Item sheet")]:
        wait_for(lambda: event in heard, "the event %s" % (event,))

    # Tab from the pane to the sheet (with its current row), then on to the
    # Weapon button: no row of the sheet says it has the focus any more.
    for focus in ([("list", "Item sheet"), ("list item", sheet[0].name)],
                  [("push button", "Weapon")]):
        pyatspi.Registry.generateKeyboardEvent(0xFF09, None, pyatspi.KEY_SYM)  # Tab
        if not wait_for(lambda: focused(frame) == focus, "the focus on %s" % focus[0][1]):
            print("focused: %s" % focused(frame), file=sys.stderr)

    # Make: the report's weekly redraws are not told one by one; when the
    # making ends, its total line becomes the pane's description, told once.
    text_events.clear()
    find(frame, "push button", "Make").queryAction().doAction(0)
    pane = wait_for(lambda: find(frame, "text", "Making report"), "the making report")
    if pane:
        report = pane.queryText()
        last_line = lambda: report.getText(0, -1).rstrip("\n").split("\n")[-1]
        wait_for(lambda: find(frame, "push button", "Name") and
                 find(frame, "label", "Name item") and pane.description == last_line(),
                 "the made item's total line as the pane's description")
        weeks = float(last_line().split()[-1])
        check(len(text_events) <= 12, "%d text events for a making of %s weeks" %
              (len(text_events), weeks))
        find(frame, "push button", "Name").queryAction().doAction(0)


def main(program, snapshot):
    desktop = pyatspi.Registry.getDesktop(0)  # starts the accessibility bus
    # Each kind by its name: Qt sends a value change only to those who ask for it so.
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append((e.type.split(":")[-1], e.source.getRoleName(), e.source.name)),
        *("object:property-change:accessible-" + k for k in ("value", "name", "description")))
    pyatspi.Registry.registerEventListener(
        lambda e: text_events.append(e.type), "object:text-changed", "object:text-caret-moved")
    # Qt goes on the bus without a desktop asking it to; the numbers are
    # written with a point, as in the list's checked-in copy.
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
    process = subprocess.Popen([program], env=env)
    try:
        frame = wait_for(lambda: window(desktop), "the program's active window on the bus")
        if frame:
            run(frame, snapshot)
    finally:
        process.terminate()
        process.wait(timeout=30)
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
