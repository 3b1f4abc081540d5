#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The frozen scenes: the windows drawn offscreen from a seeded game, one PNG
# each, for a byte-for-byte comparison before and after a change that must
# not move a pixel:
#   tools/frozen_scenes.sh /tmp/before   (on the old code)
#   tools/frozen_scenes.sh /tmp/after    (on the new code)
#   for f in /tmp/before/*.png; do cmp "$f" "/tmp/after/${f##*/}"; done
# Usage: tools/frozen_scenes.sh OUT_DIR [BIN_DIR]   (BIN_DIR: build/test/bin)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: tools/frozen_scenes.sh OUT_DIR [BIN_DIR]}
bin=${2:-$root/build/test/bin}
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$bin/klebony-scenes" "$out"
ls "$out"/*.png
