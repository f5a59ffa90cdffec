#!/usr/bin/env bash
# wine.sh QT_PREFIX PROGRAM [ARGUMENT...]
# Runs a Windows program built here under wine, as CTest's emulator does: in the
# wine prefix $WINEPREFIX (made on first use), with Qt's and the compiler's
# libraries found as if installed beside it; QT_PREFIX "installed" finds only
# what the program's own folder holds. Wine's own chatter is silenced.
set -euo pipefail
qt=$1
shift
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/qimbora/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer is offered while the prefix is made; the build
# machine has no sound card, which wine's ALSA driver would say at length
# (the toy is then silent, as on a Windows PC without one).
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winealsa.drv=d}"
if [ "$qt" != installed ]; then
    compiler=x86_64-w64-mingw32-g++-posix
    runtime() { dirname "$(realpath "$($compiler -print-file-name="$1")")"; }
    export WINEPATH="Z:$qt/bin;Z:$(runtime libstdc++-6.dll);Z:$(runtime libwinpthread-1.dll)"
    export QT_PLUGIN_PATH="Z:$qt/plugins"
fi
# Wine keeps the Linux desktop's QT_ settings from Windows programs, and hands
# them WINEQT_ ones under their QT_ names instead.
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep '^QT_[A-Z_]*=')
# Debian 12 keeps the 64-bit loader out of the path.
for wine in /usr/lib/wine/wine64 /usr/bin/wine64 /usr/bin/wine; do
    [ -x "$wine" ] && exec "$wine" "$@"
done
echo "qimbora: wine is missing: apt-get install wine64" >&2
exit 1
