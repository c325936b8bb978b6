"""Drives the program through its accessibility interface (AT-SPI), as a
screen reader would, where no X server is there to send it input: changes
the move limit, enters play and then search mode by the mode buttons and
opens the statistics and the help window. Exits non-zero, saying why, when
something does not happen."""
import sys
import time

import pyatspi


def wait_for(what, probe, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = probe()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.2)
    sys.exit("FAIL: " + what)


def find(node, name=None, role=None, starts=None, depth=0):
    if node is None or depth > 10:
        return None
    if ((name is None or node.name == name) and (role is None or node.getRoleName() == role)
            and (starts is None or (node.name or "").startswith(starts))):
        return node
    for child in node:
        hit = find(child, name, role, starts, depth + 1)
        if hit is not None:
            return hit
    return None


def act(node, action):
    acts = node.queryAction()
    names = [acts.getName(i) for i in range(acts.nActions)]
    if action not in names:
        sys.exit(f"FAIL: {node.name!r} cannot {action} ({names})")
    acts.doAction(names.index(action))


def window(app, title):
    return next((w for w in app if w.name == title and
                 w.getState().contains(pyatspi.STATE_SHOWING)), None)


app = wait_for("the program shows no accessible application",
               lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "TRULP"), None))
main = wait_for("no main window", lambda: window(app, "TRULP puzzel"))
print("ok: started")

# Wayland does not tell where the desktop's panels are: on weston's 768-high
# screen, under its panel, the window leaves room for one.
height = main.queryComponent().getExtents(pyatspi.WINDOW_COORDS).height
if not 0 < height <= 768 - 48:
    sys.exit(f"FAIL: the window is {height} high on a screen 768 high")
print(f"ok: {height} high, room left for a panel")

# The move limit follows its up-down control.
act(find(main, "raise the move limit", "push button"), "Press")
wait_for("the move limit did not rise", lambda: find(main, "151", "label"))
print("ok: raised the move limit")

# A mode button's action clicks it, as the mouse does: the mode changes.
for mode, words in (("play", "search for solution..."), ("search", "click GO to start search")):
    act(find(main, mode, "push button"), "Toggle")
    wait_for(f"{mode} mode did not begin", lambda: find(main, words, "label"))
    print(f"ok: {mode} mode")

act(find(main, "statistics", "push button"), "Press")
stats = wait_for("no statistics window", lambda: window(app, "TRULP statistics"))
wait_for("the statistics show no counters", lambda: find(stats, "0", "label"))
act(find(stats, "OK", "push button"), "Press")
wait_for("the statistics window stays open", lambda: window(app, "TRULP statistics") is None)
print("ok: statistics")

act(find(main, "help", "push button"), "Press")
helpform = wait_for("no help window", lambda: window(app, "TRULP help"))
wait_for("the help window shows no first page", lambda: find(helpform, "Introduction", "label"))
print("ok: help")
