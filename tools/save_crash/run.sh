#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills the game with SIGKILL at random moments of a loop of saves and checks
# what a crash leaves: the saved file must always be the whole old or the
# whole new game, and no temporary file may stay behind (one left by a kill
# between naming and renaming must be gone after the next save of that file).
#   tools/save_crash/run.sh [-n TRIALS] [-s SAVES] [-b BUILD_DIR] [--named] FOLDER...
# Each FOLDER is where the saves go (say one on ext4 and one on tmpfs, such
# as /dev/shm). --named preloads a shim that fails O_TMPFILE, to try the way
# taken on file systems without unnamed files. Prints one line per folder:
#   FOLDER (FS, WAY, timings): trials T (killed mid-loop M), damaged D, left behind L,
#   left after the next save A
# and exits 1 when any trial damaged the file or left something for good.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
trials=300
build=$root/build/test
named=0
saves=40
while [[ $# -gt 0 ]]; do
  case $1 in
    -n) trials=$2; shift 2 ;;
    -s) saves=$2; shift 2 ;;
    -b) build=$2; shift 2 ;;
    --named) named=1; shift ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
if [[ $# -eq 0 ]]; then
  echo "usage: $0 [-n TRIALS] [-s SAVES] [-b BUILD_DIR] [--named] FOLDER..." >&2
  exit 2
fi
headless=$build/bin/klebony-headless
if [[ ! -x $headless ]]; then
  echo "$headless not found: build the target klebony-headless" >&2
  exit 2
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
preload=
if [[ $named -eq 1 ]]; then
  cc -shared -fPIC -O2 -o "$scratch/no_tmpfile.so" "$root/tools/save_crash/no_tmpfile.c" -ldl
  preload=$scratch/no_tmpfile.so
fi

# The script of one run: a game whose file changes with every save.
script_for() {  # target-of-save-number-i (printf pattern)
  printf 'seed 7\nnewgame\n'
  for ((i = 0; i < saves; i++)); do
    # shellcheck disable=SC2059  # the target is itself a printf pattern
    printf "save $1\nturn\n" "$i"
  done
}

time_us() {  # SCRIPT: the shortest of three runs, in microseconds
  local best=0 start took
  for _ in 1 2 3; do
    start=$(date +%s%N)
    LD_PRELOAD=$preload "$headless" "$1" >/dev/null
    took=$((($(date +%s%N) - start) / 1000))
    [[ $best -gt 0 && $best -le $took ]] || best=$took
  done
  echo "$best"
}

failed=0
for folder in "$@"; do
  work=$(mktemp -d "$folder/klebony-crash-XXXXXX")
  fs=$(df --output=fstype "$work" | tail -n 1)
  # Every state the file may rightly hold: the bytes of each save of the run.
  mkdir "$scratch/ref"
  script_for "$scratch/ref/%d.klb" >"$scratch/ref.kls"
  "$headless" "$scratch/ref.kls" >/dev/null
  sha256sum "$scratch"/ref/*.klb | cut -d' ' -f1 | sort -u >"$scratch/good"
  first=$(sha256sum <"$scratch/ref/0.klb" | cut -d' ' -f1)
  last=$(sha256sum <"$scratch/ref/$((saves - 1)).klb" | cut -d' ' -f1)
  cp "$scratch/ref/0.klb" "$work/game.klb"
  rm -rf "$scratch/ref"
  script_for "$work/game.klb" >"$scratch/run.kls"
  # Kill anywhere between the end of the start-up and the end of the run:
  # the shortest of three runs, without and with the saves.
  printf 'seed 7\nnewgame\n' >"$scratch/start.kls"
  startup_us=$(time_us "$scratch/start.kls")
  span_us=$(time_us "$scratch/run.kls")
  [[ $span_us -gt $startup_us ]] || span_us=$((startup_us + 1))
  damaged=0 left=0 kept=0 midway=0
  for ((t = 0; t < trials; t++)); do
    delay_us=$((RANDOM * 32768 + RANDOM))
    delay_us=$((startup_us + delay_us % (span_us - startup_us)))
    LD_PRELOAD=$preload "$headless" "$scratch/run.kls" >/dev/null 2>&1 &
    pid=$!
    sleep "$(printf '0.%06d' "$delay_us")"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    held=$(sha256sum <"$work/game.klb" 2>/dev/null | cut -d' ' -f1 || true)
    if [[ ! -f $work/game.klb ]] || ! grep -qx "$held" "$scratch/good"; then
      damaged=$((damaged + 1))
    elif [[ $held != "$first" && $held != "$last" ]]; then
      midway=$((midway + 1))  # killed while the loop of saves was going on
    fi
    extra=$(find "$work" -mindepth 1 ! -name game.klb | wc -l)
    if [[ $extra -gt 0 ]]; then
      left=$((left + 1))
      # The next save, run to its end, must sweep what the killed one left.
      printf 'seed 7\nnewgame\nsave %s\n' "$work/game.klb" >"$scratch/one.kls"
      LD_PRELOAD=$preload "$headless" "$scratch/one.kls" >/dev/null
      [[ $(find "$work" -mindepth 1 ! -name game.klb | wc -l) -eq 0 ]] || kept=$((kept + 1))
      find "$work" -mindepth 1 ! -name game.klb -delete
    fi
  done
  way=unnamed
  [[ $named -eq 1 ]] && way=named
  echo "$folder ($fs, $way, start-up $((startup_us / 1000)) ms, $saves saves $(((span_us - startup_us) / 1000)) ms):" \
    "trials $trials (killed mid-loop $midway), damaged $damaged, left behind $left, left after the next save $kept"
  [[ $damaged -eq 0 && $kept -eq 0 ]] || failed=1
  rm -rf "$work"
done
exit $failed
