#!/usr/bin/env python3
"""What a screen reader receives: the real program's main window read over the AT-SPI bus.

Runs inside a private D-Bus session on an X display. Starts the program with Qt's AT-SPI bridge
forced on, finds its main window among the bus's applications, and checks that every named
control of the main window is there with the role and the name a screen reader announces, and
that each birth-date list carries its label. Then follows the forum link as a screen reader does,
through its press action, and checks that the browser (a recording script) was asked for the
home page. Then the program under a German locale: the update question's buttons read "Ja" and
"Nein", the main window's frame is German, and Next shows the German reading. Last, under an
Arabic locale the main window is mirrored.
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

CAPTION = "OV Varodara Zevaz Adavuv v" + os.environ["VARODARA_VERSION"]
MAIN_HOST = sys.argv[2] if len(sys.argv) > 2 else ""

FORUM_TEXT = "Share your readings in our free online forum. Visit us at " + MAIN_HOST

# (role, name) of every named control of the main window, as the bridge hands them over.
# Qt 6.4 on Linux names a drop-down list by its selected entry, whatever its accessible name;
# its label comes by relation (LIST_LABELS).
EXPECTED = {
    ("frame", CAPTION),
    ("menu bar", ""),
    ("menu item", "File"),
    ("menu item", "Next"),
    ("menu item", "Exit"),
    ("menu item", "Help"),
    ("menu item", "Online Help"),
    ("menu item", "Visit Us Online"),
    ("menu item", "Check for Software Update"),
    ("menu item", "About Software"),
    ("menu item", "Donate"),
    ("frame", "Forum"),
    ("link", FORUM_TEXT),
    ("panel", "Please Fill In The Below Details:"),
    ("label", "First Name"),
    ("label", "Middle Name"),
    ("label", "Last Name"),
    ("text", "First Name"),
    ("text", "Middle Name"),
    ("text", "Last Name"),
    ("frame", "Birth Date"),
    ("combo box", "January"),
    ("combo box", "1"),
    ("combo box", "1900"),
    ("push button", "Next"),
    ("frame", "Offers"),
    ("link", "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
              "Put your site's name &  link here. See \"Help\" for details.Click Here for more info on co-branding."),
    ("link", "Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website. Click here for more details."),
}


def wait_for(seconds, probe):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    return None


def end(process):
    """Ends the program as a session's end would, or kills it when it outlives ten seconds."""
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()


def main_window(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is None or application.get_process_id() != pid:
            continue
        for window in application:
            if window is not None and window.name == CAPTION and window.getRoleName() == "frame":
                return window
    return None


def walk(accessible, seen):
    seen.add((accessible.getRoleName(), accessible.name or ""))
    for child in accessible:
        if child is not None:
            walk(child, seen)
    return seen


def find(accessible, role, name):
    if accessible.getRoleName() == role and accessible.name == name:
        return accessible
    for child in accessible:
        found = find(child, role, name) if child is not None else None
        if found is not None:
            return found
    return None


# The label each birth-date list carries, by the entry it shows: three lists named only by
# their entries would be told apart by none.
LIST_LABELS = {"January": "Birth Month", "1": "Birth Day", "1900": "Birth Year"}


def lists_carry_labels(window):
    ok = True
    for entry, label in LIST_LABELS.items():
        box = find(window, "combo box", entry)
        carried = {box.description} | {
            relation.getTarget(i).name
            for relation in box.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())}
        if label not in carried:
            print(f"FAIL: the list showing {entry!r} carries {sorted(carried)}, not {label!r}")
            ok = False
    if ok:
        print("accessibility bus: the birth-date lists are labelled " + ", ".join(LIST_LABELS.values()))
    return ok


def press_forum_link(window, browser_log):
    link = find(window, "link", FORUM_TEXT)
    action = link.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    if names != ["press"]:
        print(f"FAIL: the forum link's actions are {names}, not ['press']")
        return False
    action.doAction(0)
    read = lambda: open(browser_log).read() if os.path.exists(browser_log) else ""
    asked = wait_for(20, read) or ""
    if asked.split() != ["http://" + MAIN_HOST]:
        print(f"FAIL: pressing the forum link asked the browser for {asked!r}")
        return False
    print("accessibility bus: the forum link's press action opened the home page")
    return True


