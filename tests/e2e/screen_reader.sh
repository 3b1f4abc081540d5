#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game by keys alone, heard through the accessibility bus: Xvfb, a private
# D-Bus session and its AT-SPI bus, and screen_reader.py as the listener.
# Usage: screen_reader.sh BIN_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

# Debian's python3 holds python3-pyatspi; another python3 first on the PATH may not.
python=""
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null || ! command -v dbus-run-session >/dev/null ||
  [[ -z $python ]]; then
  echo "skipped: xvfb-run, xdotool, dbus-run-session or python3-pyatspi is not installed"
  exit 77
fi
if [[ -z ${KLEBONY_READER_INNER:-} ]]; then
  # C.UTF-8: xdotool matches the Cyrillic titles only in a UTF-8 locale.
  exec env LC_ALL=C.UTF-8 KLEBONY_READER_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- bash "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The game's sounds are beside it; the working directory holds the save.
exec "$python" "$here/screen_reader.py" "$bin/klebony" "$work"
