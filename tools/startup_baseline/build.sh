# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the measuring scripts: builds the one-label Qt window they
# compare the game against and prints the path of its program.
# Usage: baseline=$(build_baseline ROOT)
build_baseline() {
  local base=$1/build/startup_baseline
  cmake -S "$1/tools/startup_baseline" -B "$base" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$base" >/dev/null
  echo "$base/startup_baseline"
}

# Runs the calling script again inside Xvfb, with the baseline's program in
# BASELINE, unless it already runs there. Usage: rerun_in_xvfb ROOT SCRIPT ARGS...
rerun_in_xvfb() {
  [[ -n ${KLEBONY_MEASURE_INNER:-} ]] && return 0
  local root=$1 baseline
  shift
  baseline=$(build_baseline "$root")
  exec env KLEBONY_MEASURE_INNER=1 BASELINE="$baseline" xvfb-run -a -s "-screen 0 1024x768x24" bash "$@"
}
