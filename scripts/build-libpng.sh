#!/usr/bin/env bash
# Cross-builds libpng (static) for a mingw target (i686 unless ARCH says
# x86_64) from Debian's own source package.
# Read-only (cmake/libpng-read-only.dfa) and size-optimised, one section per
# function and no unwind tables (C has no exceptions), so that the program's
# link drops what it does not call.
# Usage: scripts/build-libpng.sh PREFIX [ARCH]  (skips the work when PREFIX already holds it)
set -euo pipefail
prefix=$(realpath -m "${1:?usage: build-libpng.sh PREFIX [ARCH]}")
arch=${2:-i686}
root=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$prefix/lib/libpng16.a" ] && [ -f "$prefix/include/png.h" ] && exit 0

work="$prefix.src"
rm -rf "$work"; mkdir -p "$work"
cd "$work"
apt-get source --download-only -qq libpng1.6 >/dev/null 2>&1 || apt-get source --download-only libpng1.6
dsc=$(ls libpng1.6_*.dsc | head -n1)
dpkg-source --no-check -x "$dsc" src >/dev/null
cmake -S src -B build -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables" -DDFA_XTRA="$root/cmake/libpng-read-only.dfa" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_USE_STATIC_LIBS=ON \
  >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
cmake --install build >/dev/null
rm -rf "$work"
echo "libpng built into $prefix"
