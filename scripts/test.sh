#!/usr/bin/env bash
# The test command: installs what is missing, builds the host tree (pure code,
# tools) and the Windows tree (Varnomel.exe and its tests), runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

scripts/install-deps.sh
scripts/build-libpng.sh build/deps/libpng-i686

echo "== host build"
cmake -S . -B build/host -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/host -j"$jobs"

echo "== Windows build"
png=$root/build/deps/libpng-i686
cmake -S . -B build/target -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPNG_LIBRARY="$png/lib/libpng16.a" -DPNG_PNG_INCLUDE_DIR="$png/include" >/dev/null
cmake --build build/target -j"$jobs"

status=0
echo "== host tests"
ctest --test-dir build/host --output-on-failure -j"$jobs" || status=1
echo "== Windows tests under Wine"
scripts/with-wine-display.sh build/target/wineprefix \
  ctest --test-dir build/target --output-on-failure --timeout 300 || status=1
exit "$status"
