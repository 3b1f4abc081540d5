#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A game played by keys alone and checked as a screen reader hears it.

Runs inside Xvfb and a private D-Bus session (screen_reader.sh sets them up).
Only keys reach the game (xdotool key, no pointer at all); everything checked
is read from the accessibility tree and its events: the board's cells by
name, the status news, a capture by Enter, a mutation bought by keys, a save
through F10 and the file dialog. What the reader is told goes to the output,
line by line, as "reader: ...".
Usage: screen_reader.py KLEBONY WORK_DIR
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME_TITLE = "Игра - КЛЕБОНЫ"
OWN, FREE, HIDDEN = "моя клетка", "свободная клетка", "не видно"
heard = []  # (kind, text) in the order the reader got them
every_event = []  # every object event, for the count at rest


def pump(seconds=0.05):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.time() >= end:
            return
        time.sleep(0.01)


def on_any_event(event):
    every_event.append(event.type)


def on_event(event):
    try:
        name = event.source.name or ""
        role = event.source.getRoleName()
    except Exception:  # the object is gone already
        name, role = "", ""
    kind = event.type
    if kind.startswith("object:state-changed:focused") and event.detail1:
        heard.append(("focus", name))
    elif kind.startswith("object:announcement"):
        heard.append(("announcement", str(event.any_data)))
    elif kind.startswith("object:state-changed:showing") and event.detail1 and role == "notification":
        heard.append(("notification", name))


def say(text):
    print(text, flush=True)


def fail(text):
    say("FAILED: " + text)
    say("heard so far:")
    for kind, words in heard[-30:]:
        say(f"  {kind}: {words}")
    sys.exit(1)


class GameOver(Exception):
    """A computer organism took the player's last cell: the box that says so has the focus."""


def check_game_over():
    if watching_for_defeat and last_focus() == "ОК":
        raise GameOver()


watching_for_defeat = False


def until(what, check, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        pump(0.05)
        check_game_over()
        value = check()
        if value:
            return value
    fail("timed out waiting for " + what)


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        pump(0.15)
        check_game_over()


def focus_window(title):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + title], capture_output=True,
                         text=True).stdout.split()
    if out:
        subprocess.run(["xdotool", "windowfocus", "--sync", out[-1]], check=False)
    return bool(out)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "klebony":
            return app
    return None


def find(root, test, depth=0):
    """The first descendant that passes `test`; the board's cells are not walked."""
    if root is None or depth > 12:
        return None
    for child in root:
        if child is None:
            continue
        if test(child):
            return child
        if child.getRoleName() == "list" and child.name == "Поле":
            continue
        found = find(child, test, depth + 1)
        if found is not None:
            return found
    return None


def named(name):
    return lambda o: o.name == name


def starts(prefix):
    return lambda o: (o.name or "").startswith(prefix)


def last_focus():
    for kind, words in reversed(heard):
        if kind == "focus":
            return words
    return ""


def heard_after(mark, kind_prefix=""):
    return [(k, w) for k, w in heard[mark:] if k.startswith(kind_prefix)]


def news_after(mark):
    return [w for k, w in heard[mark:] if k in ("announcement", "notification") and w]


def transcript(mark, title):
    say(f"reader ({title}):")
    for kind, words in heard[mark:]:
        say(f"reader:   {kind}: {words}")


