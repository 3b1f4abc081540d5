#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Lets the kernel start programs of another architecture through qemu-user:
# mounts binfmt_misc when it is not, and registers Debian's entry for each
# ARCH from qemu-user-static (/usr/lib/binfmt.d/qemu-CPU.conf), unless one is
# there. The entries are "fixed" (flag F): qemu is opened now, so programs in
# a chroot of that architecture run without a copy of qemu inside. Nothing
# else is needed then: with dpkg's multiarch the arm64 dynamic loader and
# libraries are in this machine's own folders, and an arm64 root has its own.
#   tools/binfmt.sh ARCH...    (Debian names: arm64, armhf, s390x)
# Needs root (sudo otherwise); the registration lasts until the next boot.
set -euo pipefail
(($#)) || { echo "usage: $0 ARCH..." >&2; exit 2; }
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)
dir=/proc/sys/fs/binfmt_misc
if [[ ! -e $dir/register ]]; then
  "${as_root[@]}" mount -t binfmt_misc binfmt_misc "$dir"
fi
for arch in "$@"; do
  case $arch in
    arm64) cpu=aarch64 ;;
    armhf) cpu=arm ;;
    s390x) cpu=s390x ;;
    *) echo "$0: no qemu entry known for $arch" >&2; exit 2 ;;
  esac
  [[ -e $dir/qemu-$cpu ]] && continue
  conf=/usr/lib/binfmt.d/qemu-$cpu.conf
  [[ -f $conf ]] || { echo "$0: $conf is missing: install qemu-user-static" >&2; exit 1; }
  "${as_root[@]}" sh -c 'cat "$1" >"$2"' sh "$conf" "$dir/register"
  echo "registered qemu-$cpu with binfmt_misc"
done
