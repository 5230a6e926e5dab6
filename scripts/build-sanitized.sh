#!/usr/bin/env bash
# Builds the sanitizer tree build/asan with clang: the pure libraries, their
# tests and the fuzz targets under AddressSanitizer and UndefinedBehaviorSanitizer,
# against a libpng built the same way.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh >/dev/null
scripts/build-libpng.sh build/deps/libpng-asan sanitized
png=$root/build/deps/libpng-asan
cmake -S . -B build/asan -DVARNOMEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DPNG_LIBRARY="$png/lib/libpng16.a" -DPNG_PNG_INCLUDE_DIR="$png/include" >/dev/null
cmake --build build/asan -j"$(nproc)"
