#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Klebony developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the test command (tools/test.sh) in a bare Debian root of another
# release, the way a player's or a packager's machine starts: debootstrap
# --variant=minbase from the Debian mirror this machine's apt uses (nothing
# else is fetched), a copy of this checkout, and the command run there as root
# with an empty environment (no LANG; CI passes in when set).
#
#   tools/test_in_root.sh [--fresh] [--arch ARCH] [--install DEB] RELEASE [COMMAND...]
#
#   RELEASE        a Debian codename or suite: bookworm, trixie, testing, sid...
#   COMMAND        what to run in the copy instead of tools/test.sh
#   --fresh        make the root anew even when one is there (CI keeps nothing)
#   --install DEB  then install the package DEB in the root with apt and play the
#                  installed game: a quiet start and the end-to-end flow
#   --arch ARCH    a root of another architecture (arm64), run through qemu-user
#                  and binfmt_misc (tools/binfmt.sh); COMMAND is then usually
#                  true, and the flow's saved game is loaded by the driver built
#                  beside DEB (its bin/klebony-headless)
#
# Roots live in $KLEBONY_ROOTS/RELEASE (or RELEASE-ARCH for another
# architecture; default /var/tmp/klebony-roots), outside the checkout; the copy is /src/klebony in the root. Needs root: debootstrap,
# chroot and mounts. The mounts (/proc, /sys, /dev, /dev/pts, /dev/shm) are made
# in a private mount namespace, so they end with the run however it ends, and
# the script checks that none is left and no process still runs in the root.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
usage() {
  awk '/^#   tools\/test_in_root/ {on = 1} /^# Roots/ {exit} on {print substr($0, 5)}' "$0" >&2
  exit 2
}

