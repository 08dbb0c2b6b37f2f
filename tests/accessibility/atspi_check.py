#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds in Tessaly, read over AT-SPI from the real program.

Usage (inside a D-Bus session of its own, away from the desktop's):
    env -u AT_SPI_BUS_ADDRESS dbus-run-session -- /usr/bin/python3 atspi_check.py TESSALY

Starts Xvfb, the accessibility bus and the program with a home directory of
its own, then checks the names, groups and View menu a screen reader reads,
that a new distance reaches it as a value change, prints what it announces
at each stop while Tab walks the window, and that the map's readout is a
named read-only field whose new text reaches it as a value change. Exits 1 on the first
failed check, saying which.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT_S = 40
TAB_KEYSYM = 0xFF09
TAB_STOPS = 25  # the window's controls in the Tab order, a radio group once
F6_KEYSYM = 0xFFC3
RIGHT_KEYSYM = 0xFF53


class CheckFailed(Exception):
    pass


def check(condition, what):
    if not condition:
        raise CheckFailed(what)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for(find, what):
    deadline = time.monotonic() + TIMEOUT_S
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        pump(0.1)
    raise CheckFailed("timed out waiting for " + what)


def start_xvfb():
    # Without -noreset the server resets when its last client leaves, and
    # refuses a client that connects meanwhile.
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "640x480x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        display = numbers.readline().strip()
    check(display, "Xvfb started")
    os.environ["DISPLAY"] = ":" + display

    def answers():
        return subprocess.run(["xdotool", "getdisplaygeometry"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    wait_for(answers, "Xvfb to answer")
    return server


def give_keyboard_focus():
    """Xvfb runs no window manager: the window gets the keyboard from xdotool."""
    def window():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Tessaly  V"],
                               capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    subprocess.run(["xdotool", "windowfocus", "--sync", wait_for(window, "the window")],
                   check=True)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def role(node):
    return node.getRoleName()


def has_state(node, state):
    return node.getState().contains(state)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def by_name(app, name, role_name=None):
    return next((n for n in walk(app) if n.name == name and
                 (role_name is None or role(n) == role_name)), None)


def check_names_and_groups(app):
    nodes = list(walk(app))
    fields = [n.name for n in nodes if role(n) == "text"]
    check(len(fields) == 16 and len(set(fields)) == 16 and "" not in fields,
          "16 distinct field names, found %r" % fields)
    buttons = [n.name for n in nodes if role(n) == "push button"]
    check(len(buttons) == 5 and len(set(buttons)) == 5,
          "5 distinct button names, found %r" % buttons)
    groups = [n for n in nodes if role(n) == "panel" and any(role(c) == "radio button" for c in n)]
    group_names = sorted(g.name for g in groups)
    check(len(group_names) == 4 and len(set(group_names)) == 4 and
          all(name.endswith("hemisphere") for name in group_names),
          "4 named hemisphere groups, found %r" % group_names)
    frames = sorted(n.name for n in nodes if role(n) == "panel" and n not in groups)
    check(frames == ["Destination location", "Heading and distance", "Home location"],
          "the three frames as named groups, found %r" % frames)
    print("fields:", fields)
    print("buttons:", buttons)
    print("hemisphere groups:", group_names)
    print("frames:", frames)


def check_view_menu(app):
    view = wait_for(lambda: by_name(app, "View", "menu item"), "the View menu")
    items = [child for child in walk(view) if role(child) == "menu item" and child is not view]
    names = [item.name for item in items]
    precisions = ["6 characters", "8 characters", "10 characters", "12 characters"]
    check(names == ["Home in decimal degrees", "Destination in decimal degrees",
                    "Distance in kilometres", "Locator precision"] + precisions +
          ["Great-circle map"], "View's items, found %r" % names)
    # The locator precision: one of four lengths chosen, 6 at start.
    choices = [item for item in items if item.name in precisions]
    for chosen in (choices[1], choices[0]):
        chosen.queryAction().doAction(0)
        wait_for(lambda: [has_state(c, pyatspi.STATE_CHECKED) for c in choices] ==
                 [c is chosen for c in choices], chosen.name + " alone chosen")
        print("View: Locator precision:", chosen.name, "chosen")
    # The last opens the map; the first three toggle a state.
    items = items[:3]
    # Qt 6.4's bridge passes on the check mark, not that an item has one.
    for item in items:
        check(not has_state(item, pyatspi.STATE_CHECKED), item.name + " unchecked at start")
    # Each item runs its command, and its check mark follows; a second run
    # brings both back.
    # Decimal degrees show in a wide degree field (an empty location shows
    # no number to look at).
    def degrees(field):
        extents = lambda: by_name(app, field, "text").queryComponent().getExtents(
            pyatspi.DESKTOP_COORDS)
        return lambda: extents().width > 60

    shows = {
        "Home in decimal degrees": degrees("Home latitude degrees"),
        "Destination in decimal degrees": degrees("Destination latitude degrees"),
        "Distance in kilometres": lambda: by_name(app, "Distance in kilometres", "text"),
    }
    for item in items:
        for checked in (True, False):
            item.queryAction().doAction(0)
            wait_for(lambda: has_state(item, pyatspi.STATE_CHECKED) == checked,
                     "%s %s" % (item.name, "checked" if checked else "unchecked"))
            check(bool(shows[item.name]()) == checked, "%s shown: %s" % (item.name, checked))
            print("View:", item.name, "checked" if checked else "unchecked")


def check_distance_announced(app):
    changes = []

    def on_value(event):
        changes.append((event.source.name, text_of(event.source)))

    event_type = "object:property-change:accessible-value"
    pyatspi.Registry.registerEventListener(on_value, event_type)
    by_name(app, "Destination grid locator", "text").queryEditableText().setTextContents("JO62qm")
    by_name(app, "Destination: Calc. Lat/Lon", "push button").queryAction().doAction(0)
    wait_for(lambda: text_of(by_name(app, "Destination grid locator", "text")) == " JO62qm",
             "the Destination locator decoded")
    by_name(app, "Calc. Dist./Heading", "push button").queryAction().doAction(0)
    wait_for(lambda: len(changes) >= 2, "the new results announced")
    pyatspi.Registry.deregisterEventListener(on_value, event_type)
    names = [name for name, _ in changes]
    check(names == ["Headings, forward and reverse", "Distance in miles"],
          "value changes of both result fields, found %r" % changes)
    check(all(text for _, text in changes), "the announced fields show their results")
    print("announced:", changes)


def announce(node):
    """Name, role and value, as a screen reader speaks a focused control."""
    value = text_of(node)
    if role(node) == "radio button":
        value = "checked" if has_state(node, pyatspi.STATE_CHECKED) else "not checked"
        parent = node.parent
        return "%s, radio button, %s (in group %s)" % (node.name, value, parent.name)
    if value is None:
        return "%s, %s" % (node.name, role(node))
    read_only = ", read only" if has_state(node, pyatspi.STATE_READ_ONLY) else ""
    hint = ", hint %r" % node.description if node.description else ""
    return "%s, %s%s, %r%s" % (node.name, role(node), read_only, value, hint)


def focused_control(app):
    return next((n for n in walk(app) if has_state(n, pyatspi.STATE_FOCUSED)
                 and role(n) != "frame"), None)


def identity(node):
    """What tells two stops apart: radio items share names across groups."""
    return (node.name, role(node), node.parent.name if node.parent else "")


def tab_walk(app):
    # The checks before may have moved the X input focus (a menu grabs the
    # keyboard while it is open): the keys must reach the window again.
    give_keyboard_focus()
    start = wait_for(lambda: focused_control(app), "the focus at start")
    print(" 0  %s   (the focus at start)" % announce(start))
    # Each stop is read off the tree, not from focus events, which the bus may
    # deliver before a new listener is in place.
    stops = []
    previous = start
    for _ in range(TAB_STOPS):
        pyatspi.Registry.generateKeyboardEvent(TAB_KEYSYM, None, pyatspi.KEY_SYM)
        moved = lambda: next((n for n in [focused_control(app)]
                              if n is not None and identity(n) != identity(previous)), None)
        previous = wait_for(moved, "the focus to move on Tab")
        stops.append(previous)
    for number, stop in enumerate(stops, 1):
        print("%2d  %s" % (number, announce(stop)))
    check(all(stop.name for stop in stops), "every Tab stop has a name")
    check(stops[-1].name == start.name, "Tab comes back to where it started")


def check_map_readout(app):
    """F6 opens the map; an arrow key moves its crosshair, and the readout
    of the point under it is announced."""
    pyatspi.Registry.generateKeyboardEvent(F6_KEYSYM, None, pyatspi.KEY_SYM)
    readout = wait_for(lambda: by_name(app, "Map readout", "text"), "the map's readout")
    picture = next((n for n in walk(app) if n.name == "Great-circle map" and
                    role(n) != "menu item"), None)
    check(picture is not None and "Rings every" in picture.description,
          "the map described by its legend, found %r" % (picture and picture.description))
    check(has_state(readout, pyatspi.STATE_READ_ONLY), "the readout is read only")
    changes = []

    def on_value(event):
        if event.source.name == "Map readout":
            changes.append(text_of(event.source))

    event_type = "object:property-change:accessible-value"
    pyatspi.Registry.registerEventListener(on_value, event_type)
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Tessaly map"],
                           stdout=subprocess.PIPE, text=True).stdout.split()
    check(found, "the map window on the display")
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)
    pump(0.3)
    pyatspi.Registry.generateKeyboardEvent(RIGHT_KEYSYM, None, pyatspi.KEY_SYM)
    wait_for(lambda: any(changes), "the readout's new text announced")
    pyatspi.Registry.deregisterEventListener(on_value, event_type)
    check(" miles " in changes[-1], "the readout gives a distance, found %r" % changes[-1])
    print("map readout:", changes[-1])


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in desktop if a is not None and a.name == "Tessaly"), None)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    processes = []
    with tempfile.TemporaryDirectory(prefix="tessaly-atspi-") as home:
        try:
            processes.append(start_xvfb())
            processes.append(subprocess.Popen(
                ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            environment = dict(os.environ, QT_QPA_PLATFORM="xcb",
                               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                               XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home)
            processes.append(subprocess.Popen([sys.argv[1]], env=environment))

            app = wait_for(find_app, "Tessaly on the accessibility bus")
            wait_for(lambda: by_name(app, "Home grid locator", "text"), "the window's controls")
            give_keyboard_focus()
            check_names_and_groups(app)
            check_view_menu(app)
            check_distance_announced(app)
            tab_walk(app)
            check_map_readout(app)
            print("ok")
        except CheckFailed as failure:
            print("FAILED:", failure)
            return 1
        finally:
            for process in reversed(processes):
                process.terminate()
                process.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main())
