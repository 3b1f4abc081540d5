#!/usr/bin/env bash
# Builds everything and runs every test: the release build with all tests,
# then the rules, the file format and the driver again under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the loader's fuzzer for a minute.
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

echo "== release build and tests"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLEBONY_WERROR=$werror >/dev/null
cmake --build build/test -j"$jobs"
(cd build/test && ctest --output-on-failure -j"$jobs" --timeout 900)

echo "== sanitizers"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DKLEBONY_SANITIZE=ON -DKLEBONY_UI=OFF \
  -DKLEBONY_BENCH=OFF -DKLEBONY_WERROR=$werror >/dev/null
cmake --build build/asan -j"$jobs"
(cd build/asan && ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --output-on-failure -j"$jobs" --timeout 1800)

if [[ -f tests/fuzz/CMakeLists.txt ]]; then
  echo "== fuzzing the loader"
  cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DKLEBONY_FUZZ=ON \
    -DKLEBONY_UI=OFF -DKLEBONY_BENCH=OFF -DKLEBONY_TESTS=ON >/dev/null
  cmake --build build/fuzz -j"$jobs" --target fuzz_load
  tools/fuzz.sh build/fuzz 60
fi
echo "All tests passed."
