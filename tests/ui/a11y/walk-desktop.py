# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running desktop through AT-SPI as a screen reader does: the main window, its menus
and the dialogs its commands open. Fails on a focusable object without a name, a channel grid
cell that does not say its channel and column, or a command that no key reaches.
usage: walk-desktop.py APP_NAME CSV_PATH"""
import collections, sys, time
import pyatspi
from gi.repository import Atspi, GLib

R = pyatspi
ACTIONS = {R.ROLE_PUSH_BUTTON, R.ROLE_MENU_ITEM, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON,
           R.ROLE_TOGGLE_BUTTON, R.ROLE_COMBO_BOX}
WINDOWS = {R.ROLE_FRAME, R.ROLE_DIALOG, R.ROLE_ALERT, R.ROLE_WINDOW}
FLAGS = {"Scan": {"on", "off", "empty"}, "Priority": {"on", "off", "empty"},
         "Power": {"high", "low", "empty"}, "Spacing": {"standard", "narrow", "empty"}}
# Menu, item (no menu: Return on the grid); a file dialog gets the CSV file's name typed, the
# rest are closed with Escape.
DIALOGS = [("Options", "Options"), (None, "Channel"), ("Help", "About"), ("File", "New"),
           ("Port", "Serial"), ("Options", "Read"), ("Options", "Write"), ("File", "Open Backup"),
           ("File", "Radio History"), ("Port", "Program Several"), ("File", "Export CSV"),
           ("File", "Import CSV")]
counts, faults, menu_commands = collections.Counter(), [], set()


def wait_for(what, probe, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = probe()
            if found:
                return found
        except (GLib.Error, LookupError, StopIteration):  # still starting, or going
            pass
        time.sleep(0.1)
    raise SystemExit("walk-desktop: timed out waiting for " + what)


def has(acc, state):
    return acc.getState().contains(state)


def command(name):
    return name.split("\t")[0].replace("...", "").strip()


def named(acc):
    """A cell's or label's name is its content, blank included. A combo box reads its choice
    as its name: only a label (a buddy) says what is chosen."""
    if acc.getRole() in (R.ROLE_TABLE_CELL, R.ROLE_LABEL):
        return True
    if acc.getRole() == R.ROLE_COMBO_BOX:
        return any(r.getRelationType() == R.RELATION_LABELLED_BY for r in acc.getRelationSet())
    return bool(acc.name.strip())


def reachable(acc, tool_bar):
    action = acc.queryAction()
    keys = any(action.getKeyBinding(i) for i in range(action.nActions))
    # A tool button repeats a menu command, which the menu's keys reach.
    return has(acc, R.STATE_FOCUSABLE) or keys or (tool_bar and command(acc.name) in menu_commands)


def check_grid(table, path):
    grid = table.queryTable()
    for c in range(1, grid.nColumns):
        title = getattr(grid.getColumnHeader(c), "name", "")
        for r in range(1, grid.nRows):
            counts["grid cell"] += 1
            name, lead = grid.getAccessibleAt(r, c).name, "%s, %s, " % (
                grid.getAccessibleAt(r, 0).name, title)
            value = name[len(lead):]
            if (not title or title.isdigit() or not lead.startswith("Channel ") or not value or
                    not name.startswith(lead) or value not in FLAGS.get(title, {value})):
                faults.append("%s: cell %d,%d reads %r under %r" % (path, r, c, name, title))


def walk(acc, where, in_menu=False, tool_bar=False):
    role = acc.getRole()
    in_menu = in_menu or role in (R.ROLE_MENU_BAR, R.ROLE_MENU)
    if not in_menu and not has(acc, R.STATE_SHOWING):  # closed menus are still offered
        return
    counts[acc.getRoleName()] += 1
    path = "%s > %s %r" % (where, acc.getRoleName(), acc.name)
    if has(acc, R.STATE_FOCUSABLE) and not named(acc):
        faults.append("no name: " + path)
    if role in ACTIONS and acc.name and not reachable(acc, tool_bar):
        faults.append("no key reaches: " + path)
    if role == R.ROLE_MENU_ITEM:
        menu_commands.add(command(acc.name))
    if role == R.ROLE_TABLE and where == "main window":
        return check_grid(acc, path)
    for child in acc:
        if child is not None:
            walk(child, where, in_menu, tool_bar or role == R.ROLE_TOOL_BAR)


def windows(app):
    return [w for w in app if w is not None and w.getRole() in WINDOWS and
            has(w, R.STATE_SHOWING)]


def child(acc, role, prefix):
    return next(c for c in acc if c.getRole() == role and c.name.startswith(prefix))


def trigger(item):
    """A modal dialog holds the program's answer to a press until it closes: not waited for."""
    Atspi.set_timeout(300, -1)
    try:
        item.queryAction().doAction(0)
    except GLib.Error:
        pass
    Atspi.set_timeout(-1, -1)


def press(key):
    R.Registry.generateKeyboardEvent(key, None, R.KEY_SYM)


def focused_text(acc):
    if acc.getRole() == R.ROLE_TEXT and has(acc, R.STATE_FOCUSED):
        return acc
    return next((f for f in map(focused_text, filter(None, acc)) if f), None)


def answer_windows(app, before, typed):
    """Walks and answers each window over `before`: a dialog, then the messages it raises."""
    walked = []
    for _ in range(10):
        extra = [w for w in windows(app) if w not in before]
        if not extra:
            return
        top = extra[-1]
        if top not in walked:
            walked.append(top)
            counts["(windows walked)"] += 1
            seen = sum(counts.values())
            walk(top, top.name)
            print("%-40s %4d objects" % (top.name, sum(counts.values()) - seen))
        if typed and top.getRole() != R.ROLE_ALERT:
            field = wait_for("a field", lambda: focused_text(top))
            field.queryEditableText().setTextContents(typed)
            typed = press(0xFF0D)  # Return
        else:
            press(0xFF1B)  # Escape; a transfer runs on, and what it ends with comes over it
        wait_for("%r to go" % top.name,
                 lambda: top not in windows(app) or windows(app)[-1] not in extra)
    raise SystemExit("walk-desktop: windows stay open: %r" % [w.name for w in windows(app)])


def main():
    name, csv_path = sys.argv[1:3]
    app = wait_for("the program", lambda: next(
        a for a in R.Registry.getDesktop(0) if a is not None and a.name == name))
    frame = wait_for("the main window", lambda: windows(app)[0])
    walk(frame, "main window")
    bar = child(frame, R.ROLE_MENU_BAR, "")
    menu_item = lambda menu, item: child(child(bar, R.ROLE_MENU_ITEM, menu)[0],
                                         R.ROLE_MENU_ITEM, item)
    for menu, item in DIALOGS:
        if item == "Write":  # one transfer with the virtual radio is walked; COM2 has no radio
            trigger(menu_item("Port", "COM2"))
        before = windows(app)
        if menu:
            trigger(menu_item(menu, item))
        else:  # the grid has the focus back as each dialog closes
            press(0xFF0D)
        wait_for(item, lambda: len(windows(app)) > len(before))
        answer_windows(app, before, csv_path if "CSV" in item else None)
    print("\n".join("%6d %s" % (n, role) for role, n in sorted(counts.items())))
    print("\n".join("FAULT " + f for f in faults))
    # Each command opened a window, the channel editor too, and the grid was read.
    complete = counts["(windows walked)"] > len(DIALOGS) and counts["grid cell"] > 0
    return 0 if complete and not faults else 1


if __name__ == "__main__":
    sys.exit(main())
