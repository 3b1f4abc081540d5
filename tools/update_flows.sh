#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Rewrites every tests/flows/NAME.expected (and NAME.status, the exit status
# when it is not 0) from what klebony-headless prints now, building it first.
# A deliberate change of the driver's output is then this one command and a
# look at `git diff tests/flows`. Each script runs in an empty folder of its
# own, as ctest runs it (tests/flows/run_flow.cmake).
# Usage: tools/update_flows.sh [BUILD_DIR]   (default build/test, the test preset)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/test}
if [ ! -f "$build/CMakeCache.txt" ]; then
  (cd "$root" && cmake --preset test -B "$build" >/dev/null)
fi
cmake --build "$build" --target klebony-headless -j2 >/dev/null
driver=$build/bin/klebony-headless
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

changed=0
scripts=0
for script in "$root"/tests/flows/*.kls; do
  name=$(basename "$script" .kls)
  scripts=$((scripts + 1))
  expected=$root/tests/flows/$name.expected
  status=0
  mkdir "$work/$name"
  (cd "$work/$name" && "$driver" "$script" >"$work/$name.out" 2>/dev/null) || status=$?
  if ! cmp -s "$work/$name.out" "$expected"; then
    cp "$work/$name.out" "$expected"
    changed=$((changed + 1))
    echo "rewrote tests/flows/$name.expected"
  fi
  if [ "$status" -ne 0 ]; then
    echo "$status" >"$root/tests/flows/$name.status"
  else
    rm -f "$root/tests/flows/$name.status"
  fi
done
echo "$changed of $scripts outputs changed; see git diff tests/flows"
