#!/usr/bin/env bash
# The test command: installs what is missing, builds the host tree (pure code,
# tools) and the Windows tree (Varnomel.exe and its tests), runs every test,
# and has clang check the program's sources. The trees are CMakePresets.json's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

scripts/install-deps.sh

echo "== host build"
cmake --preset debian-host >/dev/null
cmake --build --preset debian-host -j"$jobs"

echo "== Windows build"
scripts/build.sh all
# The tests run as the program ships, 32-bit, where the machine runs 32-bit
# code; elsewhere the same sources built for 64-bit Windows stand in.
test_arch=$(scripts/test-arch.sh)
test_tree=$(scripts/test-arch.sh --tree)
if [ "$test_arch" != i686 ]; then
  echo "== Windows build for $test_arch (this machine runs no 32-bit code)"
  ARCH=$test_arch scripts/build.sh all
fi

echo "== sanitizer build (clang: AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer)"
scripts/build-sanitized.sh

status=0
echo "== host tests"
ctest --preset debian-host -j"$jobs" || status=1
echo "== sanitizer tests and short fuzz runs"
ctest --test-dir build/asan --output-on-failure -j"$jobs" || status=1
echo "== the shipped program is a 32-bit Windows executable"
kind=$(file -b build/target/window/Varnomel.exe); echo "$kind"
[[ $kind == "PE32 executable (GUI) Intel 80386"* ]] || status=1
echo "== Windows tests under Wine ($test_arch)"
WITH_DPI144_PREFIX=1 scripts/with-wine-display.sh "$test_tree/wineprefix" ctest --preset "debian-mingw-$test_arch" || status=1
echo "== the second compiler: clang parses every source of the program for 32-bit Windows"
scripts/clang-check.sh || status=1
echo "== benchmark, a few runs so that it keeps working (figures never fail)"
scripts/bench.sh 3 1 || status=1
exit "$status"
