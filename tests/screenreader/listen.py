#!/usr/bin/python3
"""Runs Orca and the program on the X display of the environment, inside the D-Bus session it is started in,
presses keys as a blind user does and checks, step by step, what Orca said: the texts speech-dispatcher was given
to speak, read from its log. Every wait is bounded; the first step not heard ends the run with FAIL.
Usage: listen.py PROGRAM PROGRAM_DIR WORK_DIR"""

import glob
import html
import os
import re
import signal
import subprocess
import sys
import time

program, program_dir, work = sys.argv[1], sys.argv[2], sys.argv[3]
children = []


def fail(what):
    print(f"FAIL: {what}", flush=True)
    print("--- heard ---\n" + "\n".join(spoken()[-25:]), flush=True)
    stop_all()
    sys.exit(1)


def stop_all():
    for child in reversed(children):
        if child.poll() is None:
            child.terminate()
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()


def spoken():
    """Each text speech-dispatcher was given, in order, its markup taken away."""
    text = ""
    for log in glob.glob(os.path.join(work, "speech", "speech-dispatcher.log")):
        with open(log, "rb") as f:
            text = f.read().decode("utf-8", "replace")
    said = re.findall(r"Queueing message \|(.*?)\| with priority", text, re.S)
    return [html.unescape(re.sub(r"<[^>]*>", "", s)).strip() for s in said]


heard_up_to = 0


def hear(what, pattern, seconds=20):
    """Waits for Orca to say something matching pattern, after what was heard before."""
    global heard_up_to
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        said = spoken()
        for i in range(heard_up_to, len(said)):
            if re.search(pattern, said[i]):
                heard_up_to = i + 1
                print(f"heard {what}: \"{said[i]}\"", flush=True)
                return said[i]
        time.sleep(0.2)
    fail(f"waited {seconds} s to hear {what} ({pattern})")


def key(*names):
    time.sleep(0.4)  # as a person presses keys: Orca reads each event from the program in turn
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True, timeout=10)


def tab_to(what, pattern, most=8):
    """Tab, a press at a time, until the control named by pattern is heard."""
    global heard_up_to
    for _ in range(most):
        key("Tab")
        end = time.monotonic() + 5
        while time.monotonic() < end:
            said = spoken()
            named = [i for i in range(heard_up_to, len(said)) if said[i].endswith("push button.")]
            if named:
                heard_up_to = named[-1] + 1
                if re.search(pattern, said[named[-1]]):
                    print(f"heard {what}: \"{said[named[-1]]}\"", flush=True)
                    return
                break
            time.sleep(0.2)
    fail(f"{what} ({pattern}) not heard within {most} presses of Tab")


def orca_key(name, times=1):
    """Orca's modifier (Insert, on the desktop layout) held while name is pressed, once or twice in a row."""
    time.sleep(0.4)
    subprocess.run(["xdotool", "keydown", "Insert"] + ["key", "--delay", "80"] + [name] * times + ["keyup", "Insert"],
                   check=True, timeout=10)


def start(command, log, **options):
    child = subprocess.Popen(command, stdout=open(log, "w"), stderr=subprocess.STDOUT, **options)
    children.append(child)
    return child


# A window manager, started until it runs (openbox may lose the race for the display's first clients).
for attempt in range(3):
    wm = start(["openbox"], os.path.join(work, "openbox.log"))
    end = time.monotonic() + 10
    while time.monotonic() < end and wm.poll() is None:
        check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True)
        if "window id" in check.stdout:
            break
        time.sleep(0.2)
    else:
        wm.kill()
        continue
    break
else:
    fail("openbox did not start")

import pyatspi  # noqa: E402 (the accessibility bus is started by the first use, inside this session)

pyatspi.Registry.getDesktop(0)
orca = start(["orca", f"--debug-file={os.path.join(work, 'orca.debug')}"], os.path.join(work, "orca.log"))
hear("Orca", r"Screen reader on", 40)

quelcor = subprocess.Popen([program], cwd=program_dir, stdout=subprocess.DEVNULL,
                           stderr=open(os.path.join(work, "program.err"), "w"))
children.insert(0, quelcor)

# The splash window: its title, its text, its button.
hear("the splash window", r"^Quelcor - Splash frame")
hear("the splash window's text", r"^Welcome to Quelcor")
hear("the splash's button", r"^Continue +> push button")
key("Return")

# The main window; the first picture button opens the about window with Return.
hear("the main window", r"^Quelcor frame")
hear("the focus on the first picture button", r"^About Quelcor push button")
orca_key("KP_Enter", 2)  # read the status bar
hear("the status bar", r"^statusbar")
hear("the connection state in the status bar", r"^Internet connection available")

key("Return")
hear("the about window and its facts",
     r"dialog Product version: \S+\. Created by: .+ e-Mail: .+ Language: English\. Driver made by: ")
hear("the about window's first button", r"^Close push button")
key("Tab")
hear("the e-mail address", r"^e-Mail \S+@\S+ label")
key("Tab")
hear("the product page", r"^Page product http://127\.0\.0\.1:\d+/products/quelcor label")
key("Tab")
hear("the next button in screen order", r"^Brisvane")
key("Escape")
hear("the main window again", r"^Quelcor frame")

# The language chooser: the folders as a list of levels, one opened with Return, the driver installed with OK.
key("Tab")
hear("the language button", r"^Change the language push button")
key("Return")
hear("the language chooser", r"^Language Changer dialog")
hear("the open folder", r"^lang")
hear("its level", r"^open folder, level \d+")
key("Down")
hear("the first language", r"^Deutsch")
hear("its level, and what Return does", r"^folder, level \d+, Return opens it")
key("Return")
hear("the language's folder opened", r"^Deutsch")
hear("as the open folder", r"^open folder, level \d+")
key("Tab", "Tab")
hear("the chooser's OK", r"^OK push button")
key("Return")
hear("the main window in the new language", r"^Quelcor frame")
hear("the language button, now in German", r"^Sprache ändern push button")

# The lookup page: the focus goes into its field; a name typed and Return bring the verdict.
tab_to("the lookup button in German", r"^Weiter +> push button")
key("Return")
hear("the lookup page", r"document web")
hear("the focus in the page's field", r"^Domainname text")
subprocess.run(["xdotool", "type", "--delay", "60", "google.de"], check=True, timeout=20)
key("Return")
hear("the verdict", r"^Registriert\b", 40)

# Orca is stopped while the program still runs: it acts on SIGTERM only when an event wakes it.
orca.terminate()
key("shift")
try:
    orca.wait(15)
except subprocess.TimeoutExpired:
    fail("Orca did not stop")
print("Orca stopped", flush=True)
stop_all()
print("PASS", flush=True)
