#!/usr/bin/python3
"""Reads the names that a screen reader hears, through AT-SPI, from the running program.

Usage (on an X server with a session bus, as tools/check-accessible-names runs it):
  accessible_names.py CHANFORGE IMAGE

Starts chanforge on the image, checks that every control of the main window that takes the
focus has a name of its own (the conversion fields and arrows by what they hold and do),
opens the Check and Changes windows from the menus and checks the names of their tables and
of the Check window's satellite boxes. Exits 1
with the faults found, 0 when there are none.
"""
import os
import subprocess
import sys
import time

import pyatspi

CONTROLS = {"push button", "text", "check box", "radio button", "list", "table", "combo box"}
EXPECTED_MAIN = {
    "Channel list binary file", "Channel list text file",
    "Convert channel list to text", "Convert text to channel list",
    "Transponder list binary file", "Transponder list text file",
    "Convert transponder list to text", "Convert text to transponder list",
    "Blocks",
}


def wait_for(find, what, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"accessible_names: no {what} after {seconds} s")


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "chanforge":
            return app
    return None


def frame(app, title_part):
    for window in app:
        if window is not None and title_part in window.name:
            return window
    return None


def named_controls(window):
    return [(n.getRoleName(), n.name) for n in nodes(window) if n.getRoleName() in CONTROLS]


def press(app, item_name):
    for node in nodes(app):
        if node.getRoleName() == "menu item" and node.name == item_name:
            node.queryAction().doAction(0)
            return
    sys.exit(f"accessible_names: no menu item {item_name}")


def main():
    program, image = sys.argv[1], sys.argv[2]
    # The registry first: a program that starts before it may never announce itself.
    pyatspi.Registry.getDesktop(0)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([program, image], env=env)
    faults = []
    try:
        app = wait_for(application, "chanforge on the accessibility bus")
        main_window = wait_for(lambda: frame(app, os.path.basename(image)), "window on the image")
        controls = named_controls(main_window)
        names = [name for _, name in controls]
        faults += [f"main window: {role} without a name" for role, name in controls if not name]
        faults += [f"main window: two controls named {name!r}"
                   for name in sorted(set(names)) if name and names.count(name) > 1]
        faults += [f"main window: nothing named {name!r}" for name in sorted(EXPECTED_MAIN - set(names))]
        # Each window's named controls: its table, and the Check window's satellite boxes by
        # their own names (not by the text they hold).
        # The list editor's controls all have names, its finds and tables their own.
        for item, title, wanted in (("Check Image", "Check Image",
                                     {"Findings", "Satellite on DiSEqC A", "Satellite on DiSEqC B"}),
                                    ("Show Changes…", "Changes", {"Changes"}),
                                    ("Edit Lists…", "Edit Lists",
                                     {"List of channels", "Find channels"})):
            press(app, item)
            window = wait_for(lambda: frame(app, title), f"{title} window")
            controls = named_controls(window)
            names = {name for role, name in controls}
            faults += [f"{title} window: nothing named {name!r}" for name in sorted(wanted - names)]
            faults += [f"{title} window: {role} without a name" for role, name in controls
                       if not name and role != "table"]
    finally:
        process.terminate()
        process.wait()
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"accessible_names: {len(faults)} faults", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
