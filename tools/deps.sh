#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs from Debian's packages whatever the build, the game or the tests
# need and the machine lacks. Every name is one that Debian 12, 13 and testing
# all know: no compiler version is named (libclang-rt-dev follows the default
# clang, whichever that is).
# Usage: tools/deps.sh [run|test|root|cross|arm64|emulate]
#   run    build and play the game          test   build and run every test
#   root   tools/test_in_root.sh            cross  tools/cross_test.sh
#   arm64  the arm64 game and package (tools/package.sh arm64) and its play
#          under qemu-user: adds dpkg's arm64 architecture (multiarch)
#   emulate  qemu-user-static for binfmt_misc (tools/binfmt.sh)
set -euo pipefail
what=${1:-test}

# qt6-wayland: the game runs natively in a Wayland session as well as on X11.
game=(cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-wayland zlib1g-dev nlohmann-json3-dev qt6-translations-l10n libgl-dev
  fonts-sil-andika fonts-dejavu-core)
case $what in
  run) packages=("${game[@]}") ;;
  # dbus, at-spi2-core, python3-pyatspi: the screen reader's end-to-end test.
  # llvm: its llvm-symbolizer names the functions in the sanitizers' and the
  # fuzzer's reports; clang does not bring it along.
  test)
    packages=("${game[@]}" git libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev llvm clang-format
      xvfb xauth xdotool x11-utils python3 imagemagick weston
      dpkg-dev file lintian appstream desktop-file-utils reuse
      dbus at-spi2-core python3-pyatspi) ;;
  root) packages=(debootstrap) ;;
  # GoogleTest comes as sources (/usr/src/googletest) and is built with the
  # cross compiler; qemu-user runs the static programs without binfmt.
  cross)
    packages=(cmake make g++-aarch64-linux-gnu g++-arm-linux-gnueabihf g++-s390x-linux-gnu qemu-user libgtest-dev
      nlohmann-json3-dev) ;;
  # The arm64 Qt libraries beside the amd64 ones (multiarch); moc, rcc and uic
  # stay amd64 (qt6-base-dev-tools). libc6:arm64 brings the arm64 dynamic
  # loader, so qemu runs the game without -L; qt6-qpa-plugins holds the xcb
  # platform, which the libraries only recommend.
  arm64)
    packages=(cmake make pkg-config g++-aarch64-linux-gnu qemu-user qemu-user-static qt6-base-dev-tools
      nlohmann-json3-dev qt6-translations-l10n dpkg-dev file lintian
      qt6-base-dev:arm64 qt6-multimedia-dev:arm64 qt6-qpa-plugins:arm64 qt6-wayland:arm64 libgl-dev:arm64
      zlib1g-dev:arm64 libc6:arm64) ;;
  emulate) packages=(qemu-user-static) ;;
  *) echo "usage: $0 [run|test|root|cross|arm64|emulate]" >&2; exit 2 ;;
esac
if [[ $what == arm64 ]] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
  [[ $(id -u) -eq 0 ]] && dpkg --add-architecture arm64 || sudo dpkg --add-architecture arm64
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo=sudo
  # dpkg's progress goes to a log, shown only when something fails.
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  if ! { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "installing the packages failed" >&2
    exit 1
  fi
fi
