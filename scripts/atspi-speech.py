#!/usr/bin/python3
"""What a screen reader would speak in Dialstack, read through AT-SPI.

Starts the program on $DISPLAY (an X server with a window manager) in
FOLDER, which holds a directory of three records (Ann Lee, Bob Hart, Corner
Shop), with the accessibility bus of the D-Bus session it runs in (run it
under dbus-run-session). Presses keys with xdotool and, after each,
collects the accessibility events a reader acts on (focus, active
descendant, selection, caret, window activation) and turns them into the
words a reader says: an object's name, its role and, for an entry of a
list or menu, its place ("Ann Lee, list item, 1 of 3"); for a text, the
line at the caret.

Usage: atspi-speech.py EXECUTABLE FOLDER TRANSCRIPT_FILE
Prints the transcript and writes it to TRANSCRIPT_FILE; exits 1 when a
check fails: Tab into the name list speaks the selected name, a selection
change by arrow key speaks the new name, Shift+F10 speaks the window
menu's first item, help is a window (a frame, not a dialog) holding a
read-only text with a caret whose lines Down reads, the match Find selects
is spoken, and F3 on the only match speaks a message box by its title and
text.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP = "dialstack"
EVENTS = [
    "object:state-changed:focused",
    "object:state-changed:selected",
    "object:active-descendant-changed",
    "object:selection-changed",
    "object:text-caret-moved",
    "window:activate",
]

heard = []


def role_of(acc):
    try:
        return acc.getRoleName()
    except Exception:
        return "?"


def is_app(acc):
    try:
        return acc.getApplication().name == APP
    except Exception:
        return False


def place_of(acc):
    """ "i of n" for an entry of a list or menu, counting only real entries."""
    try:
        parent = acc.parent
        siblings = [c for c in parent if c is not None and role_of(c) == role_of(acc)]
        return "%d of %d" % (siblings.index(acc) + 1, len(siblings))
    except Exception:
        return ""


def line_at_caret(acc):
    try:
        text = acc.queryText()
    except NotImplementedError:
        return None
    offset = text.caretOffset
    line, _, _ = text.getTextAtOffset(max(offset, 0), pyatspi.TEXT_BOUNDARY_LINE_START)
    return line.strip()


def describe(acc):
    """What a reader says when acc becomes the object of attention."""
    role = role_of(acc)
    words = [acc.name or "", role]
    states = acc.getState()
    if role in ("list item", "menu item", "check menu item"):
        if not states.contains(pyatspi.STATE_ENABLED):
            words.append("grayed")
        words.append(place_of(acc))
    elif role == "list":
        words.append("with %d items" % acc.childCount)
    line = line_at_caret(acc) if role not in ("list item", "menu item", "list", "push button") else None
    if line is not None:
        if states.contains(pyatspi.STATE_EDITABLE) is False:
            words.append("read only")
        words.append(repr(line))
    return ", ".join(w for w in words if w)


def on_event(event):
    src = event.source
    if src is None or not is_app(src):
        return
    kind = event.type
    try:
        if kind.startswith("object:state-changed:focused") and event.detail1:
            heard.append(("focus", describe(src)))
        elif kind.startswith("object:state-changed:selected") and event.detail1:
            if role_of(src) in ("menu item", "list item"):
                heard.append(("selected", describe(src)))
        elif kind.startswith("object:active-descendant-changed") and event.any_data is not None:
            heard.append(("active descendant", describe(event.any_data)))
        elif kind.startswith("object:selection-changed"):
            if src.getState().contains(pyatspi.STATE_FOCUSED):
                chosen = src.querySelection()
                if chosen.nSelectedChildren:
                    heard.append(("selection", describe(chosen.getSelectedChild(0))))
        elif kind.startswith("object:text-caret-moved"):
            if src.getState().contains(pyatspi.STATE_FOCUSED):
                heard.append(("caret", repr(line_at_caret(src))))
        elif kind.startswith("window:activate"):
            # A reader names the window, its kind and, for an alert, reads
            # its text (the description) with it.
            words = [src.name, role_of(src), src.description or ""]
            heard.append(("window", ", ".join(w for w in words if w)))
    except Exception as error:  # an object gone while it was read
        heard.append(("gone", str(error)))


def pump(seconds):
    """Lets events arrive for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "120"] + list(keys), check=True)