def german_road(program, env):
    """On a fixed day 30 days after the first start, so that the update question is due: 1
    January, the lists' first entries, in July 2009 gives 1 + 1 + 7 + 2 = 11, so 2."""
    fake = env["VARODARA_FAKETIME"]
    # A setting of its own, which the first start writes.
    config = env["XDG_CONFIG_HOME"] + "-de"
    os.mkdir(config, 0o700)
    env = dict(env, XDG_CONFIG_HOME=config, LANGUAGE="de", LANG="de_DE.UTF-8", LD_PRELOAD=fake,
               FAKETIME="@2009-06-15 12:00:00",
               ASAN_OPTIONS=env.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0")
    first = subprocess.Popen([program], env=env)
    try:
        if wait_for(20, lambda: main_window(first.pid)) is None:
            print("FAIL: German: the first start showed no main window")
            return False
    finally:
        first.send_signal(signal.SIGTERM)
        first.wait(10)
    process = subprocess.Popen([program], env=dict(env, FAKETIME="@2009-07-15 12:00:00"))
    try:
        question = wait_for(20, lambda: next((window for application in pyatspi.Registry.getDesktop(0)
                                              if application is not None and application.get_process_id() == process.pid
                                              for window in application if window is not None), None))
        buttons = sorted(name for role, name in walk(question, set()) if role == "push button") if question else []
        if buttons != ["Ja", "Nein"]:
            print(f"FAIL: German: the update question's buttons read {buttons}, not ['Ja', 'Nein']")
            return False
        find(question, "push button", "Nein").queryAction().doAction(0)
        window = wait_for(20, lambda: main_window(process.pid))
        if window is None or find(window, "panel", "Bitte geben Sie Ihre Daten ein:") is None:
            print("FAIL: German: no main window with the frame 'Bitte geben Sie Ihre Daten ein:'")
            return False
        for name, text in (("Vorname", "ANNA"), ("Nachname", "LEE")):
            find(window, "text", name).queryEditableText().setTextContents(text)
        find(window, "push button", "Weiter").queryAction().doAction(0)
        reading = wait_for(20, lambda: next((child.queryText().getText(0, -1)
                                             for application in pyatspi.Registry.getDesktop(0)
                                             if application is not None and application.get_process_id() == process.pid
                                             for window in application if window is not None and window.name == CAPTION
                                             for child in [find(window, "text", "Ihr Varodara Zevaz Adavuv")]
                                             if child is not None), None)) or ""
        if not reading.startswith("Ihr Varodara Zevaz Adavuv lautet: 2\n\nIhr Varodara Zevaz Adavuv beschreibt") or \
                "Sie werden neue Freundschaften schließen" not in reading:
            print(f"FAIL: German: Next showed {reading[:120]!r}")
            return False
        print("German: the update question asks with 'Ja' and 'Nein', the main window and the reading are German")
        return True
    finally:
        end(process)


def arabic_road(program, env):
    """Under Arabic the main window is the English one mirrored: Next in its left half, the
    year's list left of the day's (the lists' digits stay as they are), the frame in Arabic."""
    config = env["XDG_CONFIG_HOME"] + "-ar"
    os.mkdir(config, 0o700)
    process = subprocess.Popen([program], env=dict(env, XDG_CONFIG_HOME=config, LANGUAGE="ar", LANG="ar_EG.UTF-8"))
    try:
        window = wait_for(20, lambda: main_window(process.pid))
        if window is None:
            print("FAIL: Arabic: no main window")
            return False
        extents = lambda accessible: accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        frame = extents(window)
        buttons = [extents(child) for child in wait_for(5, lambda: [child for child in walk_all(window)
                   if child.getRoleName() == "push button" and child.getState().contains(pyatspi.STATE_SHOWING)])]
        year, day = extents(find(window, "combo box", "1900")), extents(find(window, "combo box", "1"))
        panels = [name for role, name in walk(window, set()) if role == "panel"]
        if len(buttons) != 1 or buttons[0].x + buttons[0].width > frame.x + frame.width // 2:
            print(f"FAIL: Arabic: Next is not in the left half of {frame}: {buttons}")
            return False
        if year.x + year.width > day.x:
            print(f"FAIL: Arabic: the year's list {year} is not left of the day's {day}")
            return False
        if not panels or "Please Fill In The Below Details:" in panels:
            print(f"FAIL: Arabic: the details frame reads {panels}")
            return False
        print("Arabic: the main window is mirrored and its frame is not English")
        return True
    finally:
        end(process)


def walk_all(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk_all(child)


def main():
    program = sys.argv[1]
    dump = "--dump" in sys.argv[3:]
    with tempfile.TemporaryDirectory() as root:
        for folder in ("home", "config", "runtime", "cache", "data"):
            os.mkdir(os.path.join(root, folder), 0o700)
        # No desktop environment and no handlers: xdg-open falls back to $BROWSER, this script.
        browser_log = os.path.join(root, "browser.log")
        browser = os.path.join(root, "browser")
        with open(browser, "w") as script:
            script.write(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{browser_log}"\n')
        os.chmod(browser, 0o700)
        env = {
            "PATH": os.environ["PATH"],
            "DISPLAY": os.environ["DISPLAY"],
            "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
            "HOME": os.path.join(root, "home"),
            "XDG_CONFIG_HOME": os.path.join(root, "config"),
            "XDG_RUNTIME_DIR": os.path.join(root, "runtime"),
            "XDG_CACHE_HOME": os.path.join(root, "cache"),
            "XDG_DATA_HOME": os.path.join(root, "data"),
            "XDG_DATA_DIRS": os.path.join(root, "data"),
            "BROWSER": browser,
            "LANG": "C.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        }
        for name in ("XAUTHORITY", "ASAN_OPTIONS", "UBSAN_OPTIONS", "VARODARA_FAKETIME"):
            if name in os.environ:
                env[name] = os.environ[name]
        process = subprocess.Popen([program], env=env)
        try:
            window = wait_for(20, lambda: main_window(process.pid))
            if window is None:
                print("FAIL: the main window never appeared on the accessibility bus")
                return 1
            seen = walk(window, set())
            if dump:
                for role, name in sorted(seen):
                    print(f"{role!r:20} {name!r}")
            missing = sorted(EXPECTED - seen)
            for role, name in missing:
                print(f"FAIL: no {role} named {name!r}")
            if missing:
                return 1
            print(f"accessibility bus: all {len(EXPECTED)} controls found with role and name")
            if not lists_carry_labels(window) or not press_forum_link(window, browser_log):
                return 1
        finally:
            end(process)
        return 0 if german_road(program, env) and arabic_road(program, env) else 1


if __name__ == "__main__":
    sys.exit(main())
