#!/usr/bin/env bash
# e2e.sh PROGRAM
# The program a user starts, in a private X server of 1920 x 1080 at 150 %
# (Xft.dpi 144) with no sound server: the window fits at a whole scale; three
# flowers are praised aloud, printing nothing, and saved through the real dialog;
# under a file-size limit a save fails with a message and the toy goes on, with
# --mute silent. --help and --version need no screen, and fail when their answer
# is lost; with no screen the program says so in Chinese and ends with status 1;
# unknown options are named; a session bus is never started for the toy.
set -euo pipefail
prog=$(realpath "$1")
work=$(mktemp -d) log=$(mktemp) app=
source "$(dirname "$0")/../scripts/x-server.sh"
stop_app() { [ -z "$app" ] || { kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; app=; }; }
trap 'stop_app; stop_x_server; rm -rf "$work" "$log"' EXIT
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prog" --help) && grep -q -- '--mute  *不出声' <<<"$help" \
    || fail "--help did not answer without a screen"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prog" --version) && [ "$(head -n 1 <<<"$version")" = "Qimbora 1.0" ] \
    && grep -q '许可证：GPL-3.0-or-later' <<<"$version" || fail "--version did not answer with the licence"
! "$prog" --help >/dev/full 2>"$log" && grep -q '没能写出去' "$log" || fail "--help into a full disk succeeded"
no_screen() {
    local status=0 said
    said=$("$@" 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 1 ] && [[ $(head -n 1 <<<"$said") == qimbora：连不上屏幕* ]] && grep -q 'platform plugin' <<<"$said" \
        || fail "$*: status $status, said: $said"
}
no_screen env -u WAYLAND_DISPLAY DISPLAY=:9876 "$prog"
no_screen env -u DISPLAY -u WAYLAND_DISPLAY "$prog"
no_screen "$prog" -platform nonsense
start_x_server 1920x1080
echo "Xft.dpi: 144" | xrdb -nocpp -merge
export XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:/nonexistent/qimbora
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Starts the program under a file-size limit (KiB) with any further arguments,
# paints three numbered flowers, the first centred at canvas (398, 298), and
# saves them as $2 in an empty folder, so typing completes nothing.
paint_and_save() {
    (cd "$work" && ulimit -f "$1" && exec "$prog" "${@:3}") >"$log" 2>&1 &
    app=$! window=
    paint_three_and_save "$2"
}

paint_and_save unlimited flowers
# The three flowers as every processor saves them.
saved_picture "$work/flowers.bmp" 90e0c119dba55e1e
[ ! -s "$log" ] || fail "the program printed while praising with no sound server"
voice_loaded() { grep -qx qimbora-voice /proc/"$app"/task/*/comm; }
voice_loaded || fail "the voice was not loaded"
stop_app

# With no session bus, none is started that would outlive the toy.
buses() { ps -eo comm= | grep -c -E '^dbus-(daemon|launch)$' || true; }
buses_before=$(buses)
(exec env -u DBUS_SESSION_BUS_ADDRESS "$prog" --mute) >"$log" 2>&1 &
app=$! window= && window=$(window_named '^Qimbora1\.0$') && stop_app
[ "$(buses)" = "$buses_before" ] || fail "a session bus was started"

# Xft.dpi and environment -> the window's size, its top left on the screen.
while read -r dpi setting size; do
    echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
    (exec env ${setting#-} "$prog" --mute) >"$log" 2>&1 &
    app=$! window= && window=$(window_named '^Qimbora1\.0$')
    eval "$(xdotool getwindowgeometry --shell "$window")" && stop_app
    [ "${WIDTH}x$HEIGHT" = "$size" ] && [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] || fail "$dpi $setting: not $size on the screen"
done <<'ROWS'
192 - 1125x756
96 QT_SCREEN_SCALE_FACTORS=1.5 1125x756
120 - 1406x945
96 QT_SCALE_FACTOR=2 2250x1512
ROWS

# 100 KiB is less than the 2.3 MB bitmap: the write fails, and a message shows.
paint_and_save 100 limited --frobnicate --mute
window_named '^Qimbora1\.0$' >/dev/null
! voice_loaded || fail "--mute loaded the voice"
[ "$(grep -c '不认识的选项“--frobnicate”' "$log")" -eq 1 ] || fail "the unknown option was not named once"

! ls "$work"/limited* >/dev/null 2>&1 || fail "a partial file was left behind"
echo "under a file-size limit: a message, no partial file, the program goes on"
