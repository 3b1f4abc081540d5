#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the release build (the release preset,
# build/release) with the deb package preset and prints its path:
# build/release/klebony_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[[ ${CI:-} == true ]] && werror=ON
cmake --preset release -DKLEBONY_WERROR=$werror >/dev/null
cmake --build --preset release -j"$(nproc)" >&2
cpack --preset deb >&2
ls -t build/release/klebony_*.deb | head -n 1
