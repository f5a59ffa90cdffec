#!/usr/bin/env bash
# e2e_save.sh PROGRAM
# Starts the program in a private X server, paints a flower, saves the canvas
# through the real save dialog and checks the file with an independent reader.
set -euo pipefail
prog=$(realpath "$1")
work=$(mktemp -d)
log=$(mktemp)
source "$(dirname "$0")/../scripts/x-server.sh"
app=
cleanup() {
    if [ -n "$app" ]; then
        kill "$app" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
    fi
    stop_x_server
    rm -rf "$work" "$log"
}
trap cleanup EXIT
start_x_server

# The dialog opens in the working folder: an empty one, so typing completes nothing.
(cd "$work" && exec "$prog") >"$log" 2>&1 &
app=$!
window=
for _ in $(seq 200); do
    kill -0 "$app" 2>/dev/null || { echo "the program ended before its window showed:"; cat "$log"; exit 1; }
    window=$(xdotool search --onlyvisible --pid "$app" --name '^Qimbora1\.0$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not show"; exit 1; }
sleep 0.5
xdotool mousemove --window "$window" 400 300 click 1   # a flower centred at canvas (398, 298)
sleep 0.2
xdotool mousemove --window "$window" 858 717 click 1   # 保 存
dialog=
for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --pid "$app" --name . | grep -v "^$window\$" | head -n 1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || { echo "the save dialog did not open"; exit 1; }
sleep 0.5
xdotool type --delay 30 "flowers"
xdotool key Return
for _ in $(seq 100); do [ -s "$work/flowers.bmp" ] && break; sleep 0.1; done
[ -s "$work/flowers.bmp" ] || { echo "no file was written"; ls -la "$work"; exit 1; }

format=$(identify -format '%m %w %h' "$work/flowers.bmp")
centre=$(convert "$work/flowers.bmp" -format '%[pixel:p{398,298}]' info:)
corner=$(convert "$work/flowers.bmp" -format '%[pixel:p{1121,0}]' info:)
echo "read back: $format; centre $centre; corner $corner"
case $format in BMP*" 1122 693") ;; *) echo "expected a 1122 x 693 bitmap"; exit 1 ;; esac
[ "$corner" = "srgb(0,0,64)" ] || { echo "expected the background in the corner"; exit 1; }
[ "$centre" != "srgb(0,0,64)" ] || { echo "expected the flower at the centre"; exit 1; }
