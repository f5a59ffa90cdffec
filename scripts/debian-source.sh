#!/usr/bin/env bash
# debian-source.sh SUITE PACKAGE[=VERSION] DEST [BINARY...]
# Downloads a Debian source package into DEST (its .dsc and the files it
# names), and the amd64 packages BINARY built from that version, through
# package lists of its own, so that the machine's sources stay as they are:
# SUITE "" reads the machine's own suites, otherwise that suite of Debian's
# archive. Prints the version fetched.
set -euo pipefail
suite=$1 package=$2 dest=$3
shift 3
source "$(dirname "$0")/common.sh"
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
# apt's download user reads and writes here, as in its own folders.
chmod 755 "$work"
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$dest"
if [ -z "$suite" ] && [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources >"$work/src.sources"
elif [ -z "$suite" ]; then
    sed -n 's/^deb \(.*\)/deb \1\ndeb-src \1/p' /etc/apt/sources.list >"$work/src.list"
else
    printf '%s\n' "Types: deb deb-src" "URIs: http://deb.debian.org/debian" "Suites: $suite" "Components: main" \
        "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" >"$work/src.sources"
fi
list=$(ls "$work"/src.*)
apt=(-o Dir::Etc::SourceList="$list" -o APT::Architecture=amd64 -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache")
for attempt in 1 2 3; do
    apt-get "${apt[@]}" update -qq >&2 && break
    [ "$attempt" -lt 3 ] || { say "cannot read Debian's source lists for ${suite:-this machine}"; exit 1; }
    sleep 20
done
version=$(apt-cache "${apt[@]}" showsrc "$package" | awk '/^Version:/ { print $2; exit }')
[ "${package#*=}" = "$package" ] || version=${package#*=}
(cd "$dest" && apt-get "${apt[@]}" source -qq --download-only "${package%%=*}=$version" >&2 2>/dev/null) \
    || { say "cannot fetch the source of ${package%%=*} $version"; exit 1; }
for binary in "$@"; do
    (cd "$dest" && apt-get "${apt[@]}" download -qq "$binary:amd64=$version" >&2 2>/dev/null) \
        || { say "cannot fetch $binary $version"; exit 1; }
done
echo "$version"
