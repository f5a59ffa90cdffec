#!/usr/bin/env bash
# install-test.sh DEB RELEASE
# Installs the package DEB with apt into a fresh minimal root of RELEASE for
# the package's processor, every dependency coming from Debian, and checks
# that the menu entry and icon land where the desktop looks; then starts the
# installed program on a private X server, paints three flowers and saves
# them through the dialog: the file must hold the very bytes that the toy
# saves on every processor. The root lives in build/install-ARCH-RELEASE.
# Needs root.
set -euo pipefail
deb=$(realpath "$1") release=$2
cd "$(dirname "$0")/.."
arch=$(dpkg-deb -f "$deb" Architecture)
fail_context="$arch, $release"
source scripts/root.sh
source scripts/x-server.sh
scripts/install-deps.sh debootstrap xvfb xdotool imagemagick
scripts/emulate.sh "$arch"
app=
stop() { [ -z "$app" ] || kill "$app" 2>/dev/null || true; stop_x_server; unmount_root; }
make_root "$release" "$arch" "$PWD/build/install-$arch-$release"
trap stop EXIT

SECONDS=0
cp "$deb" "$root/tmp/"
in_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    /tmp/$(basename "$deb") >/dev/null" || fail "apt could not install $(basename "$deb")"
echo "apt install ./$(basename "$deb") in a fresh $release root for $arch: ${SECONDS} s"
id=org.qimbora.Qimbora
entry=$root/usr/share/applications/$id.desktop
[ -f "$entry" ] || fail "no menu entry"
program=$(sed -n 's/^Exec=\([^ ]*\)$/\1/p' "$entry")
[ -x "$root$program" ] || fail "the menu entry starts $program, which is not installed"
for size in 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no icon at $size"
done

# The program inside the root, on an X server outside it.
start_x_server 1280x1024
mkdir -p "$root/tmp/.X11-unix" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
chroot "$root" env -i HOME=/root LANG=C.UTF-8 DISPLAY="$DISPLAY" sh -c "cd /tmp && exec $program" >/dev/null 2>&1 &
app=$!
paint_three_and_save flowers
# The very bytes that tests/e2e.sh pins.
saved_picture "$root/tmp/flowers.bmp" 90e0c119dba55e1e
echo "installed on $release for $arch: it starts and saves the same picture"
