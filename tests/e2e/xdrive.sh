# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for driving the game under Xvfb with xdotool; sourced by the e2e
# test and the screenshot script.

# Under emulation (an arm64 package played under qemu-user) everything takes
# longer: KLEBONY_E2E_SLOW, a whole factor, multiplies every wait and pause.
e2e_slow=${KLEBONY_E2E_SLOW:-1}

# pause SECONDS: sleep, that much longer under emulation.
pause() { sleep "$(awk -v s="$1" -v f="$e2e_slow" 'BEGIN {print s * f}')"; }

# wait_window NAME [SECONDS]: prints the id of the visible window whose title
# matches NAME, polling until it appears.
wait_window() {
  local name=$1 limit=$((${2:-20} * e2e_slow)) waited=0 id
  while ((waited < limit * 10)); do
    id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | tail -n 1 || true)
    if [[ -n $id ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  echo "timed out waiting for window: $name" >&2
  return 1
}

# wait_gone NAME [SECONDS]: until no visible window matches NAME.
wait_gone() {
  local name=$1 limit=$((${2:-20} * e2e_slow)) waited=0
  while ((waited < limit * 10)); do
    if ! xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
    waited=$((waited + 1))
  done
  echo "timed out waiting for window to go: $name" >&2
  return 1
}

# client_height ID
client_height() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p'; }

# click_at ID X Y: a left click at client coordinates of the window.
# The pointer first goes one pixel aside: "--sync" waits for it to move, and
# would wait in vain when it already rests on the spot (a second "Игра").
click_at() {
  xdotool mousemove --window "$1" $(($2 + 1)) $(($3 + 1))
  xdotool mousemove --sync --window "$1" "$2" "$3"
  sleep 0.05
  xdotool click 1
}

# keys ID KEY...: keys for the window: focus it, then type them through XTEST.
keys() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  local k
  for k in "$@"; do
    xdotool key "$k"
    sleep 0.05
  done
}

# wait_exit PID [SECONDS]: the exit status of PID, or 124 when it did not end.
wait_exit() {
  local pid=$1 limit=$((${2:-20} * e2e_slow)) waited=0
  while kill -0 "$pid" 2>/dev/null && ((waited < limit * 10)); do
    sleep 0.1
    waited=$((waited + 1))
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    return 124
  fi
  local status=0
  wait "$pid" || status=$?
  return $status
}
