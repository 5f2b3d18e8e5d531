#!/usr/bin/python3
"""Reads Marklow through AT-SPI as a screen reader does: finds the program and its table,
prints the table's shape and headers, presses keys and prints what each focus event names.
Run by scripts/atspi-read.sh, inside a session with the accessibility bus."""

import sys
import time

import pyatspi
from gi.repository import GLib


def find(obj, want, depth=0):
    """The first object below obj with the role; never walks into a table's cells."""
    if obj is None or depth > 25:
        return None
    if obj.getRole() == want:
        return obj
    if obj.getRole() == pyatspi.ROLE_TABLE:
        return None
    for i in range(min(obj.childCount, 200)):
        found = find(obj.getChildAtIndex(i), want, depth + 1)
        if found:
            return found
    return None


def marklow():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(40):
        for app in desktop:
            if app is not None and app.name and app.name.lower().startswith("marklow"):
                return app
        time.sleep(0.25)
    return None


def main():
    app = marklow()
    if app is None:
        print("Marklow is not on the accessibility bus")
        return 1
    print(f"application: {app.name!r}")
    frame = app.getChildAtIndex(0)
    print(f"window: {frame.name!r} ({frame.getRoleName()})")
    toolbar = find(frame, pyatspi.ROLE_TOOL_BAR)
    if toolbar:
        names = [toolbar.getChildAtIndex(i) for i in range(toolbar.childCount)]
        print("tool bar:", ", ".join(f"{b.name!r} [{b.description}]" for b in names
                                      if b.name))
    table = find(frame, pyatspi.ROLE_TABLE)
    if table is None:
        print("no table found")
        return 1
    t = table.queryTable()
    print(f"table: {table.name!r}, {table.description!r}; {t.nRows} rows x {t.nColumns} "
          f"columns, {table.childCount} children")
    print("column descriptions:", [t.getColumnDescription(i) for i in range(min(4, t.nColumns))])
    print("row descriptions:", [t.getRowDescription(i) for i in range(min(4, t.nRows))])
    cell = t.getAccessibleAt(1, 1)
    print(f"cell (1, 1): {cell.name!r} ({cell.getRoleName()}), column header "
          f"{t.getColumnHeader(1).name if t.getColumnHeader(1) else None!r}")

    said = []

    def heard(event):
        if event.type.startswith("object:state-changed:focused") and not event.detail1:
            return
        src = event.source
        ms = (time.monotonic() - pressed[0]) * 1000
        said.append(f"{event.type}: {src.name!r} ({src.getRoleName()}) after {ms:.0f} ms")

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused", "focus:")
    keys = [("Down", 0xFF54), ("Down", 0xFF54), ("Right", 0xFF53), ("Tab", 0xFF09)]
    steps = list(keys)
    pressed = [time.monotonic()]

    def press():
        if not steps:
            # Last, the screen reader itself puts the cursor on a cell.
            target = t.getAccessibleAt(4, 3)
            action = target.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            said.append(f"-- action {names} on {target.name!r}")
            if names:
                pressed[0] = time.monotonic()
                action.doAction(0)
            GLib.timeout_add(800, lambda: pyatspi.Registry.stop() or False)
            return False
        name, sym = steps.pop(0)
        said.append(f"-- key {name}")
        pressed[0] = time.monotonic()
        pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)
        return True

    GLib.timeout_add(800, press)
    pyatspi.Registry.start()
    print("\n".join(said))
    return 0


if __name__ == "__main__":
    sys.exit(main())
