#!/usr/bin/env bash
# Installs what is needed, builds kevrad2c.dll (and everything around it), and
# runs the example host session against the stand-in driver under Wine.
#   tools/build.sh [--no-run]    --no-run: stop after the build
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build"
echo "built: $here/build/win/bin/kevrad2c.dll"
[ "${1:-}" = "--no-run" ] && exit 0
echo "running the example host session (examples/session.c) against the stand-in driver:"
"$here/tools/wine-run.sh" "$here/build/win/examples/session.exe"
