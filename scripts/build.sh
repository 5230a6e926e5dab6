#!/usr/bin/env bash
# Builds Varnomel.exe (and, with "all", every Windows-side test) into build/target,
# configured as the release build: size-optimised, unused sections dropped, stripped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
scripts/build-libpng.sh build/deps/libpng-i686-readonly
png=$root/build/deps/libpng-i686-readonly
cmake -S . -B build/target -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DPNG_LIBRARY="$png/lib/libpng16.a" -DPNG_PNG_INCLUDE_DIR="$png/include" >/dev/null
if [ "${1:-}" = all ]; then
  cmake --build build/target -j"$(nproc)"
else
  cmake --build build/target -j"$(nproc)" --target Varnomel
fi
