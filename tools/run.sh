#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKLEBONY_TESTS=OFF -DKLEBONY_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
cd build/release/bin
if [[ -x ./klebony ]]; then
  exec ./klebony
else
  # Until the game window exists: a short game through the headless driver.
  exec ./klebony-headless "$OLDPWD/tools/demo.kls"
fi
