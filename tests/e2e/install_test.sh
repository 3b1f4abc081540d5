#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch DESTDIR and checks that the program, its
# sounds, its menu entry, its icons, its software-centre entry and its manual
# pages land where a Debian desktop looks (games in /usr/games).
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
src=$2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
root=$dest/usr
fail=0
need() {
  if [[ ! -s $1 ]]; then
    echo "missing: ${1#"$dest"}"
    fail=1
  fi
}

need "$root/games/klebony"
[[ -x $root/games/klebony ]] || { echo "not executable: /usr/games/klebony"; fail=1; }

shopt -s nullglob
sounds=("$src"/assets/Sound/*.wav)
for f in "${sounds[@]}"; do need "$root/share/games/klebony/Sound/$(basename "$f")"; done

desktop=$root/share/applications/klebony.desktop
need "$desktop"
for line in 'Type=Application' 'Name=Клебоны' 'Exec=klebony' 'Icon=klebony' 'Categories=Game;StrategyGame;'; do
  grep -qxF "$line" "$desktop" || { echo "klebony.desktop lacks: $line"; fail=1; }
done
LC_ALL=C grep -qE $'^Comment=.*[\xd0\xd1]' "$desktop" || { echo "klebony.desktop lacks a Russian Comment"; fail=1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail=1
fi

metainfo=$root/share/metainfo/org.example.klebony.metainfo.xml
need "$metainfo"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || { appstreamcli validate --no-net "$metainfo"; fail=1; }
fi
for page in man/man6/klebony.6.gz man/ru/man6/klebony.6.gz; do
  need "$root/share/$page"
  gzip -dc "$root/share/$page" | grep -q '^\.TH KLEBONY 6 ' || { echo "not a manual page: $page"; fail=1; }
done
need "$root/share/doc/klebony/copyright"

icons=("$src"/assets/icons/klebony-*.png)
for f in "${icons[@]}"; do
  n=$(basename "$f" .png)
  n=${n#klebony-}
  need "$root/share/icons/hicolor/${n}x${n}/apps/klebony.png"
  cmp -s "$f" "$root/share/icons/hicolor/${n}x${n}/apps/klebony.png" || { echo "icon ${n}x${n} differs"; fail=1; }
done

(( ${#sounds[@]} == 9 )) || { echo "expected the nine sounds in assets/Sound, found ${#sounds[@]}"; fail=1; }
(( ${#icons[@]} > 0 )) || { echo "no application icons in assets/icons"; fail=1; }
echo "installed: ${#sounds[@]} sounds, ${#icons[@]} icons"
exit $fail
