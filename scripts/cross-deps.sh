#!/usr/bin/env bash
# cross-deps.sh ARCH [PACKAGE...]
# Installs what building for ARCH (amd64, arm64, armhf) needs and is missing:
# the package's build dependencies for ARCH beside this machine's own
# (multiarch), Debian's cross toolchain and qemu when ARCH is not this
# machine's, and the PACKAGEs given (name:ARCH for those of ARCH). Through sudo
# when not root; a failure says in one line what to install.
set -euo pipefail
arch=$1
shift
cd "$(dirname "$0")/.."
source scripts/common.sh
case $arch in amd64 | arm64 | armhf) ;; *) say "no build for '$arch': ARCH is amd64, arm64 or armhf"; exit 2 ;; esac
tools=(dpkg-dev "$@")
profile=()
if [ "$arch" != "$(dpkg --print-architecture)" ]; then
    tools+=("crossbuild-essential-$arch" qemu-user-static)
    profile=(--build-profiles=cross)
    dpkg --print-foreign-architectures | grep -qx "$arch" || run dpkg --add-architecture "$arch"
fi
scripts/install-deps.sh "${tools[@]}" || { say "install these first: apt-get install ${tools[*]}"; exit 1; }
dpkg-checkbuilddeps -a "$arch" "${profile[@]/--build-profiles=/-P}" >/dev/null 2>&1 && exit 0
apt_update || true
run env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends -a "$arch" "${profile[@]}" \
    "$PWD" >/dev/null || { say "install the $arch libraries first: dpkg --add-architecture $arch &&" \
    "apt-get update && apt-get build-dep -a $arch ${profile[*]} $PWD"; exit 1; }
