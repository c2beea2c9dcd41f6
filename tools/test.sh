#!/usr/bin/env bash
# Installs what is needed, builds everything and runs all tests, native and
# Windows (under Wine), through ctest.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build"
cd "$here/build"
ctest --output-on-failure -j2
