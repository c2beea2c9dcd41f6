#!/usr/bin/env bash
# Installs the kit into a fresh prefix, checks its layout, builds a host
# against it as a user would (CMake package, MinGW import library), links one
# with lld-link against the Microsoft-format import library, runs both under
# Wine with the test double, and packs the zip.
#   tests/install/run.sh <windows build dir> <scratch dir>
set -euo pipefail
src="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
win="$(cd "$1" && pwd)"
rm -rf "$2"
mkdir -p "$2"
work="$(cd "$2" && pwd)"
prefix="$work/prefix"
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$win" --prefix "$prefix" >/dev/null
for f in bin/kevrad2c.dll bin/kevradiag.exe include/kevrad2c.h lib/libkevrad2c.dll.a lib/kevrad2c.lib lib/kevrad2c.def \
         lib/cmake/kevrad2c/kevrad2cConfig.cmake lib/cmake/kevrad2c/kevrad2cConfigVersion.cmake \
         lib/cmake/kevrad2c/kevrad2cTargets.cmake test-double/kevra.dll test-double/README.txt; do
    [ -f "$prefix/$f" ] || fail "installed tree lacks $f"
done
echo "installed tree:"; (cd "$prefix" && find . -type f | sort | sed 's/^/  /')

# MinGW host through find_package.
cmake -S "$src/tests/install/host" -B "$work/host" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-i686-mingw32.cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/host" >/dev/null
cp "$prefix/bin/kevrad2c.dll" "$prefix/test-double/kevra.dll" "$work/host/"
out="$("$src/tools/wine-run.sh" "$work/host/host.exe" | tr -d '\r')"
echo "mingw host: $out"
[ "$out" = 'initialize=1 pad=1 "USB\STANDIN-PAD-0001" frame=14' ] || fail "mingw host printed: $out"

# The README's sample, compiled against the installed kit as it stands there.
awk '/^```c$/{on=1; next} /^```$/{if (on) exit} on' "$src/README.md" > "$work/readme_sample.c"
[ -s "$work/readme_sample.c" ] || fail "no C sample found in README.md"
i686-w64-mingw32-gcc -std=c99 -Wall -Wextra -pedantic -Werror -I"$prefix/include" "$work/readme_sample.c" \
    -L"$prefix/lib" -lkevrad2c -o "$work/readme_sample.exe" || fail "the README's C sample does not compile"
echo "README sample: compiles"

# A host linked by lld-link against kevrad2c.lib, the Microsoft-format import library.
mkdir -p "$work/msvc"
clang --target=i686-pc-windows-msvc -ffreestanding -Wall -Wextra -Werror -I"$prefix/include" \
      -c "$src/tests/install/msvc_host.c" -o "$work/msvc/host.obj"
lld-link /nologo /entry:start /subsystem:console /nodefaultlib /out:"$work/msvc/host.exe" \
         "$work/msvc/host.obj" "$prefix/lib/kevrad2c.lib"
cp "$prefix/bin/kevrad2c.dll" "$prefix/test-double/kevra.dll" "$work/msvc/"
set +e
"$src/tools/wine-run.sh" "$work/msvc/host.exe"
code=$?
set -e
echo "lld-link host exit code: $code"
[ "$code" = 42 ] || fail "the host linked against kevrad2c.lib exited with $code, expected 42"

# The versioned zip of the same tree.
(cd "$win" && cpack >/dev/null)
zip="$win/package/kevrad2c-$(sed -n 's/^project(kevrad2c VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")-win32.zip"
[ -f "$zip" ] || fail "no package $zip"
unzip -l "$zip" | grep -q "include/kevrad2c.h" || fail "package lacks the header"
echo "package: $zip"
echo "kit: 1 passed, 0 failed"
