#!/usr/bin/env python3
"""Walks every window of the program over AT-SPI, the bus Linux screen readers use.

Starts a11y_tour (every window and dialog open) on the current X display with Qt's AT-SPI bridge
on, walks each of its windows and counts the interactive controls and those without a name. Then
asks the program for a message box and checks that it reaches the bus as an alert. Exit status 1
on an unnamed control, a tool window exposed as a plain panel, or a missing alert.

    python3 atspi_names.py path/to/a11y_tour
starts its own virtual display (Xvfb, on a display number the server picks itself, so that runs
side by side never collide) and its own session bus inside it, and ends both afterwards.
"""
import os
import select
import signal
import subprocess
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_CELL,
}
WINDOWS = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT}
MAX_CHILDREN = 400  # a long list is as named as its first lines


def owned_bar(node):
    """A scroll bar that belongs to a list or text box (alone in Qt's scroll-area container)."""
    parent = node.parent
    return parent is not None and parent.getRole() == pyatspi.ROLE_FILLER and parent.childCount == 1


def walk(node, found, depth=0):
    if node is None or depth > 40:
        return
    role = node.getRole()
    # A closed menu and its items are not showing, yet they are the window's commands.
    in_menu = role in (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU_ITEM,
                       pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_SEPARATOR)
    if not in_menu and not node.getState().contains(pyatspi.STATE_VISIBLE):
        return
    if role in INTERACTIVE and not (role == pyatspi.ROLE_SCROLL_BAR and owned_bar(node)):
        found.append((node.getRoleName(), (node.name or "").strip()))
    for i in range(min(node.childCount, MAX_CHILDREN)):
        walk(node.getChildAtIndex(i), found, depth + 1)


def find_app(name, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def read_line(stream, seconds):
    ready, _, _ = select.select([stream], [], [], seconds)
    return stream.readline().strip() if ready else ""


def give_up(signum, frame):
    raise TimeoutError("the walk took longer than four minutes")


def main():
    tour = sys.argv[1]
    # The whole walk is bounded however the bus behaves; the program is ended on the way out.
    signal.signal(signal.SIGALRM, give_up)
    signal.alarm(240)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
    proc = subprocess.Popen([tour], stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env, text=True)
    failures = 0
    try:
        if read_line(proc.stdout, 90) != "READY":
            print("the program did not come up")
            return 1
        app = find_app("a11y_tour", 20)
        if app is None:
            print("the program is not on the accessibility bus")
            return 1
        total = unnamed = 0
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is None or not window.getState().contains(pyatspi.STATE_VISIBLE):
                continue
            found = []
            walk(window, found)
            missing = [role for role, name in found if not name]
            kind = window.getRoleName()
            print(f"{window.name or '(no title)'} [{kind}]: {len(found)} controls, {len(missing)} without a name")
            for role in missing:
                print(f"    {role}")
            if window.getRole() not in WINDOWS:
                print("    exposed as a plain panel, not a window")
                failures += 1
            total += len(found)
            unnamed += len(missing)
        print(f"Total: {total} controls, {unnamed} without a name")
        failures += unnamed
        # A message box reaches the bus as an alert, with its text.
        proc.stdin.write("ALERT\n")
        proc.stdin.flush()
        alert = None
        end = time.monotonic() + 15
        while alert is None and time.monotonic() < end:
            for i in range(app.childCount):
                w = app.getChildAtIndex(i)
                if w is not None and w.getRole() == pyatspi.ROLE_ALERT:
                    alert = w
            time.sleep(0.2)
        print("Message box on the bus as an alert:", "yes" if alert else "no")
        failures += alert is None
    finally:
        try:
            proc.stdin.close()
        except OSError:
            pass
        try:
            proc.wait(timeout=15)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    return 1 if failures else 0


def outer():
    """Xvfb on a free display, then this script again under a private session bus."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-noreset",
                             "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        ready, _, _ = select.select([read_end], [], [], 30)
        number = os.read(read_end, 16).decode().strip() if ready else ""
        if not number:
            print("the virtual display did not start")
            return 1
        env = dict(os.environ, DISPLAY=":" + number)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        inner = subprocess.run(["dbus-run-session", "--", sys.executable, __file__, "--inner"] + sys.argv[1:],
                               env=env, timeout=280)
        return inner.returncode
    except subprocess.TimeoutExpired:
        print("the walk did not end")
        return 1
    finally:
        os.close(read_end)
        xvfb.terminate()
        try:
            xvfb.wait(timeout=10)
        except subprocess.TimeoutExpired:
            xvfb.kill()
            xvfb.wait()


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] == "--inner":
        del sys.argv[1]
        sys.exit(main())
    sys.exit(outer())
