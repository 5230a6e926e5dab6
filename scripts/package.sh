#!/usr/bin/env bash
# Makes the package for players with CPack: build/dist/Varnomel-<version>-win32.zip
# holding the release 32-bit Varnomel.exe, README.txt (the players' guide, in
# Chinese) and LICENSE.txt. Then checks it: the executable in the zip is the
# 32-bit one, and the end-to-end start test unpacks a package into a folder
# with Chinese characters in its path and starts the program there (the
# package of the 64-bit build where this machine runs no 32-bit code).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh
rm -rf build/dist
cpack --preset debian-mingw-i686 >/dev/null
rm -rf build/dist/_CPack_Packages
zip=$(ls build/dist/Varnomel-*-win32.zip)

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$root/$zip")
echo "== $zip:"
(cd "$unpacked" && find . -type f | sort | sed 's|^\./|  |')
file -b "$unpacked"/*/Varnomel.exe | grep -q '^PE32 executable (GUI) Intel 80386' \
  || { echo "the packaged Varnomel.exe is not the 32-bit program" >&2; exit 1; }

arch=$(scripts/test-arch.sh)
tree=$(scripts/test-arch.sh --tree)
echo "== the unpacked program starts ($arch package)"
[ "$arch" = i686 ] || ARCH=$arch scripts/build.sh
cmake --build --preset "debian-mingw-$arch" -j"$(nproc)" --target package_tests >/dev/null
scripts/with-wine-display.sh "$tree/wineprefix" ctest --preset "debian-mingw-$arch" -R '^package\.'
echo "package: $root/$zip"
