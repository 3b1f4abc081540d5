#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game (the release preset, build/release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target klebony
exec build/release/bin/klebony "$@"
