#!/usr/bin/env bash
# Builds everything and runs every test: the test build with all tests, then
# the rules, the file format and the driver again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the loader's fuzzer for a minute, and last
# the Debian package, checked and played unpacked. Each build has its own
# preset and folder (CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh test
jobs=$(nproc)
werror=OFF
[[ ${CI:-} == true ]] && werror=ON

echo "== format"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || true)
if [[ -n $files ]]; then
  clang-format --dry-run --Werror $files
fi

echo "== test build and tests"
cmake --preset test -DKLEBONY_WERROR=$werror >/dev/null
cmake --build --preset test -j"$jobs"
ctest --preset test -j"$jobs"

echo "== sanitizers"
cmake --preset debug-asan -DKLEBONY_WERROR=$werror >/dev/null
cmake --build --preset debug-asan -j"$jobs"
ctest --preset debug-asan -j"$jobs"

echo "== fuzzing the loader"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
tools/fuzz.sh build/fuzz 60

echo "== Debian package"
deb=$(tools/package.sh)
echo "$deb"
bash tests/e2e/package_test.sh "$deb" build/test/bin
echo "All tests passed."
