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
        # dies of a signal ("qemu: uncaught target signal" on stderr): 32-bit Wine threads
        # under qemu-user do that now and then, even in a program that only counts.
        # KEVRA_RETRY_ANY_CRASH=N retries every run that ends without the program's closing
        # "N passed, N failed" line: for multi-threaded tests, where the emulator's faults
        # also surface as caught exceptions, a silent end or a livelock, so each of those
        # runs is also cut off after KEVRA_ATTEMPT_SECONDS (default 60; a run takes seconds).
        # A fault of the code under test repeats on every try, so it still fails; wrong
        # results are never retried.
        tries="${KEVRA_RETRY_ANY_CRASH:-${KEVRA_RETRY_EMULATOR_CRASH:-0}}"
        while :; do
            out="$(mktemp)"
            set +e
            if [ -n "${KEVRA_RETRY_ANY_CRASH:-}" ]; then
                timeout -k 5 "${KEVRA_ATTEMPT_SECONDS:-60}" wine "$@" 2>&1 | tee "$out"
            else
                wine "$@" 2>&1 | tee "$out"
            fi
            code=${PIPESTATUS[0]}
            set -e
            crashed=0
            if [ "$code" -ge 128 ] && grep -q "qemu: uncaught target signal" "$out"; then crashed=1; fi
            if [ -n "${KEVRA_RETRY_ANY_CRASH:-}" ] && { grep -q "CRASH: exception" "$out" || ! grep -qE "^[a-z_]+: [0-9]+ passed, [0-9]+ failed" "$out"; }; then
                crashed=1
            fi
            if [ "$crashed" = 1 ] && [ "$tries" -gt 0 ]; then
                echo "wine-run: the run crashed or hung in the emulator (exit $code); running the program again"
                tries=$((tries - 1))
                rm -f "$out"
                continue
            fi
            rm -f "$out"
            exit "$code"
        done ;;
esac
