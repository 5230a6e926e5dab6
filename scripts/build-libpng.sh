#!/usr/bin/env bash
# Cross-builds libpng (static) for a mingw target (i686 unless ARCH says
# x86_64) from Debian's own source package.
# Read-only (cmake/libpng-read-only.dfa) and size-optimised, one section per
# function and no unwind tables (C has no exceptions), so that the program's
# link drops what it does not call.
# Usage: scripts/build-libpng.sh PREFIX [ARCH]  (skips the work when PREFIX already holds it)
#        scripts/build-libpng.sh PREFIX sanitized
# The second form builds it natively with clang under the sanitizers and
# libFuzzer's coverage hooks instead (whole, not read-only), for the sanitizer tree.
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
if [ "$arch" = sanitized ]; then
  flags="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer -g"
  platform=(-DCMAKE_C_COMPILER=clang-14 -DCMAKE_C_FLAGS="$flags" -DPNG_HARDWARE_OPTIMIZATIONS=OFF
    -DCMAKE_BUILD_TYPE=Release)
else
  platform=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel
    -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables"
    -DDFA_XTRA="$root/cmake/libpng-read-only.dfa" -DZLIB_USE_STATIC_LIBS=ON)
fi
cmake -S src -B build -G "Unix Makefiles" "${platform[@]}" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
cmake --install build >/dev/null
rm -rf "$work"
echo "libpng built into $prefix"
