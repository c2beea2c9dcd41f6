#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian bookworm x86_64 machine,
# run as root. Idempotent: every step is skipped when its result is already there.
set -euo pipefail

need_pkgs=(cmake ninja-build g++ make g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686
           wine wine64 wine32:i386 qemu-user-static clang lld llvm-14 libclang-rt-14-dev libbenchmark-dev zip unzip)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    missing=("${need_pkgs[@]}")
else
    for p in "${need_pkgs[@]}"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The cross compiler comes in two thread flavours; the product uses the win32 one
# (no winpthreads DLL to ship).
for tool in i686-w64-mingw32-gcc i686-w64-mingw32-g++; do
    if [ -e "/usr/bin/$tool-win32" ] && [ "$(readlink -f "/usr/bin/$tool")" != "/usr/bin/$tool-win32" ]; then
        update-alternatives --set "$tool" "/usr/bin/$tool-win32" >/dev/null
    fi
done

# The kernel runs no 32-bit code here; route i386 ELF binaries (32-bit Wine) to qemu.
BF=/proc/sys/fs/binfmt_misc
mountpoint -q "$BF" || mount -t binfmt_misc binfmt_misc "$BF"
if [ ! -e "$BF/qemu-i386" ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' > "$BF/register"
fi
echo "setup: toolchain ready"
