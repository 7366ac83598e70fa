"""Walks the running gauge's accessible tree as a screen reader does, over AT-SPI: the four bars
are focusable push buttons, the lamps' names change when a fetch fails and a screen reader hears
of it, and every field of the options dialog has a name."""
import sys
import time

import pyatspi
from gi.repository import GLib

BARS = ["update now", "options", "minimise", "save and exit"]
FIELDS = ["Station identifier", "Update interval in minutes", "Station list", "Last report"]
NAMED_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
               pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST, pyatspi.ROLE_SPIN_BUTTON}


def wait_for(what, find, seconds=30):
    """What `find` gives once it gives something; fails the walk after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        # The events the stack sends are delivered while its main context runs.
        while GLib.MainContext.default().iteration(False):
            pass
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what}")


def walk(node):
    """The node and everything below it, except the rows of lists (thousands of stations)."""
    yield node
    if node.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE):
        return
    for child in node:
        if child is not None:
            yield from walk(child)


def gauge():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "stormbell":
            return app
    return None


def named(app, name):
    return [node for node in walk(app) if node.name == name]


app = wait_for("the gauge on the accessibility bus", gauge)
window = wait_for("the gauge's window", lambda: named(app, "Stormbell weather gauge"))[0]

for bar in BARS:
    found = wait_for(f"the bar {bar!r}", lambda: named(window, bar))
    node = found[0]
    if node.getRole() != pyatspi.ROLE_PUSH_BUTTON:
        sys.exit(f"FAIL: {bar!r} is a {node.getRoleName()}, not a push button")
    if not node.getState().contains(pyatspi.STATE_FOCUSABLE):
        sys.exit(f"FAIL: {bar!r} cannot take the focus")

heard = []
pyatspi.Registry.registerEventListener(lambda event: heard.append(event.source.name),
                                       "object:property-change:accessible-name")
wait_for("the lamps telling they are idle",
         lambda: len(named(window, "no fetch failure")) == 2 and named(window, "not fetching"))
named(window, "update now")[0].queryAction().doAction(0)
wait_for("the red lamp telling the fetch failed",
         lambda: len(named(window, "fetch failed")) == 2)
wait_for("a screen reader hearing the red lamp's new name", lambda: "fetch failed" in heard)
if named(window, "no fetch failure"):
    sys.exit("FAIL: a lamp still says no fetch failure")
if "failed" not in window.description:
    sys.exit(f"FAIL: the window's description says nothing of the failure: {window.description}")

named(window, "options")[0].queryAction().doAction(0)
dialog = wait_for("the options dialog", lambda: named(app, "Stormbell Options"))[0]
wait_for("the options dialog's fields", lambda: all(named(dialog, f) for f in FIELDS))
unnamed = [n.getRoleName() for n in walk(dialog) if n.getRole() in NAMED_ROLES and not n.name]
if unnamed:
    sys.exit(f"FAIL: controls of the options dialog without a name: {unnamed}")
print("accessibility: the bars, the lamps and the options dialog tell what they are")
