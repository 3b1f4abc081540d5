#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A burst of 100,000 termination signals, as a session manager or a script in
# a loop sends, ends the game within 2 s and with status 0: at the start
# screen four times in a row, by SIGHUP, with the game window open modally,
# and while the game is still starting. Catches a signal handler that blocks
# once the event loop has stopped reading, and a quit lost before the loop runs.
# Usage: quit_signal.sh BIN_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null || ! command -v python3 >/dev/null; then
  echo "skipped: xvfb-run, xdotool or python3 is not installed"
  exit 77
fi
# -noreset: between two games the server has no client, and a reset then
# refuses the next game's connection now and again.
if [[ -z ${KLEBONY_E2E_INNER:-} ]]; then
  exec env LC_ALL=C.UTF-8 KLEBONY_E2E_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi

source "$here/xdrive.sh"
work=$(mktemp -d)
pid=""
cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

# The game as the test starts it. A test run under nohup would hand it SIGHUP
# ignored, and the game keeps it so.
game=(env --default-signal=HUP QT_QPA_PLATFORM=xcb "$bin/klebony")

failed() {
  echo "$1"
  cat "$work/out.log"
  exit 1
}

# trial SIGNAL PLACE: PLACE is "start" (the start screen shown) or "game" (the
# game window open modally).
trial() {
  local signal=$1 place=$2 menu status=0
  echo "-- SIG$signal at $place"
  "${game[@]}" >"$work/out.log" 2>&1 &
  pid=$!
  menu=$(wait_window '^Клебоны v1\.0$')
  if [[ $place == game ]]; then
    click_at "$menu" 96 44 # "Игра"
    wait_window '^Игра - КЛЕБОНЫ' >/dev/null
  fi
  python3 "$here/signal_flood.py" "$signal" 100000 2 "$pid" || failed "the game did not end within 2 s"
  wait "$pid" || status=$?
  pid=""
  ((status == 0)) || failed "klebony ended with status $status"
}

for _ in 1 2 3 4; do trial TERM start; done
trial HUP start
trial TERM game
echo "-- SIGTERM while starting"
python3 "$here/signal_flood.py" TERM 100000 2 -- "${game[@]}" 2>"$work/out.log" || failed "no clean end"
echo "passed"
