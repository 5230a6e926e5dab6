#!/usr/bin/env bash
# The second compiler: parses every source of the program for 32-bit Windows
# with clang (the mingw-w64 headers and libstdc++), with -Wall -Wextra -Wshadow,
# and fails on any warning, so that code only GCC accepts is caught here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh >/dev/null
scripts/build-libpng.sh build/deps/libpng-i686-readonly i686   # its headers
cmake --preset debian-clang-i686-check >/dev/null
cmake -DTREE=build/clang-check -DSOURCE_DIR="$root" -P cmake/SyntaxCheck.cmake
