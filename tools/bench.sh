#!/usr/bin/env bash
# Builds, then runs the benchmarks: the call overhead of the exports against
# direct calls of the stand-in driver, with the adapter's heap use per shape
# of call (a Windows program, under Wine), and the short-string conversions
# against memcpy of the same bytes (native, Google Benchmark).
#   tools/bench.sh [calls-per-run]    default 100000 calls in each of 7 runs
# Exits nonzero when either program fails (bench.exe: the heap use is not as
# expected); the timing targets it prints are reported, not enforced.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ -f "$here/build/CMakeCache.txt" ] || cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build"

status=0
echo
echo "== call overhead of the exports, under Wine (build/win/bench/bench.exe)"
"$here/tools/wine-run.sh" "$here/build/win/bench/bench.exe" "$@" || status=1

echo
echo "== short-string conversions against memcpy, native (build/bench/conversion_bench)"
if [ -x "$here/build/bench/conversion_bench" ]; then
    "$here/build/bench/conversion_bench" || status=1
else
    echo "not built: needs libbenchmark-dev and include(cmake/bench-native.cmake) in cmake/native.cmake"
    status=1
fi
exit $status
