#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game in a Wayland session without X: under weston's headless backend it
# must reach the start screen's first paint through Qt's Wayland plugin, and
# end with status 0 when the session asks it to (SIGTERM).
# Usage: wayland_start.sh BIN_DIR    (exit status 77 when weston is missing)
set -euo pipefail
bin=$(cd "$1" && pwd)
if ! command -v weston >/dev/null; then
  echo "skipped: weston is not installed"
  exit 77
fi

export LC_ALL=C.UTF-8
unset DISPLAY
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
socket=klebony-test-$$
weston_pid="" game_pid=""
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=1024 \
  >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/$socket ]] && break; sleep 0.1; done
if [[ ! -S $XDG_RUNTIME_DIR/$socket ]]; then
  echo "weston did not start:"
  cat "$XDG_RUNTIME_DIR/weston.log"
  exit 1
fi

log=$XDG_RUNTIME_DIR/klebony.log
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland KLEBONY_REPORT_FIRST_PAINT=1 "$bin/klebony" >"$log" 2>&1 &
game_pid=$!
for _ in $(seq 300); do
  grep -q '^first-paint ' "$log" && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q '^first-paint ' "$log"; then
  echo "the start screen was never painted under Wayland:"
  cat "$log"
  exit 1
fi

kill -TERM "$game_pid"
status=0
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then
  # Where each thread waits, for the report; then it goes, so that the test
  # fails now instead of at ctest's timeout.
  echo "klebony did not end on SIGTERM; its threads wait in:"
  for t in /proc/"$game_pid"/task/*; do
    echo "  $(cat "$t/comm" 2>/dev/null): $(sed -n 's/^State:\t//p' "$t/status" 2>/dev/null), $(cat "$t/wchan" 2>/dev/null)"
  done
  kill -KILL "$game_pid" 2>/dev/null || true
  cat "$log"
  exit 1
fi
wait "$game_pid" || status=$?
game_pid=""
if ((status != 0)); then
  echo "klebony ended with status $status on SIGTERM:"
  cat "$log"
  exit 1
fi
echo "passed: first paint under Wayland, clean end on SIGTERM"
