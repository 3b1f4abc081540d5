#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the windows around the game, as a player sees them: the
# start screen, the name dialog, a game in progress and the about box.
# Usage: tools/screenshot_shell.sh [BIN_DIR] [OUT_DIR]   (needs xvfb-run, xdotool, imagemagick)
set -euo pipefail
# xdotool matches the Cyrillic titles only in a UTF-8 locale; C.UTF-8 is always there.
export LC_ALL=C.UTF-8
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$root/build/test/bin}" && pwd)
out=$(mkdir -p "${2:-/tmp/klebony-shots}" && cd "${2:-/tmp/klebony-shots}" && pwd)

if [[ -z ${KLEBONY_SHOTS_INNER:-} ]]; then
  exec env KLEBONY_SHOTS_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$bin" "$out"
fi
source "$root/tests/e2e/xdrive.sh"

shot() {
  sleep 0.4  # a few animation steps
  import -window root "$out/$1.png"
  echo "$out/$1.png"
}

cd "$bin"
QT_QPA_PLATFORM=xcb ./klebony &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

menu=$(wait_window '^Клебоны v1\.0$')
shot 1-start-screen

click_at "$menu" 96 98  # "Настройки"
dialog=$(wait_window '^Введите свое имя:$')
keys "$dialog" End BackSpace BackSpace BackSpace
shot 2-name-dialog
keys "$dialog" Return
wait_gone '^Введите свое имя:$'

click_at "$menu" 96 44  # "Игра"
game=$(wait_window '^Игра - КЛЕБОНЫ')
bar=$(($(client_height "$game") - 502))
keys "$game" h h h h h
click_at "$game" 226 $((bar + 226))
shot 3-game

click_at "$game" 152 $((bar / 2))  # the menu "Помощь", third in the bar
sleep 0.3
keys "$game" Down Down Return  # "Справка", "О программе"
about=$(wait_window '^О Программе$')
shot 4-about-box
keys "$about" Escape
wait_gone '^О Программе$'

keys "$game" Escape
wait_exit $pid 10 && echo "ended with status 0"
