#!/usr/bin/env bash
# emulate.sh ARCH
# Lets this machine run programs of ARCH (arm64, armhf) wherever they are
# started, inside a chroot too: installs qemu-user-static and registers its
# format with the kernel (binfmt_misc), as root or through sudo. Nothing
# happens for this machine's own processor or when it is done already.
set -euo pipefail
arch=$1
cd "$(dirname "$0")/.."
[ "$arch" != "$(dpkg --print-architecture)" ] || exit 0
source scripts/common.sh
scripts/install-deps.sh qemu-user-static
cpu=$(dpkg-architecture -a "$arch" -q DEB_HOST_GNU_CPU 2>/dev/null)
binfmt=/proc/sys/fs/binfmt_misc
[ -e $binfmt/register ] || run mount -t binfmt_misc binfmt_misc $binfmt \
    || { say "cannot mount $binfmt: load the kernel module binfmt_misc"; exit 1; }
[ -e "$binfmt/qemu-$cpu" ] || run sh -c "cat /usr/lib/binfmt.d/qemu-$cpu.conf >$binfmt/register" \
    || { say "cannot register qemu-$cpu with the kernel"; exit 1; }
