#!/usr/bin/env bash
# fresh-root-test.sh RELEASE [MAKE_TARGET]
# Runs `make MAKE_TARGET` (test unless given) in a clean clone of this checkout's
# committed state, inside a fresh minimal Debian root of RELEASE (trixie, say)
# made with debootstrap from this machine's own package source, as a new user
# on a bare system would. The root lives in build/root-RELEASE and is made anew
# every time; nothing is kept outside the build folder. Needs root.
set -euo pipefail
release=$1 target=${2:-test}
cd "$(dirname "$0")/.."
project=$PWD
root=$project/build/root-$release

# The first Debian archive this machine installs from, or Debian's own.
mirror=$(cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null \
    | sed -n -e 's/^URIs: *\(http[^ ]*\/debian\)\/*$/\1/p' -e 's/^deb  *\(http[^ ]*\/debian\)\/* .*/\1/p' \
    | head -n 1 || true)
mirror=${mirror:-http://deb.debian.org/debian}

unmount_all() {
    # Deepest first; --lazy so that a process still inside cannot hold the run.
    findmnt -rn -o TARGET | { grep "^$root/" || true; } | sort -r | xargs -r -n 1 umount --lazy
}
trap unmount_all EXIT
unmount_all
# Never follows a mount out of the root, even one left behind.
[ ! -e "$root" ] || rm -rf --one-file-system "$root"
mkdir -p "$root"

scripts/install-deps.sh debootstrap
SECONDS=0
debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.log" 2>&1 \
    || { tail -n 20 "$root.log"; exit 1; }
echo "debootstrap $release from $mirror: ${SECONDS} s"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q "$project" "$root/root/qimbora"

in_root() {
    env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        WERROR="${WERROR:-OFF}" chroot "$root" bash -c "$1"
}
# A bare system has no make: the README asks for it first.
in_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends make >/dev/null"
SECONDS=0
in_root "cd /root/qimbora && make $target"
echo "make $target in a fresh $release root: ${SECONDS} s"