def step(title, keys, seconds=1.5):
    """Presses keys and returns (title, [(kind of event, words)])."""
    del heard[:]
    press(*keys)
    pump(seconds)
    return title, list(heard)


def find_app(seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == APP:
                return app
        time.sleep(0.2)
    return None


def start_program(exe, folder):
    """Turns the accessibility bus on, starts the program, and waits until
    its main window is active."""
    subprocess.run(["busctl", "--user", "set-property", "org.a11y.Bus", "/org/a11y/bus",
                    "org.a11y.Status", "IsEnabled", "b", "true"], check=True)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([exe], cwd=folder, env=env)
    window = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                             "^Quillaven Dialstack$"], capture_output=True, text=True, check=True)
    subprocess.run(["xdotool", "windowactivate", "--sync", window.stdout.split()[0]], check=False)
    return program


def main():
    exe, folder, out_path = sys.argv[1:4]
    for name in EVENTS:
        pyatspi.Registry.registerEventListener(on_event, name)
    program = start_program(exe, folder)
    try:
        if find_app() is None:
            print("FAIL: the program is not on the accessibility bus")
            return 1
        pump(1.0)
        return run_steps(out_path)
    finally:
        program.terminate()
        program.wait()


def run_steps(out_path):
    steps = []
    # The main window opens with the focus on "Add Name"; the name list is
    # the ninth tab stop.
    press(*(["Tab"] * 7))
    pump(1.0)
    steps.append(step("Tab into the name list", ["Tab"]))
    steps.append(step("Down in the name list", ["Down"]))
    steps.append(step("Shift+F10", ["shift+F10"]))
    steps.append(step("Escape", ["Escape"], 1.0))
    steps.append(step("F1 (help opens)", ["F1"], 2.5))
    steps.append(step("Down in help", ["Down"]))
    steps.append(step("Escape (help closes)", ["Escape"], 1.5))
    steps.append(step("Ctrl+F, ann, Return (finds Ann Lee)", ["ctrl+f", "a", "n", "n", "Return"], 2.0))
    steps.append(step("F3 (Ann Lee is the only match)", ["F3"], 2.0))
    steps.append(step("Return (the message closes)", ["Return"], 1.5))

    lines = []
    for title, spoken in steps:
        lines.append("%s:" % title)
        lines.extend("    " + words for _, words in spoken)
        if not spoken:
            lines.append("    (silence)")
    transcript = "\n".join(lines) + "\n"
    sys.stdout.write(transcript)
    with open(out_path, "w") as out:
        out.write(transcript)

    said = {title: " | ".join(words for _, words in spoken) for title, spoken in steps}
    kinds = {title: [kind for kind, _ in spoken] for title, spoken in steps}
    failures = []
    if "Ann Lee, list item, 1 of 3" not in said["Tab into the name list"]:
        failures.append("Tab into the name list does not speak the selected name")
    if "Bob Hart, list item, 2 of 3" not in said["Down in the name list"]:
        failures.append("Down in the name list does not speak the new name")
    if ", menu item, 1 of " not in said["Shift+F10"]:
        failures.append("Shift+F10 does not speak the menu's first item")
    if "Dialstack Help, text, read only" not in said["F1 (help opens)"]:
        failures.append("help is not spoken as a read-only text")
    if "caret" not in kinds["Down in help"]:
        failures.append("Down in help reads no line")
    if "Dialstack Help, frame" not in said["F1 (help opens)"] or "dialog" in said["F1 (help opens)"]:
        failures.append("help is not spoken as the help window (a frame, no dialog)")
    if "Ann Lee, list item, 1 of 3" not in said["Ctrl+F, ann, Return (finds Ann Lee)"]:
        failures.append("the match Find selects is not spoken")
    only = said["F3 (Ann Lee is the only match)"]
    if "alert" not in only or 'Only the selected record matches "ann"' not in only:
        failures.append("F3 on the only match does not speak a message saying so, with its text")
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
