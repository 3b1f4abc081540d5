#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built package the way Debian and a software centre would, then
# unpacks it into a scratch root and plays the end-to-end flow with the
# packaged program, and starts and ends it once more with nothing said on
# standard error, so the files that ship are the ones tested. A package of
# another architecture (arm64) is played under qemu-user through binfmt_misc
# (tools/binfmt.sh, as root), with the arm64 libraries of dpkg's multiarch
# (tools/deps.sh arm64), every wait KLEBONY_E2E_SLOW (default 5) times longer.
# Usage: package_test.sh KLEBONY.DEB HEADLESS_DIR
set -euo pipefail
deb=$(realpath "$1")
headless=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C.UTF-8
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail=0
arch=$(dpkg-deb -f "$deb" Architecture)
if [[ $arch != "$(dpkg --print-architecture)" ]]; then
  "$here/../../tools/binfmt.sh" "$arch"
  export KLEBONY_E2E_SLOW=${KLEBONY_E2E_SLOW:-5}
fi

echo "-- contents"
dpkg-deb -I "$deb" | sed -n 's/^ \(Package\|Version\|Architecture\|Section\|Depends\):/  \1:/p'
dpkg-deb -x "$deb" "$root"
for f in usr/games/klebony usr/share/applications/klebony.desktop \
  usr/share/metainfo/org.example.klebony.metainfo.xml usr/share/man/man6/klebony.6.gz \
  usr/share/man/ru/man6/klebony.6.gz usr/share/doc/klebony/copyright usr/share/doc/klebony/changelog.gz \
  usr/share/icons/hicolor/48x48/apps/klebony.png; do
  [[ -s $root/$f ]] || { echo "missing in the package: /$f"; fail=1; }
done
sounds=$(find "$root/usr/share/games/klebony/Sound" -name '*.wav' | wc -l)
((sounds == 9)) || { echo "expected nine sounds in /usr/share/games/klebony/Sound, found $sounds"; fail=1; }
# The program looks for its sounds where the package puts them (a UTF-16 literal in the binary).
python3 -c 'import sys; sys.exit("/usr/share/games/klebony/Sound".encode("utf-16-le") not in open(sys.argv[1], "rb").read())' \
  "$root/usr/games/klebony" || { echo "the packaged program does not look in /usr/share/games/klebony/Sound"; fail=1; }
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6multimedia6 qt6-wayland qt6-translations-l10n fonts-sil-andika fonts-dejavu-core; do
  grep -q "\b$d\b" <<<"$depends" || { echo "Depends lacks $d: $depends"; fail=1; }
done
# The about box's links open through xdg-open.
grep -q "\bxdg-utils\b" <<<"$(dpkg-deb -f "$deb" Recommends)" || { echo "Recommends lacks xdg-utils"; fail=1; }

echo "-- lintian"
if command -v lintian >/dev/null; then
  # Errors fail; the warnings left are listed in the README with their reasons.
  lintian --fail-on error --tag-display-limit 0 "$deb" || fail=1
else
  echo "lintian is not installed"; fail=1
fi

echo "-- software centre and menu entries"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.klebony.metainfo.xml" || fail=1
desktop-file-validate "$root/usr/share/applications/klebony.desktop" || fail=1

for check in "the end-to-end flow:e2e_game.sh" "a quiet start and end:quiet_start.sh"; do
  echo "-- the packaged game through ${check%%:*}"
  status=0
  bash "$here/${check#*:}" "$root/usr/games" "$headless" || status=$?
  if ((status == 77)); then
    echo "skipped"
  elif ((status != 0)); then
    fail=1
  fi
done
exit $fail
