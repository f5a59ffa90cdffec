#!/usr/bin/env bash
# package.sh ARCH OUT
# Builds the Debian package for ARCH (amd64, arm64, armhf) the way Debian
# builds its own: dpkg-buildpackage on a copy of the tree in OUT/src, cross
# building with Debian's toolchain and multiarch libraries when ARCH is not
# this machine's. Installs what is missing, then checks the package with
# lintian and with the desktop's own tools. The .deb lands in OUT.
set -euo pipefail
arch=$1 out=$(realpath -m "$2")
cd "$(dirname "$0")/.."
source scripts/common.sh
profile=()
[ "$arch" = "$(dpkg --print-architecture)" ] || profile=(-Pcross)
scripts/cross-deps.sh "$arch" debhelper lintian file desktop-file-utils appstream imagemagick man-db

# A copy of the working tree, so that the build's leftovers stay in OUT.
version=$(dpkg-parsechangelog -S Version)
rm -rf --one-file-system "$out" && mkdir -p "$out/src"
tar -c --exclude=./.git --exclude='./build*' . | tar -x -C "$out/src"
(cd "$out/src" && DEB_BUILD_OPTIONS="parallel=$(nproc) nocheck" dpkg-buildpackage -a "$arch" "${profile[@]}" -b -us -uc \
    >"$out/build.log" 2>&1) || { tail -n 30 "$out/build.log"; say "the $arch package did not build: $out/build.log"; exit 1; }
deb=$out/qimbora_${version}_$arch.deb changes=$out/qimbora_${version}_$arch.changes
# Every package of the build (the program and its debugging symbols).
report=$(lintian --fail-on error,warning "$changes" 2>&1) || { echo "$report"; say "lintian rejects $changes"; exit 1; }
tests/package_check.sh "$deb" org.qimbora.Qimbora 32 48 64 128 256
echo "$deb"
