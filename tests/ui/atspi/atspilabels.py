#!/usr/bin/python3
"""What a screen reader reads for the DSC page's lists, over AT-SPI.

Runs the page program given as the first argument on the display of the
session (Xvfb and a D-Bus session of their own, see CMakeLists.txt) and
walks its accessible tree: every drop-down list must be labelled by a
label of its own, not by its frame alone, and the second advanced tab's
first list reads "Distress, Position Report Call, On"."""

import os
import subprocess
import sys

import pyatspi


def labels_of(accessible):
    """The names of what labels an object, in the order AT-SPI gives them."""
    names = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            target = relation.getTarget(i)
            names.append((target.getRoleName(), target.name))
    return names


def showing_lists(accessible, found):
    state = accessible.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        return
    if accessible.getRole() == pyatspi.ROLE_COMBO_BOX:
        found.append(accessible)
        return
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            showing_lists(child, found)


def application(name):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        subprocess.run(["sleep", "0.1"], check=True)
    return None


def main():
    program = sys.argv[1]
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    page = subprocess.Popen([program], stdout=subprocess.PIPE, env=environment, text=True)
    try:
        if page.stdout.readline().strip() != "ready":
            print("the page program did not start")
            return 1
        app = application(os.path.basename(program))
        if app is None:
            print("the page program is not on the accessibility bus")
            return 1
        lists = []
        showing_lists(app, lists)
        readings = []
        faults = []
        for item in lists:
            labels = labels_of(item)
            if not any(role == "label" for role, _ in labels):
                faults.append("a list reads only %r" % ", ".join([n for _, n in labels] + [item.name]))
            readings.append(", ".join([n for _, n in labels] + [item.name]))
        if len(lists) != 16:
            faults.append("%d lists showing, 16 expected" % len(lists))
        if "Distress, Position Report Call, On" not in readings:
            faults.append("no list reads 'Distress, Position Report Call, On'")
        for fault in faults:
            print(fault)
        print("\n".join(readings))
        return 1 if faults else 0
    finally:
        page.terminate()
        page.wait()


if __name__ == "__main__":
    sys.exit(main())
