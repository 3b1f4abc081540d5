# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game for arm64 (Raspberry Pi OS 64-bit, ARM laptops), built on an amd64
# Debian with its cross compiler (g++-aarch64-linux-gnu) against the arm64
# libraries that dpkg's multiarch puts beside the amd64 ones, in
# /usr/lib/aarch64-linux-gnu (tools/deps.sh arm64). No sysroot: the headers
# in /usr/include are shared by every architecture, and CMake looks for
# packages and libraries in the lib/aarch64-linux-gnu folders only.
# Qt's moc, rcc and uic are the amd64 ones (QT_HOST_PATH): Debian ships them
# Multi-Arch: foreign, and an arm64 moc would need an emulator at every file.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(QT_HOST_PATH /usr CACHE PATH "Where the build machine's Qt tools are")
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH OUTPUT_VARIABLE klebony_build_multiarch
  OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${klebony_build_multiarch}/cmake CACHE PATH
  "Where the CMake files of the build machine's Qt tools are")

# Programs are the build machine's; libraries, headers and packages the
# target's, never an amd64 one found by mistake.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_IGNORE_PATH /usr/lib/${klebony_build_multiarch} /lib/${klebony_build_multiarch}
  /usr/lib/${klebony_build_multiarch}/cmake)
# What runs an arm64 program here, should the build ever need to (ctest does).
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
