#!/usr/bin/python3
# What a screen reader sees of a running program, for the whole-program tests.
#   atspi.py dump APP   one line per node: depth, role, name, states (tab-separated)
# Exits 2 when the program is not on the accessibility bus.
import sys

import pyatspi


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == name:
            return app
    return None


def nodes(node, depth=0):
    try:
        role, name = node.getRoleName(), node.name or ""
        states = [pyatspi.stateToString(s) for s in node.getState().getStates()]
        count = node.childCount
    except Exception:  # a node that went away while we looked
        return
    yield depth, role, name, states
    for index in range(min(count, 500)):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from nodes(child, depth + 1)


def main():
    app = application(sys.argv[2])
    if app is None:
        return 2
    for depth, role, name, states in nodes(app):
        flat = name.replace("\t", " ").replace("\n", " ")
        print("%d\t%s\t%s\t%s" % (depth, role, flat, ",".join(states)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
