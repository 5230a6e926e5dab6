#!/usr/bin/env bash
# Builds the release Varnomel.exe and the floor program, then prints the
# benchmark's table (tools/bench/bench.cpp): start-up and peak working set
# against the floor, press latency against a full repaint, idle CPU, size.
# Figures never fail it. Run it on a quiet machine; it prints the load first.
# Usage: scripts/bench.sh [RUNS [IDLE_SECONDS]]     (21 and 10 by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-21}
idle=${2:-10}
scripts/build.sh >/dev/null
cmake --build build/target -j"$(nproc)" --target varnomel_floor varnomel_bench >/dev/null
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
scripts/with-wine-display.sh build/target/wineprefix wine build/target/tools/bench/varnomel_bench.exe \
  "Z:$root/build/target/window/Varnomel.exe" "Z:$root/build/target/tools/bench/varnomel_floor.exe" "$runs" "$idle"
