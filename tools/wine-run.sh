#!/usr/bin/env bash
# Runs a 32-bit Windows program under Wine on this x86_64 Linux machine, with
# the settings that make a process start take about a second under qemu.
#   tools/wine-run.sh program.exe [args...]
#   tools/wine-run.sh --prefix        create the Wine prefix only
#   tools/wine-run.sh --start-server  keep a wineserver up between programs
#   tools/wine-run.sh --stop-server
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QEMU_RESERVED_VA=0x7fff0000
export WINEPREFIX="${KEVRA_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
unset DISPLAY

make_prefix() {
    [ -e "$WINEPREFIX/.ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -e "$WINEPREFIX/.ready" ]; then
        /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
        /usr/lib/wine/wineserver -w
        touch "$WINEPREFIX/.ready"
    fi
    flock -u 9
}

case "${1:-}" in
    --prefix) make_prefix ;;
    --start-server) make_prefix; /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true ;;
    --stop-server) /usr/lib/wine/wineserver -k 2>/dev/null || true ;;
    "") echo "usage: $0 program.exe [args...]" >&2; exit 2 ;;
    *) make_prefix; exec wine "$@" ;;
esac
