#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (process start to the start screen's first paint) and
# resident memory of the game, against a one-label Qt Widgets window measured
# in the same Xvfb session. Prints the medians of N runs of each.
# Usage: tools/measure_startup.sh [BIN_DIR] [N]   (needs xvfb-run)
set -euo pipefail
# The game and its Cyrillic titles in the locale every Debian has.
export LC_ALL=C.UTF-8
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$root/build/test/bin}" && pwd)
runs=${2:-10}

source "$root/tools/startup_baseline/build.sh"
rerun_in_xvfb "$root" "$0" "$bin" "$runs"

# measure PROGRAM: prints "MS KB", the time to the first paint and the
# resident set once the program has settled (sounds loaded).
measure() {
  local log start pid paint rss
  log=$(mktemp)
  start=$(date +%s%3N)
  KLEBONY_REPORT_FIRST_PAINT=1 QT_QPA_PLATFORM=xcb "$1" 2>"$log" &
  pid=$!
  for _ in $(seq 200); do
    grep -q '^first-paint ' "$log" && break
    sleep 0.025
  done
  paint=$(sed -n 's/^first-paint //p' "$log" | head -n 1)
  sleep 1.5
  rss=$(sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -f "$log"
  [[ -n $paint ]] || { echo "no first paint from $1" >&2; return 1; }
  echo "$((paint - start)) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }

cd "$bin"  # the game's sounds lie here
game_ms=() game_kb=() base_ms=() base_kb=()
for ((i = 0; i < runs; i++)); do
  read -r ms kb < <(measure "$BASELINE")
  base_ms+=("$ms") base_kb+=("$kb")
  read -r ms kb < <(measure ./klebony)
  game_ms+=("$ms") game_kb+=("$kb")
done
gm=$(printf '%s\n' "${game_ms[@]}" | median)
bm=$(printf '%s\n' "${base_ms[@]}" | median)
gk=$(printf '%s\n' "${game_kb[@]}" | median)
bk=$(printf '%s\n' "${base_kb[@]}" | median)
echo "runs: $runs each, alternating"
echo "first paint  klebony ${gm} ms   one-label window ${bm} ms   ratio $(awk "BEGIN {printf \"%.2f\", $gm / $bm}")"
echo "resident     klebony ${gk} kB   one-label window ${bk} kB   ratio $(awk "BEGIN {printf \"%.2f\", $gk / $bk}")"
