#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the game or the tests
# need and the machine lacks. Usage: tools/deps.sh [run|test]
set -euo pipefail
what=${1:-test}

# qt6-wayland: the game runs natively in a Wayland session as well as on X11.
packages=(cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-wayland zlib1g-dev nlohmann-json3-dev qt6-translations-l10n libgl-dev
  fonts-sil-andika fonts-dejavu-core)
if [[ $what == test ]]; then
  packages+=(git libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
    xvfb xauth xdotool x11-utils python3 imagemagick weston
    dpkg-dev file lintian appstream desktop-file-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
