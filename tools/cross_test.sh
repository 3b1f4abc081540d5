#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The parts without Qt (core, persist, the headless driver and their tests)
# built with Debian's cross compilers for other architectures and tested
# under qemu-user: arm64, where char is unsigned; armhf, where long and
# pointers have 32 bits (older Raspberry Pi OS installs); and s390x, which is
# big-endian while the saved file is little-endian. The programs are linked
# statically and run without qemu's -L (see the README). Then the same driver
# script is played by the amd64 driver and by each other one, and the saved
# files and the output must be identical to the byte.
#   tools/cross_test.sh [ARCH...]     (default: arm64 armhf s390x)
# Builds in build/cross-ARCH (and build/cross-amd64 for the reference); no
# change to the machine's dpkg architectures: GoogleTest is built from the
# sources that libgtest-dev ships in /usr/src/googletest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
arches=("$@")
((${#arches[@]})) || arches=(arm64 armhf s390x)
for a in "${arches[@]}"; do
  case $a in
    arm64 | armhf | s390x) ;;
    *) echo "usage: $0 [arm64|armhf|s390x]..." >&2; exit 2 ;;
  esac
done
tools/deps.sh cross
# qemu must look up the save's paths in the machine's own folders, not below a prefix.
unset QEMU_LD_PREFIX
jobs=$(nproc)
werror=OFF
[[ ${CI:-} == true ]] && werror=ON

# configure ARCH BUILD_DIR [CMAKE_ARGS...]: the Qt-free configuration.
configure() {
  local build=$2
  shift 2
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLEBONY_UI=OFF -DKLEBONY_BENCH=OFF \
    -DKLEBONY_ASSETGEN=OFF -DKLEBONY_WERROR=$werror -DCMAKE_EXE_LINKER_FLAGS=-static "$@" >/dev/null
}

# The amd64 driver the others are compared with, built the same way.
echo "== amd64: the reference driver"
configure amd64 build/cross-amd64 -DKLEBONY_TESTS=OFF
cmake --build build/cross-amd64 -j"$jobs" --target klebony-headless >/dev/null

# play BUILD_DIR [EMULATOR]: plays tests/cross/save_everywhere.kls in
# BUILD_DIR/play and leaves its output and saved files there.
play() {
  local build=$1
  shift
  rm -rf "$build/play"
  mkdir -p "$build/play"
  (cd "$build/play" && "$@" "$root/$build/bin/klebony-headless" "$root/tests/cross/save_everywhere.kls" >output.txt)
}
play build/cross-amd64

fail=0
for arch in "${arches[@]}"; do
  case $arch in
    arm64) triplet=aarch64-linux-gnu qemu=qemu-aarch64 processor=aarch64 ;;
    armhf) triplet=arm-linux-gnueabihf qemu=qemu-arm processor=arm ;;
    s390x) triplet=s390x-linux-gnu qemu=qemu-s390x processor=s390x ;;
  esac
  build=build/cross-$arch
  prefix=$root/$build/prefix
  start=$SECONDS
  echo "== $arch: GoogleTest from /usr/src/googletest with $triplet-g++"
  cross=(-DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=$processor
    -DCMAKE_C_COMPILER=$triplet-gcc -DCMAKE_CXX_COMPILER=$triplet-g++
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER
    -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY
    -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY)
  if [[ ! -f $prefix/.googletest ]]; then
    rm -rf "$prefix" "$build/googletest"
    cmake -S /usr/src/googletest -B "$build/googletest" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
    cmake --build "$build/googletest" -j"$jobs" >/dev/null
    cmake --install "$build/googletest" >/dev/null
    # The driver's JSON library is headers only: a copy in the prefix, so
    # that no folder of the machine's own headers reaches the cross compiler.
    mkdir -p "$prefix/include" "$prefix/share/cmake"
    cp -r /usr/include/nlohmann "$prefix/include/"
    cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
    touch "$prefix/.googletest"
  fi

  echo "== $arch: core, persist, the driver and their tests"
  configure "$arch" "$build" "${cross[@]}" -DCMAKE_CROSSCOMPILING_EMULATOR=$qemu \
    -DGTest_DIR="$prefix/lib/cmake/GTest" -Dnlohmann_json_DIR="$prefix/share/cmake/nlohmann_json"
  cmake --build "$build" -j"$jobs" >/dev/null
  file -b "$build/bin/klebony-headless" | grep -q 'statically linked' ||
    { echo "$arch: the driver is not linked statically: $(file -b "$build/bin/klebony-headless")"; exit 1; }
  # Under emulation on a busy machine the racing savers (two PID namespaces
  # writing one file) once lost a save in 300 where the same test never has
  # natively: a test that fails gets one more run, and a fault that is really
  # there fails both.
  ctest --test-dir "$build" -j"$jobs" --output-on-failure --timeout 900 --repeat until-pass:2 || fail=1

  echo "== $arch: the same game saved as on amd64"
  play "$build" "$qemu"
  for f in output.txt first.klb second.klb; do
    if cmp "build/cross-amd64/play/$f" "$build/play/$f"; then
      echo "identical to amd64: $f"
    else
      echo "$arch differs from amd64 in $f"
      fail=1
    fi
  done
  echo "== $arch: $((SECONDS - start)) s"
done
exit $fail
