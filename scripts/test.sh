#!/usr/bin/env bash
# The test command: installs what is missing, builds the host tree (pure code,
# tools) and the Windows tree (Varnomel.exe and its tests), runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

scripts/install-deps.sh

echo "== host build"
cmake -S . -B build/host -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/host -j"$jobs"

echo "== Windows build"
scripts/build.sh all

echo "== sanitizer build (clang: AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer)"
scripts/build-sanitized.sh

status=0
echo "== host tests"
ctest --test-dir build/host --output-on-failure -j"$jobs" || status=1
echo "== sanitizer tests and short fuzz runs"
ctest --test-dir build/asan --output-on-failure -j"$jobs" || status=1
echo "== Windows tests under Wine"
scripts/with-wine-display.sh build/target/wineprefix \
  ctest --test-dir build/target --output-on-failure --timeout 300 || status=1
exit "$status"
