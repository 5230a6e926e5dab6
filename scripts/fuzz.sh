#!/usr/bin/env bash
# Fuzzes the pure code's libFuzzer targets for as long as asked, at low priority.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#   FUZZ_PARALLEL=N   how many targets run at once (default 2)
# Targets: profile_int settings_path png_decode layout_arithmetic (default: all).
# New inputs collect in build/asan/tests/fuzz/work/<target>/corpus; a finding
# is written to .../findings/ and belongs, once understood, in
# tests/fuzz/regressions/<target>/ so that the tests replay it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(profile_int settings_path png_decode layout_arithmetic)
parallel=${FUZZ_PARALLEL:-2}

scripts/build-sanitized.sh >/dev/null
fuzz_dir=$root/build/asan/tests/fuzz
logs=$fuzz_dir/logs
mkdir -p "$logs"

run_one() {
  local name=$1 work=$fuzz_dir/work/$1 inputs=(tests/fuzz/corpus/$1)
  [ -d "tests/fuzz/regressions/$1" ] && inputs+=("tests/fuzz/regressions/$1")
  mkdir -p "$work/corpus" "$work/findings"
  touch "$work/started"
  nice -n 19 "$fuzz_dir/fuzz_$name" -rss_limit_mb=2048 -malloc_limit_mb=256 -timeout=20 \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/findings/" \
    "$work/corpus" "${inputs[@]}" >"$logs/$name.log" 2>&1
}

declare -A status
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do sleep 1; done
  echo "fuzzing $name for ${seconds}s"
  run_one "$name" &
  status[$name]=$!
done

failed=0
for name in "${targets[@]}"; do
  code=0
  wait "${status[$name]}" || code=$?
  runs=$(grep -oP 'stat::number_of_executed_units:\s*\K\d+' "$logs/$name.log" || echo "?")
  # Crashes, leaks, out-of-memory and time-outs; "slow-unit" files only record
  # a unit that was slower than the ones before, often a busy machine.
  findings=$(find "$fuzz_dir/work/$name/findings" -type f -newer "$fuzz_dir/work/$name/started" \
    \( -name 'crash-*' -o -name 'leak-*' -o -name 'oom-*' -o -name 'timeout-*' \) | wc -l)
  printf '%-18s runs %-12s exit %s  findings %s  (log %s)\n' "$name" "$runs" "$code" "$findings" "$logs/$name.log"
  [ "$code" = 0 ] || failed=1
done
exit "$failed"
