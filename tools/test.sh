#!/usr/bin/env bash
# Installs what is needed, builds everything and runs all tests, native and
# Windows (under Wine), through ctest.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/build.sh" --no-run
cd "$here/build"
ctest --output-on-failure -j2