fresh=0 deb="" arch=""
while [[ $# -gt 0 && $1 == --* ]]; do
  case $1 in
    --fresh) fresh=1 ;;
    --install) [[ $# -ge 2 ]] || usage; deb=$(realpath "$2"); shift ;;
    --arch) [[ $# -ge 2 ]] || usage; arch=$2; shift ;;
    *) usage ;;
  esac
  shift
done
[[ $# -ge 1 ]] || usage
release=$1
shift
command=("$@")
((${#command[@]})) || command=(tools/test.sh)
[[ $release =~ ^[a-z][a-z0-9-]*$ ]] || { echo "not a Debian release name: $release" >&2; exit 2; }
[[ -z $deb || -f $deb ]] || { echo "no such package: $deb" >&2; exit 2; }
[[ $arch == "$(dpkg --print-architecture)" ]] && arch=""
[[ -z $arch || $arch =~ ^[a-z0-9]+$ ]] || { echo "not a Debian architecture: $arch" >&2; exit 2; }
if [[ $(id -u) -ne 0 ]]; then
  echo "$0 needs root (debootstrap, chroot, mounts): sudo $0 ..." >&2
  exit 2
fi

roots=${KLEBONY_ROOTS:-/var/tmp/klebony-roots}
# Canonical, as /proc/PID/root and /proc/self/mountinfo name it.
root=$(realpath -m "$roots/$release${arch:+-$arch}")
case $root/ in
  "$repo"/*) echo "the root must lie outside the checkout: $root" >&2; exit 2 ;;
esac

# mounts_below DIR: the mount points at or below DIR in this mount namespace.
mounts_below() { awk -v d="$1" '$5 == d || index($5, d "/") == 1 {print $5}' /proc/self/mountinfo; }
# processes_in DIR: the processes whose root folder is DIR.
processes_in() {
  local p
  for p in /proc/[0-9]*; do
    [[ $(readlink "$p/root" 2>/dev/null) == "$1" ]] && echo "${p#/proc/}"
  done
  return 0
}

# The mirror: the one the machine's apt reads its own release from, and the
# security archive beside it when the machine uses one.
host_release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
targets=$(apt-get indextargets --no-release-info --format '$(REPO_URI) $(RELEASE)' 'Identifier: Packages' | sort -u)
mirror=$(awk -v r="$host_release" '$2 == r {print $1; exit}' <<<"$targets")
[[ -n $mirror ]] || mirror=$(awk '$2 !~ /-security$/ {print $1; exit}' <<<"$targets")
security=$(awk '$2 ~ /-security$/ {print $1; exit}' <<<"$targets")
uses_updates=$(awk '$2 ~ /-updates$/ {print "yes"; exit}' <<<"$targets")
[[ -n $mirror ]] || { echo "found no Debian mirror in this machine's apt sources" >&2; exit 1; }
mirror=${mirror%/}
security=${security%/}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# exists SUITE_URL: whether the mirror has that suite; its InRelease file is
# left in $scratch/InRelease.
exists() { /usr/lib/apt/apt-helper download-file "$1/InRelease" "$scratch/InRelease" >/dev/null 2>&1; }

"$repo/tools/deps.sh" root
if [[ -n $arch ]]; then
  "$repo/tools/deps.sh" emulate
  "$repo/tools/binfmt.sh" "$arch"
fi

make_root() {
  echo "== making a bare $release${arch:+ $arch} root in $root from $mirror"
  local left
  left=$(mounts_below "$root")
  [[ -z $left ]] || { echo "refusing to remove $root: mounts are left in it:"$'\n'"$left" >&2; exit 1; }
  rm -rf --one-file-system "$root"
  mkdir -p "$root"
  # A codename that this debootstrap does not know yet is built like sid.
  local script=()
  [[ -e /usr/share/debootstrap/scripts/$release ]] || script=(/usr/share/debootstrap/scripts/sid)
  # In a mount namespace of its own: what debootstrap mounts in the root ends with it.
  unshare --mount --propagation private debootstrap --variant=minbase --components=main ${arch:+--arch="$arch"} \
    "$release" "$root" "$mirror" "${script[@]}" \
    >"$scratch/debootstrap.log" 2>&1 || {
    tail -n 30 "$scratch/debootstrap.log" >&2
    [[ -f $root/debootstrap/debootstrap.log ]] && tail -n 30 "$root/debootstrap/debootstrap.log" >&2
    exit 1
  }

  # A root is thrown away when in doubt, so dpkg need not wait for every file
  # it unpacks to reach the disk; on a busy disk that waiting took most of the
  # set-up's time.
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/klebony-unsafe-io"

  # The root's apt reads the same mirror: the release, its updates and its
  # security archive where this machine uses them and the mirror has them.
  local sources=$root/etc/apt/sources.list
  echo "deb $mirror $release main" >"$sources"
  if [[ -n $uses_updates ]] && exists "$mirror/dists/$release-updates"; then
    echo "deb $mirror $release-updates main" >>"$sources"
  fi
  if [[ -n $security ]] && exists "$security/dists/$release-security"; then
    echo "deb $security $release-security main" >>"$sources"
  fi
  # A dated snapshot of testing or sid may carry a Release file whose
  # Valid-Until has passed; apt refuses it unless told, in this root alone.
  local until=""
  exists "$mirror/dists/$release" && until=$(sed -n 's/^Valid-Until: //p' "$scratch/InRelease" | head -n 1)
  if [[ -n $until ]] && (($(date -d "$until" +%s) < $(date +%s))); then
    echo "the mirror's $release expired on $until: this root's apt does not check Valid-Until"
    printf '// The mirror serves a dated %s whose Release file expired on %s.\nAcquire::Check-Valid-Until "false";\n' \
      "$release" "$until" >"$root/etc/apt/apt.conf.d/99expired-release"
  fi
  touch "$root/.klebony-root"
}

if ((fresh)) || [[ ! -f $root/.klebony-root ]]; then
  make_root
fi
# Replaced, never written through: the root's own may be a link that means a host path here.
cp --remove-destination /etc/resolv.conf "$root/etc/resolv.conf"

echo "== copying the checkout to $root/src/klebony"
rm -rf --one-file-system "$root/src/klebony"
mkdir -p "$root/src/klebony"
if git -C "$repo" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # The checkout as it stands, uncommitted changes included, without .git and
  # without what git ignores (the build folders).
  (cd "$repo" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [[ -e $f || -L $f ]] && printf '%s\0' "$f"; done |
    tar -c --null -T - -f -) | tar -x -f - -C "$root/src/klebony"
else
  tar -c -f - -C "$repo" --exclude='./build*' --exclude=./.git . | tar -x -f - -C "$root/src/klebony"
fi
if [[ -n $deb ]]; then
  mkdir -p "$root/src/install"
  rm -rf "$root"/src/install/*.deb "$root/src/install/bin"
  cp "$deb" "$root/src/install/"
  # The driver of the package's own build loads the flow's saved game where
  # the root has no test build of its own (a root of another architecture).
  if [[ -x $(dirname "$deb")/bin/klebony-headless ]]; then
    mkdir -p "$root/src/install/bin"
    cp "$(dirname "$deb")/bin/klebony-headless" "$root/src/install/bin/"
  fi
fi

# What runs inside the mount namespace: the mounts, the command as root with
# an empty environment, then the package when asked; the mounts are undone on
# every way out, after whatever the command left running in the root.
inner=$(cat <<'EOF'
set -euo pipefail
root=$1 deb=$2 ci=$3 arch=$4
shift 4
mounted=()
cleanup() {
  local p i
  for p in /proc/[0-9]*; do
    [[ $(readlink "$p/root" 2>/dev/null) == "$root" ]] && kill -KILL "${p#/proc/}" 2>/dev/null || true
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount --lazy "${mounted[i]}" || true
  done
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mount_in() { mount "$@"; mounted+=("${@: -1}"); }
mount_in -t proc proc "$root/proc"
mount_in -t sysfs sysfs "$root/sys"
mount_in --bind /dev "$root/dev"
mount_in --bind /dev/pts "$root/dev/pts"
mount_in -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"

env_in=(env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root)
[[ -n $ci ]] && env_in+=("CI=$ci")
"${env_in[@]}" chroot "$root" /bin/bash -c 'cd /src/klebony && exec "$@"' run "$@"
if [[ -n $deb ]]; then
  echo "== installing $(basename "$deb") in the root and playing it"
  # PulseAudio too, so that the quiet start is tried with a sound server as
  # well; and what the play needs where no test command installed it.
  "${env_in[@]}" chroot "$root" apt-get update -qq
  "${env_in[@]}" DEBIAN_FRONTEND=noninteractive chroot "$root" \
    apt-get install -y -qq --no-install-recommends "/src/install/$(basename "$deb")" pulseaudio \
    xvfb xauth xdotool python3 >/dev/null
  headless=build/test/bin
  [[ -x $root/src/klebony/$headless/klebony-headless ]] || headless=/src/install/bin
  # Under emulation every wait of the play grows.
  slow=1
  [[ -n $arch ]] && slow=${KLEBONY_E2E_SLOW:-5}
  "${env_in[@]}" KLEBONY_E2E_SLOW=$slow chroot "$root" /bin/bash -c \
    'cd /src/klebony && time bash tests/e2e/quiet_start.sh /usr/games && time bash tests/e2e/e2e_game.sh /usr/games "$0"' "$headless"
fi
EOF
)

echo "== running ${command[*]} in the $release root as root, with an empty environment${CI:+ and CI=$CI}"
status=0
unshare --mount --propagation private bash -c "$inner" inner "$root" "$deb" "${CI:-}" "$arch" "${command[@]}" || status=$?

left=$(mounts_below "$root")
procs=$(processes_in "$root")
if [[ -n $left || -n $procs ]]; then
  echo "the $release root was left with mounts or processes:" $left $procs >&2
  exit 1
fi
exit $status
