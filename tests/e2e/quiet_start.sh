#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A normal start and a clean end print nothing: under Xvfb the game shows its
# start screen, loads its sounds and ends by the window's close box with
# status 0 and an empty standard error, on whatever Debian and Qt the test
# runs. First with no sound server, as in a bare container; then, when
# PulseAudio is installed, with a private PulseAudio server of its own, as on
# a desktop. The user's own QT_LOGGING_RULES are taken away for the run.
# Usage: quiet_start.sh BIN_DIR    (exit status 77 without xvfb-run or xdotool)
set -euo pipefail
bin=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null || ! command -v python3 >/dev/null; then
  echo "skipped: xvfb-run, xdotool or python3 is not installed"
  exit 77
fi
if [[ -z ${KLEBONY_E2E_INNER:-} ]]; then
  exec env LC_ALL=C.UTF-8 KLEBONY_E2E_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

source "$here/xdrive.sh"
work=$(mktemp -d)
pid="" pulse_pid=""
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
  [[ -n $pulse_pid ]] && kill "$pulse_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail=0

# start_and_quit WHAT [VAR=VALUE...]: one start and close-box end of the game,
# in a session's environment: a private XDG_RUNTIME_DIR, as a desktop has.
start_and_quit() {
  local what=$1 status=0 menu
  shift
  : >"$work/err"
  (cd "$work" && exec env -u QT_LOGGING_RULES XDG_RUNTIME_DIR="$work" "$@" QT_QPA_PLATFORM=xcb \
    "$bin/klebony" >/dev/null 2>"$work/err") &
  pid=$!
  menu=$(wait_window '^Клебоны v1\.0$')
  # The sounds load just after the first paint: give them time to.
  pause 1.5
  python3 "$here/wm_close.py" "$menu"
  wait_exit "$pid" 20 || status=$?
  pid=""
  if ((status != 0)); then
    echo "FAILED: $what: klebony ended with status $status"
    fail=1
  fi
  if [[ -s $work/err ]]; then
    echo "FAILED: $what: klebony wrote to standard error:"
    sed 's/^/  | /' "$work/err"
    fail=1
  fi
  ((fail)) || echo "ok: $what"
}

start_and_quit "start and end without a sound server" PULSE_SERVER=unix:"$work/no-such-server"

if command -v pulseaudio >/dev/null; then
  # A server of this test alone, with a sink that plays into nothing.
  mkdir -m 700 "$work/pulse"
  pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" \
    --load="module-null-sink" >"$work/pulse.log" 2>&1 &
  pulse_pid=$!
  for _ in $(seq 100); do [[ -S $work/pulse/native ]] && break; sleep 0.1; done
  if [[ -S $work/pulse/native ]]; then
    start_and_quit "start and end with a PulseAudio server" PULSE_SERVER=unix:"$work/pulse/native"
  else
    echo "FAILED: the test's PulseAudio server did not start:"
    cat "$work/pulse.log"
    fail=1
  fi
else
  echo "not tried with a sound server: PulseAudio is not installed"
fi
exit $fail
