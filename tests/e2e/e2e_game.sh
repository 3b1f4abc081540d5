#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole program as a player drives it: "Игра", a click on the board, a
# few turns, a save through the file dialog, back with Delete, "Игра" again and
# back by the window's close box, "Игра" once more and Esc. The program
# must end with status 0 and the file must load.
# Usage: e2e_game.sh BIN_DIR [HEADLESS_DIR]
#   HEADLESS_DIR holds klebony-headless when BIN_DIR does not (an unpacked package).
# The game gets the caller's locale, none included; the script and xdotool run
# in C.UTF-8, without which xdotool cannot match the Cyrillic titles.
set -euo pipefail
bin=$(cd "$1" && pwd)
headless=$(cd "${2:-$1}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null || ! command -v python3 >/dev/null; then
  echo "skipped: xvfb-run, xdotool or python3 is not installed"
  exit 77
fi
if [[ -z ${KLEBONY_E2E_INNER:-} ]]; then
  export KLEBONY_E2E_LOCALE="LANG=${LANG-} LC_ALL=${LC_ALL-} LC_CTYPE=${LC_CTYPE-}"
  exec env LC_ALL=C.UTF-8 KLEBONY_E2E_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

source "$here/xdrive.sh"
work=$(mktemp -d)
pid=""
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# Each step says when it began, in seconds from the program's start: the
# time each takes, which matters most under emulation.
now_ms() { date +%s%3N; }
start_ms=$(now_ms)
step() { echo "-- $* (at $(awk -v ms=$(($(now_ms) - start_ms)) 'BEGIN {printf "%.1f", ms / 1000}') s)"; }

game_env=(env -u LANG -u LC_ALL -u LC_CTYPE)
for v in $KLEBONY_E2E_LOCALE; do [[ $v == *=?* ]] && game_env+=("$v"); done
given="${game_env[*]:7}"
echo "-- the game's locale: ${given:-none}"

# Menu items are chosen by their actions' names through this pipe, not by
# their places in the menu (ui/shell/action_pipe.h).
actions=$work/actions
mkfifo "$actions"
choose() { echo "$1" >"$actions"; }

# A working directory without "Sound": the game finds the one beside it.
cd "$work"
start_ms=$(now_ms)
"${game_env[@]}" QT_QPA_PLATFORM=xcb KLEBONY_ACTION_PIPE="$actions" KLEBONY_REPORT_FIRST_PAINT=1 "$bin/klebony" >"$work/out.log" 2>&1 &
pid=$!

step "start screen"
menu=$(wait_window '^Клебоны v1\.0$')
for _ in $(seq $((50 * e2e_slow))); do grep -q '^first-paint ' "$work/out.log" && break; sleep 0.1; done
paint=$(sed -n 's/^first-paint //p' "$work/out.log" | head -n 1)
[[ -n $paint ]] && echo "-- first paint after $((paint - start_ms)) ms"
click_at "$menu" 96 44  # "Игра"

step "game window"
game=$(wait_window '^Игра - КЛЕБОНЫ')
bar=$(($(client_height "$game") - 502))  # the menu bar sits above the 792 x 502 client
click_at "$game" $((10 + 216)) $((bar + 10 + 216))
keys "$game" h h h

step "save through the file dialog"
choose saveAction  # "Игра" > "Сохранить"
dialog=$(wait_window '^Сохранить игру')
save=$work/e2e.klb
keys "$dialog" ctrl+a
xdotool type --delay 15 "$save"
keys "$dialog" Return
for _ in $(seq $((100 * e2e_slow))); do [[ -s $save ]] && break; sleep 0.1; done
[[ -s $save ]] || { echo "the game was not saved to $save"; exit 1; }
wait_gone '^Сохранить игру'

step "back to the start screen with Delete"
keys "$game" Delete
wait_gone '^Игра - КЛЕБОНЫ'
menu=$(wait_window '^Клебоны v1\.0$')

step "a second game, left by the close box"
click_at "$menu" 96 44
game=$(wait_window '^Игра - КЛЕБОНЫ')
python3 "$here/wm_close.py" "$game"
wait_gone '^Игра - КЛЕБОНЫ'
menu=$(wait_window '^Клебоны v1\.0$')
kill -0 "$pid" || { echo "the close box of the game window ended the program"; exit 1; }

step "a third game, ended with Esc"
click_at "$menu" 96 44
game=$(wait_window '^Игра - КЛЕБОНЫ')
keys "$game" Escape
status=0
wait_exit "$pid" 20 || status=$?
pid=""
if ((status != 0)); then
  echo "klebony ended with status $status"
  cat "$work/out.log"
  exit 1
fi

step "the saved game loads"
out=$(printf 'load %s\ndump\n' "$save" | "$headless/klebony-headless")
if grep -q '^message ' <<<"$out"; then
  echo "loading the saved game failed:"
  echo "$out"
  exit 1
fi
# Three turns were ended with H before the save: the keys reached the game.
grep -q '^{"turn":3,' <<<"$out" || { echo "the saved game is not the one played: $out"; exit 1; }
step "passed"
