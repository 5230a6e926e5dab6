#!/usr/bin/env bash
# Builds and starts the overlay under Wine. On a machine with a display it
# opens there; without one it runs on a virtual display, saves a screenshot
# after start and one after a press on the third base item, prints their
# paths and ends the program by a close request.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# The shipped 32-bit program, or its 64-bit build where this machine runs no 32-bit code.
arch=$(scripts/test-arch.sh)
tree=$(scripts/test-arch.sh --tree)
ARCH=$arch scripts/build.sh
run_dir=$root/build/run
mkdir -p "$run_dir"
cp "$tree/window/Varnomel.exe" "$run_dir/"   # config.ini stays beside it between runs

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  USE_CURRENT_DISPLAY=1 scripts/with-wine-display.sh build/wineprefix-run-$arch wine "$run_dir/Varnomel.exe"
  exit 0
fi
exec scripts/with-wine-display.sh build/wineprefix-run-$arch scripts/headless-demo.sh "$run_dir"
