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
# Measured as it ships, 32-bit, or built for 64-bit where this machine runs no 32-bit code.
arch=$(scripts/test-arch.sh)
tree=$(scripts/test-arch.sh --tree)
[ "$arch" = i686 ] || ARCH=$arch scripts/build.sh >/dev/null
cmake --build "$tree" -j"$(nproc)" --target varnomel_floor varnomel_bench >/dev/null
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; measured: the $arch build"
echo "shipped 32-bit Varnomel.exe: $(( $(stat -c %s build/target/window/Varnomel.exe) / 1024 )) KB"
scripts/with-wine-display.sh "$tree/wineprefix" wine "$tree/tools/bench/varnomel_bench.exe" \
  "Z:$root/$tree/window/Varnomel.exe" "Z:$root/$tree/tools/bench/varnomel_floor.exe" "$runs" "$idle"
