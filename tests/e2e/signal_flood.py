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


def status_field(pid, name):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(name + ":"):
                return line.split()[1]
    return ""


def catches(pid, number):
    try:
        mask = int(status_field(pid, "SigCgt"), 16)
        return status_field(pid, "Name") == "klebony" and mask >> (number - 1) & 1
    except FileNotFoundError:
        return False


def ended(pid):
    try:
        return status_field(pid, "State") in ("Z", "X")
    except FileNotFoundError:
        return True


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
    while not catches(game.pid, number):
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
