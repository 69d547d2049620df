#!/usr/bin/python3
"""Looks at a running program through the desktop's accessibility interface (AT-SPI), the way a
screen reader does, for the whole-program tests. It finds everything by walking the tree down
from the program, and waits up to 20 s for the program and the object to show up.

  atspi_probe.py APP states ROLE NAME       prints the object's states, blank-separated
  atspi_probe.py APP act ROLE NAME ACTION   runs one of the object's actions by its name
  atspi_probe.py APP names ROLE NAME ROLE2  prints the names of the ROLE2 objects below the
                                            object, one a line (a list's cells, row by row)
  atspi_probe.py APP menus                  prints each popup menu under the program:
                                            NAME|showing or hidden|ITEM;ITEM;...

Exits 1 when the program, the object or the action is not there."""

import sys
import time

import pyatspi

TIMEOUT = 20


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def states(node):
    return [pyatspi.stateToString(state) for state in node.getState().getStates()]


def find(app, role, name):
    for node in walk(app):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def popup_menus(app):
    lines = []
    for index in range(app.childCount):
        menu = app.getChildAtIndex(index)
        if menu is None or menu.getRoleName() != "popup menu":
            continue
        items = [menu.getChildAtIndex(i) for i in range(menu.childCount)]
        names = [item.name for item in items if item is not None and item.getRoleName() == "menu item"]
        shown = "showing" if "showing" in states(menu) else "hidden"
        lines.append("%s|%s|%s" % (menu.name, shown, ";".join(names)))
    return lines


def until_found(look):
    deadline = time.monotonic() + TIMEOUT
    while True:
        found = look()
        if found is not None or time.monotonic() > deadline:
            return found
        time.sleep(0.2)


def main(args):
    app_name, command = args[0], args[1]
    app = until_found(lambda: application(app_name))
    if app is None:
        print("no application named %s" % app_name)
        return 1
    if command == "menus":
        print("\n".join(until_found(lambda: popup_menus(app) or None) or []))
        return 0
    role, name = args[2], args[3]
    node = until_found(lambda: find(app, role, name))
    if node is None:
        print("no %s named %s" % (role, name))
        return 1
    if command == "states":
        print(" ".join(states(node)))
        return 0
    if command == "names":
        below = [n.name for n in walk(node) if n is not node and n.getRoleName() == args[4]]
        print("\n".join(below))
        return 0
    if command == "act":
        actions = node.queryAction()
        for index in range(actions.nActions):
            if actions.getName(index) == args[4]:
                actions.doAction(index)
                return 0
        print("no action %s" % args[4])
        return 1
    print("unknown command %s" % command)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