def main():
    global watching_for_defeat
    klebony, work = sys.argv[1], sys.argv[2]
    listened = ["object:state-changed:focused", "object:state-changed:showing"]
    pyatspi.Registry.registerEventListener(on_event, *listened)
    pyatspi.Registry.registerEventListener(on_any_event, "object", "window", "focus")
    try:
        pyatspi.Registry.registerEventListener(on_event, "object:announcement")
    except Exception:
        pass  # an older bus knows no announcements; Qt 6.4 shows a notification instead
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    game = subprocess.Popen([klebony], cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        app = until("the game on the accessibility bus", application, 60)
        # The computer organisms may win a game before the checks are done:
        # the box is confirmed and a new game is played.
        for attempt in range(6):
            try:
                play(app, game, work)
                return
            except GameOver:
                say("-- the game was lost; its box confirmed by Enter, and a new game")
                transcript(len(heard) - 3, "the defeat")
                watching_for_defeat = False
                key("Return")
        fail("six games lost in a row")
    finally:
        if game.poll() is None:
            game.kill()


def play(app, game, work):
    global watching_for_defeat
    say("-- start screen, by keys")
    until("the start screen", lambda: focus_window("Клебоны v1.0"), 30)
    play_button = until("the button Игра", lambda: find(app, named("Игра")), 30)
    for _ in range(6):
        if play_button.getState().contains(pyatspi.STATE_FOCUSED):
            break
        key("Tab")
    key("space")

    say("-- the game window: Tab to the board")
    until("the game window", lambda: focus_window(GAME_TITLE), 30)
    board = until("the board named Поле", lambda: find(app, lambda o: o.name == "Поле" and o.getRoleName() == "list"))
    if board.childCount != 36 * 36:
        fail(f"the board has {board.childCount} cells")
    for _ in range(8):
        if board.getState().contains(pyatspi.STATE_FOCUSED):
            break
        key("Tab")
    until("the board's focus", lambda: board.getState().contains(pyatspi.STATE_FOCUSED), 10)

    watching_for_defeat = True
    say("-- at rest: what the reader is sent while nobody plays")
    pump(2)
    count = len(every_event)
    pump(5)
    rate = (len(every_event) - count) / 5
    say(f"events per second at rest: {rate:.1f}")
    if rate > 1:
        fail(f"{rate} events a second at rest: " + repr(every_event[count:count + 10]))

    say("-- the first turn over the board")
    mark = len(heard)
    key("Right")  # the first key finds the player's own cell
    until("the own cell in focus", lambda: OWN in last_focus() and last_focus().startswith("Столбец"))
    home = last_focus()
    names = [board.getChildAtIndex(i).name for i in range(36 * 36)]
    if sum(OWN in n for n in names) != 1 or any(not n.startswith("Столбец") for n in names):
        fail("the board's cells at the start: " + repr([n for n in names if HIDDEN not in n]))
    if sum(HIDDEN in n for n in names) != 36 * 36 - 1:
        fail("the fog hides less than everything but the own cell")
    own_index = next(i for i, n in enumerate(names) if OWN in n)
    x0, y0 = own_index % 36, own_index // 36
    say(f"own cell: {home}")
    key("Right", "Left")
    until("news of the hidden cell", lambda: news_after(mark))
    key("h")
    until("the turn button at Ход 2", lambda: find(app, named("Ход 2")))
    transcript(mark, "the first turn")

    say("-- turns until the stock pays a mutation")
    amino = None
    for turn in range(40):
        amino = find(app, starts("АМИНОКИСЛОТ:"))
        stock = int("".join(ch for ch in amino.name.split(":")[-1] if ch.isdigit()) or 0)
        if stock >= 5:
            break
        key("h")
        pump(0.3)
    say(f"stock: {amino.name}")

    say("-- a mutation bought by keys")
    mark = len(heard)
    key("m")
    offer = None
    for _ in range(40):
        key("Down")
        words = last_focus()
        if "аминокислот хватает" in words:
            offer = words
            break
    if offer is None:
        fail("no caption offered a step the stock pays for")
    caption = offer.split(":")[0] + ":"

    def value():  # the value label reads with its caption, and never as an offer
        label = find(app, lambda o: (o.name or "").startswith(caption + " ") and "Мутация" not in o.name
                     and o.getRoleName() == "label")
        return label.name if label else ""

    before = value()
    key("Return")
    until("the value raised", lambda: value() not in ("", before))
    say(f"bought: {before} -> {value()}")
    transcript(mark, "the mutation")

    say("-- a capture by Enter")
    mark = len(heard)
    key("Home")
    until("home", lambda: OWN in last_focus())
    captured = False
    for turn in range(30):
        names = [board.getChildAtIndex(i).name for i in range(36 * 36)]
        free = [(dx, dy, k) for dx, dy, k in ((1, 0, "Right"), (-1, 0, "Left"), (0, 1, "Down"), (0, -1, "Up"))
                if 0 <= x0 + dx < 36 and 0 <= y0 + dy < 36 and FREE in names[(y0 + dy) * 36 + x0 + dx]]
        if free:
            dx, dy, direction = free[0]
            key("Home", direction)
            until("the free cell in focus", lambda: FREE in last_focus())
            key("Return")
            pump(0.5)
            if OWN in board.getChildAtIndex((y0 + dy) * 36 + x0 + dx).name:
                # The marked cell, read again after Enter, is the player's now.
                until("the captured cell read as own", lambda: OWN in last_focus())
                captured = True
                break
        key("h")
        pump(0.3)
    if not captured:
        fail("no free neighbour was captured by Enter")
    transcript(mark, "the capture")

    say("-- a save through F10 and the file dialog")
    key("F10", "Down", "Down", "Return")
    until("the save dialog", lambda: focus_window("Сохранить игру"), 30)
    save = os.path.join(work, "keys.klb")
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "15", save], check=True)
    key("Return")
    until("the saved file", lambda: os.path.exists(save) and os.path.getsize(save) > 0, 30)

    watching_for_defeat = False
    say("-- Esc ends the game")
    until("the game window again", lambda: focus_window(GAME_TITLE), 30)
    key("Escape")
    end = time.time() + 20
    while game.poll() is None and time.time() < end:
        pump(0.1)
    if game.poll() != 0:
        fail(f"the game ended with {game.poll()}")
    say("passed")


if __name__ == "__main__":
    main()
