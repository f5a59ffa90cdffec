#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing.
# Nothing happens when all are present; apt-get runs as root or through sudo.
set -euo pipefail

missing=()
for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
run() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }
run apt-get update -qq
run env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
