# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A burst of one signal at the game, as a session manager or a script in a
loop sends; then waits for the game to end.

Usage: signal_flood.py SIGNAL COUNT SECONDS PID
       signal_flood.py SIGNAL COUNT SECONDS -- COMMAND...
The second form starts the game itself and sends the burst as soon as the game
catches SIGNAL, while it is still starting. Exits 0 when the game ended within
SECONDS of the first signal (the second form: and with status 0), else 1.
"""
import os
import signal
import subprocess
import sys
import time


def status(pid):
    """The fields of /proc/PID/status; none once the process is reaped."""
    try:
        with open(f"/proc/{pid}/status") as f:
            return dict(line.split(":\t", 1) for line in f)
    except FileNotFoundError:
        return {}


def ended(pid):
    return status(pid).get("State", "Z")[0] in "ZX"


def flood(pid, number, count, seconds):
    start = time.monotonic()
    sent = 0
    try:
        for sent in range(1, count + 1):
            os.kill(pid, number)
    except ProcessLookupError:
        sent -= 1
    while not ended(pid) and time.monotonic() - start < seconds:
        time.sleep(0.02)
    took = time.monotonic() - start
    print(f"{sent} x {number.name}: {'ended' if ended(pid) else 'still running'} after {took:.2f} s")
    return ended(pid)


def main():
    number = signal.Signals["SIG" + sys.argv[1]]
    count, seconds = int(sys.argv[2]), float(sys.argv[3])
    if sys.argv[4] != "--":
        sys.exit(0 if flood(int(sys.argv[4]), number, count, seconds) else 1)
    game = subprocess.Popen(sys.argv[5:])
    deadline = time.monotonic() + 20
    # Python catches only SIGINT: for SIGTERM or SIGHUP the bit is the game's.
    while not int(status(game.pid).get("SigCgt", "0"), 16) >> (number - 1) & 1:
        if game.poll() is not None or time.monotonic() > deadline:
            game.kill()
            sys.exit(f"the game never caught {number.name}")
        time.sleep(0.001)
    if not flood(game.pid, number, count, seconds):
        game.kill()
        sys.exit(1)
    if game.wait() != 0:
        sys.exit(f"the game ended with status {game.returncode}")


main()
