#!/usr/bin/env bash
# e2e_save.sh PROGRAM
# Starts the program in a private X server, paints a flower, saves the canvas
# through the real save dialog and checks the file with an independent reader.
# Then, under a file-size limit, a save fails with a message and the program
# goes on.
set -euo pipefail
prog=$(realpath "$1")
work=$(mktemp -d)
log=$(mktemp)
source "$(dirname "$0")/../scripts/x-server.sh"
app=
stop_app() {
    if [ -n "$app" ]; then
        kill "$app" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
    fi
    app=
}
cleanup() {
    stop_app
    stop_x_server
    rm -rf "$work" "$log"
}
trap cleanup EXIT
start_x_server

# Starts the program (under the given file-size limit, in KiB), paints a flower
# and saves under NAME through the dialog. The dialog opens in the working
# folder: an empty one, so typing completes nothing.
paint_and_save() {
    local limit=$1 name=$2
    (cd "$work" && ulimit -f "$limit" && exec "$prog") >"$log" 2>&1 &
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
    local dialog=
    for _ in $(seq 100); do
        dialog=$(xdotool search --onlyvisible --pid "$app" --name . | grep -v "^$window\$" | head -n 1 || true)
        [ -n "$dialog" ] && break
        sleep 0.1
    done
    [ -n "$dialog" ] || { echo "the save dialog did not open"; exit 1; }
    sleep 0.5
    xdotool type --delay 30 "$name"
    xdotool key Return
}

paint_and_save unlimited flowers
for _ in $(seq 100); do [ -s "$work/flowers.bmp" ] && break; sleep 0.1; done
[ -s "$work/flowers.bmp" ] || { echo "no file was written"; ls -la "$work"; exit 1; }
format=$(identify -format '%m %w %h' "$work/flowers.bmp")
centre=$(convert "$work/flowers.bmp" -format '%[pixel:p{398,298}]' info:)
corner=$(convert "$work/flowers.bmp" -format '%[pixel:p{1121,0}]' info:)
echo "read back: $format; centre $centre; corner $corner"
case $format in BMP*" 1122 693") ;; *) echo "expected a 1122 x 693 bitmap"; exit 1 ;; esac
[ "$corner" = "srgb(0,0,64)" ] || { echo "expected the background in the corner"; exit 1; }
[ "$centre" != "srgb(0,0,64)" ] || { echo "expected the flower at the centre"; exit 1; }
stop_app

# 100 KiB is less than the 2.3 MB bitmap: the write fails, and a message shows.
paint_and_save 100 limited
message=
for _ in $(seq 50); do
    message=$(xdotool search --onlyvisible --pid "$app" --name '^Qimbora1\.0$' 2>/dev/null | grep -v "^$window\$" | head -n 1 || true)
    [ -n "$message" ] && break
    kill -0 "$app" 2>/dev/null || { echo "the program ended on the file-size limit:"; cat "$log"; exit 1; }
    sleep 0.1
done
[ -n "$message" ] || { echo "no message about the failed save"; exit 1; }
kill -0 "$app" 2>/dev/null || { echo "the program ended on the file-size limit"; exit 1; }
ls "$work"/limited* >/dev/null 2>&1 && { echo "a partial file was left behind"; ls -la "$work"; exit 1; }
echo "under a file-size limit: a message, no partial file, the program goes on"
