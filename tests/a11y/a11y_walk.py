"""Walks the running gauge's accessible tree over AT-SPI, as a screen reader does: the four bars
are focusable push buttons, the lamps' names change when a fetch fails and a screen reader hears
it, and every control of the options dialog has a name."""
import sys
import time

import pyatspi
from gi.repository import GLib

FIELDS = ["Station identifier", "Update interval in minutes", "Station list", "Last report"]
NAMED = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
         pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST, pyatspi.ROLE_SPIN_BUTTON}


def fail(what):
    sys.exit(f"FAIL: {what}")


def wait_for(what, find):
    """What `find` gives once it gives something, within 30 s."""
    end = time.monotonic() + 30
    while time.monotonic() < end:
        # The stack's events arrive while its main context runs.
        while GLib.MainContext.default().iteration(False):
            pass
        if found := find():
            return found
        time.sleep(0.1)
    fail(what)


def walk(node):
    """The node and all below it, but no list's rows (thousands of stations)."""
    yield node
    if node.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE):
        for child in node:
            yield from walk(child) if child is not None else ()


def named(node, name):
    return [n for n in walk(node) if n.name == name]


desktop = pyatspi.Registry.getDesktop(0)
app = wait_for("the gauge on the bus",
               lambda: [a for a in desktop if a and a.name.lower() == "stormbell"])[0]
window = wait_for("the gauge's window", lambda: named(app, "Stormbell weather gauge"))[0]
for bar in ["update now", "options", "minimise", "save and exit"]:
    node = wait_for(f"the bar {bar!r}", lambda: named(window, bar))[0]
    if node.getRole() != pyatspi.ROLE_PUSH_BUTTON:
        fail(f"{bar!r} is a {node.getRoleName()}, not a push button")
    if not node.getState().contains(pyatspi.STATE_FOCUSABLE):
        fail(f"{bar!r} cannot take the focus")

heard = []
pyatspi.Registry.registerEventListener(lambda event: heard.append(event.source.name),
                                       "object:property-change:accessible-name")
wait_for("idle lamps", lambda: len(named(window, "no fetch failure")) == 2)
named(window, "update now")[0].queryAction().doAction(0)
wait_for("the red lamp telling of the failure", lambda: len(named(window, "fetch failed")) == 2)
wait_for("a screen reader hearing the red lamp's new name", lambda: "fetch failed" in heard)
if "failed" not in window.description:
    fail(f"the window's description says nothing of the failure: {window.description}")

named(window, "options")[0].queryAction().doAction(0)
dialog = wait_for("the options dialog", lambda: named(app, "Stormbell Options"))[0]
wait_for(f"the options dialog's {FIELDS}", lambda: all(named(dialog, f) for f in FIELDS))
if unnamed := [n.getRoleName() for n in walk(dialog) if n.getRole() in NAMED and not n.name]:
    fail(f"controls of the options dialog without a name: {unnamed}")
print("accessibility: the bars, the lamps and the options dialog tell what they are")
