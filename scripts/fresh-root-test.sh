#!/usr/bin/env bash
# fresh-root-test.sh RELEASE [MAKE_TARGET]
# Runs `make MAKE_TARGET` (test unless given) in a clean clone of this checkout's
# committed state, inside a fresh minimal Debian root of RELEASE (trixie, say),
# as a new user on a bare system would. The root lives in build/root-RELEASE;
# nothing is kept outside the build folder. Needs root.
set -euo pipefail
release=$1 target=${2:-test}
cd "$(dirname "$0")/.."
source scripts/root.sh
scripts/install-deps.sh debootstrap
make_root "$release" "$(dpkg --print-architecture)" "$PWD/build/root-$release"
git clone -q "$PWD" "$root/root/qimbora"
# A bare system has no make: the README asks for it first.
in_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends make >/dev/null"
SECONDS=0
in_root "cd /root/qimbora && make $target"
echo "make $target in a fresh $release root: ${SECONDS} s"
