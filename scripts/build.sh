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
scripts/install-deps.sh
scripts/build-libpng.sh "build/deps/libpng-$arch-readonly" "$arch"
# The preset (CMakePresets.json) holds the toolchain, the release type and where libpng and GoogleTest are.
cmake --preset "debian-mingw-$arch" >/dev/null
if [ "${1:-}" = all ]; then
  cmake --build --preset "debian-mingw-$arch" -j"$(nproc)"
else
  cmake --build --preset "debian-mingw-$arch" -j"$(nproc)" --target Varnomel
fi
