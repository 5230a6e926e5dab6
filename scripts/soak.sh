#!/usr/bin/env bash
# The long soak of the real Varnomel.exe under Wine on a virtual display:
# 10,000 item presses, 500 context menus closed by Escape, 300 drags of the
# handle and 300 of the resize grip, checked every 1,000 presses, then a close.
# Usage: scripts/soak.sh [--rounds N] [--rounds-per-check N] [--allowance BYTES_PER_PRESS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh
cmake --build build/target -j"$(nproc)" --target soak
scripts/with-wine-display.sh build/target/wineprefix wine build/target/tests/soak/soak.exe "$@"
