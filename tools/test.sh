#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: the format and licence checks, the
# test build with all tests, then the rules, the file format and the driver
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# loader's fuzzer for a minute while the release build is made, and last the
# Debian package, checked and played unpacked. Each build has its own preset
# and folder (CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh test
jobs=$(nproc)
werror=OFF
[[ ${CI:-} == true ]] && werror=ON

# Each stage's time goes into the summary at the end.
times=() stage_name="" stage_start=$SECONDS
stage() {
  [[ -n $stage_name ]] && times+=("$stage_name $((SECONDS - stage_start)) s")
  stage_name=$1 stage_start=$SECONDS
  [[ -n $1 ]] && echo "== $1"
  return 0
}

stage "format"
tools/format_check.sh

# Every file says its copyright and licence (REUSE): in its head, or in
# .reuse/dep5 when it cannot carry a comment. Quiet unless something lacks one.
stage "licences"
reuse lint >/dev/null || reuse lint

stage "test build and tests"
cmake --preset test -DKLEBONY_WERROR=$werror >/dev/null
cmake --build --preset test -j"$jobs"
ctest --preset test -j"$jobs"

stage "sanitizers"
cmake --preset debug-asan -DKLEBONY_WERROR=$werror >/dev/null
cmake --build --preset debug-asan -j"$jobs"
ctest --preset debug-asan -j"$jobs"

stage "fuzzing the loader beside the release build"
cmake --preset fuzz -DKLEBONY_WERROR=$werror >/dev/null
cmake --build --preset fuzz -j"$jobs" --target fuzz_load
# The fuzzer keeps one core busy for its minute; the release build takes the
# rest meanwhile. Its report is shown whole once it ends.
fuzz_log=$(mktemp)
trap 'rm -f "$fuzz_log"' EXIT
tools/fuzz.sh build/fuzz 60 >"$fuzz_log" 2>&1 &
fuzz_pid=$!
deb=$(tools/package.sh) || { kill "$fuzz_pid" 2>/dev/null; exit 1; }
fuzz_status=0
wait "$fuzz_pid" || fuzz_status=$?
cat "$fuzz_log"
((fuzz_status == 0)) || { echo "the loader's fuzzer failed (status $fuzz_status)"; exit 1; }

stage "Debian package"
echo "$deb"
bash tests/e2e/package_test.sh "$deb" build/test/bin
stage ""
echo "Times: $(IFS=,; echo "${times[*]}" | sed 's/,/, /g')"
echo "All tests passed."
