#!/usr/bin/python3
"""Drives the running program through its accessibility objects (AT-SPI, over D-Bus: the same on Wayland as on X11),
as a user would, and says what it saw. Each wait is bounded; the first that fails ends the run with FAIL.
Usage: drive.py APPLICATION SITE_LOG SHOT_COMMAND"""

import subprocess
import sys
import time

import pyatspi

application_name, site_log, shot = sys.argv[1], sys.argv[2], sys.argv[3]


def fail(what):
    print(f"FAIL: {what}", flush=True)
    sys.exit(1)


def wait(what, probe, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # an object that went away while it was read
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail(f"waited {seconds} s for {what}")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == application_name:
            return app
    return None


def windows(role=None):
    app = application()
    if app is None:
        return []
    return [w for w in app if w is not None and (role is None or w.getRole() == role)
            and w.getState().contains(pyatspi.STATE_SHOWING)]


def window(name, role=None):
    return next((w for w in windows(role) if w.name == name), None)


def descendant(root, match, limit=4000):
    queue, seen = [root], 0
    while queue and seen < limit:
        node = queue.pop(0)
        seen += 1
        if node is None:
            continue
        if match(node):
            return node
        queue.extend(node[i] for i in range(node.childCount))
    return None


def button(root, name):
    return descendant(root, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == name)


def press(node, what):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            print(f"pressed {what}", flush=True)
            return
    fail(f"{what} has no press action")


splash = wait("the splash window", lambda: window("Quelcor - Splash"))
print(f"splash window: {splash.name} ({splash.getRoleName()})", flush=True)
main = wait("the main window", lambda: window("Quelcor", pyatspi.ROLE_FRAME), 60)
extents = main.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
print(f"main window: {extents.width} x {extents.height}", flush=True)
wait("the splash window to go", lambda: window("Quelcor - Splash") is None)

press(wait("the lookup button", lambda: button(main, "Next  >")), "Next  >")
wait("the site to be asked for the lookup page", lambda: "GET /hosting/quelcor.php" in open(site_log).read())
heading = wait("the lookup page's heading", lambda: descendant(
    main, lambda n: n.getRole() == pyatspi.ROLE_HEADING and n.name == "Whois lookup"), 30)
print(f"page loaded: heading \"{heading.name}\"", flush=True)
wait("the lookup page to finish loading", lambda: descendant(
    main, lambda n: n.getRole() == pyatspi.ROLE_DOCUMENT_WEB and not n.getState().contains(pyatspi.STATE_BUSY)))
subprocess.run(shot, shell=True, check=False)

press(wait("the language button", lambda: descendant(
    main, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and "anguage" in n.name)), "the language button")
chooser = wait("the language chooser", lambda: next((w for w in windows(pyatspi.ROLE_DIALOG)), None))
print(f"chooser: {chooser.name}", flush=True)
press(wait("the chooser's Cancel", lambda: button(chooser, "Cancel")), "Cancel")
wait("the chooser to close", lambda: not windows(pyatspi.ROLE_DIALOG))
print("chooser closed", flush=True)

press(wait("Close", lambda: button(main, "Close")), "Close")
wait("the program to end", lambda: application() is None)
print("PASS", flush=True)
