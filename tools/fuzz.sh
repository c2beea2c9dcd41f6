#!/usr/bin/env bash
# A long fuzz run of the bridge's portable logic: tools/fuzz.sh [seconds, default 600]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake --build "$here/build" --target fuzzers
mkdir -p "$here/build/fuzz-corpus"
exec "$here/build/fuzz/fuzz_bridge" -max_total_time="${1:-600}" -max_len=600 -print_final_stats=1 \
    "$here/build/fuzz-corpus" "$here/tests/fuzz/corpus"
