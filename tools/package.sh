#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the release build (the release preset,
# build/release) with the deb package preset and prints its path:
# build/release/klebony_<version>_<arch>.deb.
#   tools/package.sh [arm64]
# arm64: the same package for arm64, cross-built on this machine (the
# release-arm64 preset, build/release-arm64; tools/deps.sh arm64 first).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=release package=deb
case ${1:-} in
  "") ;;
  arm64) preset=release-arm64 package=deb-arm64; tools/deps.sh arm64 ;;
  *) echo "usage: $0 [arm64]" >&2; exit 2 ;;
esac
werror=OFF
[[ ${CI:-} == true ]] && werror=ON
cmake --preset $preset -DKLEBONY_WERROR=$werror >/dev/null
cmake --build --preset $preset -j"$(nproc)" >&2
cpack --preset $package >&2
ls -t build/$preset/klebony_*.deb | head -n 1
