#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks that the program, its
# sounds, its menu entry and its icons land where a Linux desktop looks.
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

need "$root/bin/klebony"
[[ -x $root/bin/klebony ]] || { echo "not executable: /usr/bin/klebony"; fail=1; }

shopt -s nullglob
sounds=("$src"/assets/Sound/*.wav)
for f in "${sounds[@]}"; do need "$root/share/klebony/Sound/$(basename "$f")"; done

desktop=$root/share/applications/klebony.desktop
need "$desktop"
for line in 'Type=Application' 'Name=Клебоны' 'Exec=klebony' 'Icon=klebony' 'Categories=Game;StrategyGame;'; do
  grep -qxF "$line" "$desktop" || { echo "klebony.desktop lacks: $line"; fail=1; }
done
LC_ALL=C grep -qE $'^Comment=.*[\xd0\xd1]' "$desktop" || { echo "klebony.desktop lacks a Russian Comment"; fail=1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail=1
fi

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
