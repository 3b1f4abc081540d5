#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A window destroyed by another X client (xdotool windowclose; a crashing
# compositor does the same) ends as its close box would: the start screen's
# ends the game with status 0, the game window's returns to the start screen,
# and the next "Игра" shows the game window again. Catches a game left
# running without any window on the screen.
# Usage: window_destroyed.sh BIN_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "skipped: xvfb-run or xdotool is not installed"
  exit 77
fi
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

failed() {
  echo "$1"
  cat "$work/out.log"
  exit 1
}

start() {
  QT_QPA_PLATFORM=xcb "$bin/klebony" >"$work/out.log" 2>&1 &
  pid=$!
}

# The start screen destroyed: the game must end with status 0.
destroy_start_screen() {
  xdotool windowclose "$1"
  local status=0
  wait_exit "$pid" 5 || status=$?
  pid=""
  ((status == 0)) || failed "the game did not end with status 0 (status $status)"
}

echo "-- the start screen destroyed"
start
destroy_start_screen "$(wait_window '^Клебоны v1\.0$')"

echo "-- the game window destroyed, twice"
start
menu=$(wait_window '^Клебоны v1\.0$')
for round in 1 2; do
  click_at "$menu" 96 44 # "Игра"
  game=$(wait_window '^Игра - КЛЕБОНЫ') || failed "no game window in round $round"
  xdotool windowclose "$game"
  menu=$(wait_window '^Клебоны v1\.0$' 5) || failed "no start screen after round $round"
done
destroy_start_screen "$menu"
echo "passed"
