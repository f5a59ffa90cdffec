#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing:
# NAME for this machine's processor (or an architecture-independent one),
# NAME:ARCH for another's. Nothing happens when all are present; apt-get runs
# as root or through sudo.
set -euo pipefail

native=$(dpkg --print-architecture)
installed() {
    local name=${1%%:*} arch=${1#*:}
    [ "$arch" != "$1" ] || arch=$native
    dpkg-query -W -f='${Status} ${Architecture}\n' "$name" 2>/dev/null | grep -qE "^install ok installed ($arch|all)$"
}
missing=()
for package in "$@"; do
    installed "$package" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
source "$(dirname "$0")/common.sh"
apt_update || true
run env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
