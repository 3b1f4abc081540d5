#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU the game costs while nobody plays: the start screen, and the game
# window after "Игра", each left alone for SECONDS, beside a one-label Qt
# window measured in the same Xvfb session. Reads utime + stime of the
# process from /proc/PID/stat and prints percent of one core.
# Usage: tools/measure_idle.sh [BIN_DIR] [SECONDS]   (needs xvfb-run, xdotool)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$root/build/test/bin}" && pwd)
seconds=${2:-30}

source "$root/tools/startup_baseline/build.sh"
rerun_in_xvfb "$root" "$0" "$bin" "$seconds"

# xdotool and the game both need a UTF-8 locale for the Russian titles.
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
source "$root/tests/e2e/xdrive.sh"
ticks_per_second=$(getconf CLK_TCK)

# cpu_ticks PID: utime + stime so far (fields 14 and 15; the name in
# brackets may hold blanks, so count from the closing bracket).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }

# measure PID: percent of one core over the next SECONDS, after a settling pause.
measure() {
  local pid=$1 before after
  # The pointer rests away from every window: nothing is hovered.
  xdotool mousemove 1000 740
  sleep 3
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" \
    'BEGIN {printf "%.2f", 100 * t / hz / s}'
}

# wait_shown PID: until the process has a visible window.
wait_shown() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --pid "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "no window from process $1" >&2
  return 1
}

stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

cd "$bin"  # the game's sounds lie here

"$BASELINE" 2>/dev/null &
pid=$!
wait_shown "$pid"
bare=$(measure "$pid")
stop "$pid"

./klebony 2>/dev/null &
pid=$!
trap 'stop $pid' EXIT
wait_window '^Клебоны v1\.0$' >/dev/null
menu=$(measure "$pid")
click_at "$(wait_window '^Клебоны v1\.0$')" 96 44  # "Игра"
wait_window '^Игра - КЛЕБОНЫ' >/dev/null
game=$(measure "$pid")
stop "$pid"
trap - EXIT

echo "idle CPU over ${seconds} s, percent of one core"
echo "start screen      $menu"
echo "game window       $game"
echo "one-label window  $bare"
