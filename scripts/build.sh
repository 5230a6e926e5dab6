#!/usr/bin/env bash
# Builds Varnomel.exe (and, with "all", every Windows-side test) into
# build/target, the 32-bit program that ships, configured as the release
# build: size-optimised, unused sections dropped, stripped. With ARCH=x86_64
# it builds the same sources for 64-bit Windows into build/target-x86_64
# instead, for machines whose Wine runs 64-bit programs only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
arch=${ARCH:-i686}
tree=build/target; [ "$arch" = i686 ] || tree=build/target-$arch
scripts/install-deps.sh
scripts/build-libpng.sh "build/deps/libpng-$arch-readonly" "$arch"
png=$root/build/deps/libpng-$arch-readonly
cmake -S . -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DPNG_LIBRARY="$png/lib/libpng16.a" -DPNG_PNG_INCLUDE_DIR="$png/include" >/dev/null
if [ "${1:-}" = all ]; then
  cmake --build "$tree" -j"$(nproc)"
else
  cmake --build "$tree" -j"$(nproc)" --target Varnomel
fi
