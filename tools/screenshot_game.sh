#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the game window as a player sees it, from a known position:
# the position is written as a saved game and loaded through the menu and the
# file dialog. Shows the board with the marker, an enemy under the pointer,
# the mutation mode, the help, and two moments apart for the animation.
# Usage: tools/screenshot_game.sh [BIN_DIR] [OUT_DIR] [SCALE]
#   (needs xvfb-run, xdotool, imagemagick; SCALE 2 runs with QT_SCALE_FACTOR=2)
set -euo pipefail
# xdotool matches the Cyrillic titles only in a UTF-8 locale; C.UTF-8 is always there.
export LC_ALL=C.UTF-8
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$root/build/test/bin}" && pwd)
out=$(mkdir -p "${2:-$root/build/screenshots}" && cd "${2:-$root/build/screenshots}" && pwd)
scale=${3:-1}

if [[ -z ${KLEBONY_SHOTS_INNER:-} ]]; then
  exec env KLEBONY_SHOTS_INNER=1 xvfb-run -a -s "-screen 0 1920x1200x24" bash "$0" "$bin" "$out" "$scale"
fi

wait_window() {  # NAME: the id of the visible window with that title
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window $1" >&2
  return 1
}
move_to() { xdotool mousemove --sync --window "$1" "$2" "$3"; sleep 0.1; }
click_at() { move_to "$@"; xdotool click 1; sleep 0.2; }
keys() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  for k in "$@"; do xdotool key "$k"; sleep 0.08; done
}
shot() {
  sleep "${2:-0.5}"
  import -window root "$out/$1.png"
  echo "$out/$1.png"
}

# The position: the player (4) in the middle with sensor 4, Зеномиус (0) next
# to it, Акиус (1) in sight, the other two far off in the dark.
position=$out/position.klb
python3 - "$position" <<'PY'
import struct, sys
board = [[5] * 36 for _ in range(36)]  # board[x][y]
def put(owner, cells):
    for x, y in cells: board[x][y] = owner
put(4, [(15, 15), (16, 15), (17, 15), (16, 16), (16, 17), (15, 17)])
put(0, [(18, 15), (19, 15), (19, 14), (20, 14)])
put(1, [(12, 19), (12, 20), (13, 20)])
put(2, [(30, 30)])
put(3, [(3, 4), (4, 4)])
names = ["Зеномиус", "Акиус", "Уренус", "Свиус", "Тарвилис"]
out = bytearray()
for x in range(36):
    for y in range(36):
        out += struct.pack("<i", board[x][y])
for k in range(5):
    size = sum(row.count(k) for row in board)
    name = names[k].encode("cp1251") + b"\0"
    live = 3 if k == 4 else 2
    out += struct.pack("<ii", 1, len(name)) + name
    # mutated amin hp live reg speed size agsize captured sensor kolschup urschup
    out += struct.pack("<12i", 0, 450 if k == 4 else 999, 10 * live, live, 1, 1, size, size + 1, 0,
                       4 if k == 4 else 2, 1, 0)
    out += struct.pack("<ii", 1, 3) + struct.pack("<ii", 0, 0) * 19
    out += struct.pack("<11i", 2, 3, 1, 0, 2, 0, 1, 0, 0, 2, 0)
out += struct.pack("<i", 11)
open(sys.argv[1], "wb").write(out)
PY

cd "$bin"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale ./klebony &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

menu=$(wait_window '^Клебоны v1\.0$')
click_at "$menu" $((96 * scale)) $((44 * scale))  # "Игра"
game=$(wait_window '^Игра - КЛЕБОНЫ')
height=$(xdotool getwindowgeometry --shell "$game" | sed -n 's/^HEIGHT=//p')
bar=$((height - 502 * scale))
shot 1-new-game

# "Игра" > "Загрузить", then the path typed into the dialog.
click_at "$game" $((20 * scale)) $((bar / 2))
keys "$game" Down Return
dialog=$(wait_window 'Загрузить')
shot 2-open-dialog 0.3
keys "$dialog" ctrl+a
xdotool type --delay 20 "$position"
keys "$dialog" Return
sleep 0.5

# Board pixel (X, Y) of the window: the board lies at (10, 10) of the client area.
bx() { echo $(((10 + $1) * scale)); }
by() { echo $((bar + (10 + $1) * scale)); }
move_to "$game" "$(bx 100)" "$(by 400)"  # a hidden cell: the marker on black
shot 3-loaded-marker-on-hidden
move_to "$game" "$(bx $((18 * 12 + 6)))" "$(by $((15 * 12 + 6)))"  # Зеномиус
shot 4-enemy-hovered
shot 5-enemy-hovered-later 0.7
move_to "$game" "$(bx $((16 * 12 + 6)))" "$(by $((16 * 12 + 6)))"  # own cell
keys "$game" m
shot 6-mutation-mode
keys "$game" m F1
shot 7-help
keys "$game" F1 h
shot 8-after-turn
keys "$game" Delete
menu=$(wait_window '^Клебоны v1\.0$')
shot 9-back-to-start
click_at "$menu" $((96 * scale)) $((44 * scale))
game=$(wait_window '^Игра - КЛЕБОНЫ')
sleep 0.5
keys "$game" Escape
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then echo "Esc did not end the game" >&2; exit 1; fi
echo "Esc ended the application"
