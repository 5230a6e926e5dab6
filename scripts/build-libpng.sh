#!/usr/bin/env bash
# Cross-builds libpng (static) for the i686 mingw target from Debian's own source package.
# Usage: scripts/build-libpng.sh PREFIX     (skips the work when PREFIX already holds it)
#        scripts/build-libpng.sh PREFIX sanitized
# The second form builds it natively with clang under the sanitizers and
# libFuzzer's coverage hooks instead, for the sanitizer tree.
set -euo pipefail
prefix=$(realpath -m "${1:?usage: build-libpng.sh PREFIX}")
root=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$prefix/lib/libpng16.a" ] && [ -f "$prefix/include/png.h" ] && exit 0

work="$prefix.src"
rm -rf "$work"; mkdir -p "$work"
cd "$work"
apt-get source --download-only -qq libpng1.6 >/dev/null 2>&1 || apt-get source --download-only libpng1.6
dsc=$(ls libpng1.6_*.dsc | head -n1)
dpkg-source --no-check -x "$dsc" src >/dev/null
if [ "${2:-}" = sanitized ]; then
  flags="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer -g"
  platform=(-DCMAKE_C_COMPILER=clang-14 -DCMAKE_C_FLAGS="$flags" -DPNG_HARDWARE_OPTIMIZATIONS=OFF)
else
  platform=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
    -DZLIB_LIBRARY=/usr/i686-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/i686-w64-mingw32/include)
fi
cmake -S src -B build -G "Unix Makefiles" "${platform[@]}" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
cmake --install build >/dev/null
rm -rf "$work"
echo "libpng built into $prefix"
