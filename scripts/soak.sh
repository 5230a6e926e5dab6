#!/usr/bin/env bash
# The long soak of the real Varnomel.exe under Wine on a virtual display:
# 10,000 item presses, 500 context menus closed by Escape, 300 drags of the
# handle and 300 of the resize grip, checked every 1,000 presses, then a close.
# Usage: scripts/soak.sh [--rounds N] [--rounds-per-check N] [--allowance BYTES_PER_PRESS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# The shipped 32-bit program, or its 64-bit build where this machine runs no 32-bit code.
arch=$(scripts/test-arch.sh)
tree=$(scripts/test-arch.sh --tree)
ARCH=$arch scripts/build.sh
cmake --build "$tree" -j"$(nproc)" --target soak
scripts/with-wine-display.sh "$tree/wineprefix" wine "$tree/tests/soak/soak.exe" "$@"
