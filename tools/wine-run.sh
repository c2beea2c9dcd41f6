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
    *)  make_prefix
        # KEVRA_RETRY_EMULATOR_CRASH=N runs the program again (up to N times) when qemu itself
        # dies of a signal: 32-bit Wine threads under qemu-user do that now and then, with
        # "qemu: uncaught target signal" on stderr. A crash of the program under test is
        # caught inside it and ends it with an ordinary exit code, so it is never retried.
        tries="${KEVRA_RETRY_EMULATOR_CRASH:-0}"
        while :; do
            out="$(mktemp)"
            set +e
            wine "$@" 2>&1 | tee "$out"
            code=${PIPESTATUS[0]}
            set -e
            if [ "$code" -ge 128 ] && [ "$tries" -gt 0 ] && grep -q "qemu: uncaught target signal" "$out"; then
                echo "wine-run: the emulator crashed (exit $code); running the program again"
                tries=$((tries - 1))
                rm -f "$out"
                continue
            fi
            rm -f "$out"
            exit "$code"
        done ;;
esac
