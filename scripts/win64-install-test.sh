#!/usr/bin/env bash
# win64-install-test.sh SETUP_EXE
# Installs the toy with its Windows installer, silently, in a fresh wine
# prefix on a private X server; starts it from its Start-menu entry, paints
# three flowers, saves them through Windows' save dialog into a folder with a
# Chinese name and checks the bytes against the picture Linux saves (e2e.sh);
# then uninstalls silently and finds nothing left. Then the same for all
# users, as school IT installs it. Also checks that --help answers into a pipe.
set -euo pipefail
setup=$(realpath "$1")
cd "$(dirname "$0")/.."
source scripts/x-server.sh
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
wine() { scripts/wine.sh installed "$@"; }
finish() { /usr/lib/wine/wineserver -k 2>/dev/null || true; stop_x_server; rm -rf "$WINEPREFIX"; }
trap finish EXIT
start_x_server 1280x1024
wine wineboot -i >/dev/null 2>&1
drive=$WINEPREFIX/drive_c
menu_name="Qimbora 画花数数.lnk"
home="$drive/users/$(id -un)"
user_menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"

# Polls for a window whose name matches $1; prints its id.
window_like() {
    for _ in $(seq 300); do
        xdotool search --name "$1" 2>/dev/null | head -n 1 | grep . && return 0
        sleep 0.1
    done
    for id in $(xdotool search --name . 2>/dev/null); do echo "$id $(xdotool getwindowname "$id")"; done >&2
    fail "no window named $1 showed"
}

# Installs with the options given, waiting for the installer and what it started.
install() { wine "$setup" /S "$@"; /usr/lib/wine/wineserver -w; }
# Runs the uninstaller in the folder $1 and checks that nothing of the toy
# stays there, in the menu $2, or in Windows' list of apps under the hive $3.
uninstall_from() {
    local key="$3\Software\Microsoft\Windows\CurrentVersion\Uninstall\Qimbora"
    wine reg query "$key" >/dev/null 2>&1 || fail "not in Windows' list of apps ($3)"
    wine "$(winepath -w "$1/uninstall.exe")" /S
    /usr/lib/wine/wineserver -w
    [ ! -e "$1" ] || fail "left in the install folder: $(find "$1" | head -n 5)"
    [ ! -e "$2/$menu_name" ] || fail "the Start-menu entry was left"
    ! wine reg query "$key" >/dev/null 2>&1 || fail "left in Windows' list of apps ($3)"
}
winepath() { scripts/wine.sh installed winepath "$@" 2>/dev/null; }

install
folder="$home/AppData/Local/Programs/Qimbora"
[ -f "$folder/qimbora.exe" ] && [ -f "$folder/COPYING.txt" ] || fail "not installed in $folder"
[ -f "$user_menu/$menu_name" ] || fail "no Start-menu entry in $user_menu"
help=$(wine "$(winepath -w "$folder/qimbora.exe")" --help 2>/dev/null) && grep -q -- '--mute  *不出声' <<<"$help" \
    || fail "--help did not answer into a pipe"
garden="$home/花园"
mkdir -p "$garden"
wine start "$(winepath -w "$user_menu/$menu_name")"
window=$(window_like '^Qimbora1\.0$')
painted "$window"
for at in "400 300" "700 200" "250 450" "858 717"; do
    xdotool mousemove --window "$window" $at click 1
done
dialog=$(window_like '^qimbora$')
# A dialog just shown in a fresh prefix may still be making its list of
# files, and lose what is typed: the name is typed again, over what the field
# holds, until it saves.
for _ in 1 2 3 4 5; do
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool key End shift+Home
    xdotool type "$(winepath -w "$garden")\\flowers"
    xdotool key Return
    for _ in $(seq 50); do [ -s "$garden/flowers.bmp" ] && break 2; sleep 0.1; done
done
[ -s "$garden/flowers.bmp" ] \
    || fail "nothing was saved into 花园 through the dialog; saved: $(find "$drive" -name '*flowers*' | head -n 3)"
bytes=$(md5sum <"$garden/flowers.bmp" | cut -c 1-16)
[ "$bytes" = 90e0c119dba55e1e ] || fail "the picture saved as $bytes; expected Linux's 90e0c119dba55e1e"
echo "installed for this user, started from the Start menu, saved Linux's picture into 花园"
/usr/lib/wine/wineserver -k
uninstall_from "$folder" "$user_menu" HKCU
echo "uninstalled: nothing left"

install /AllUsers
folder="$drive/Program Files/Qimbora"
all_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
[ -f "$folder/qimbora.exe" ] && [ -f "$all_menu/$menu_name" ] || fail "/AllUsers did not install for everyone"
uninstall_from "$folder" "$all_menu" HKLM
echo "installed for all users and uninstalled: nothing left"
