#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the saved game loader: runs BUILD_DIR's fuzz_load on a copy of the
# seed corpus for SECONDS seconds. Fails when the fuzzer finds a crash, a
# sanitizer report or a broken round trip; the input is kept in
# BUILD_DIR/fuzz-artifacts.
#   tools/fuzz.sh BUILD_DIR SECONDS [extra libFuzzer options...]
set -euo pipefail
if [[ $# -lt 2 ]]; then
  echo "usage: $0 BUILD_DIR SECONDS [libFuzzer options...]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
seconds=$2
shift 2
fuzzer=$build/bin/fuzz_load
if [[ ! -x $fuzzer ]]; then
  echo "$fuzzer not found: configure with -DKLEBONY_FUZZ=ON and clang++, then build target fuzz_load" >&2
  exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/tests/fuzz/corpus/*.klb "$work"/
artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts"
# Longer than the longest save, so that over-long files are tried too.
"$fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$artifacts/" -print_final_stats=1 "$@" "$work"
