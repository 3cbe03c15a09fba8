#!/usr/bin/env bash
# Measures the horizon profile on a generated 1-arc-second tile (3601 x 3601
# heights, about 60 MB): the Google benchmark of reading and computing, then
# `kelvra horizon` on the same tile with its wall time and peak memory.
# usage: scripts/bench_horizon.sh [BUILD_DIR]   (default build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "load: $(cut -d' ' -f1-3 /proc/loadavg), cores: $(nproc)"
KELVRA_BENCH_TILE="$work/tile.asc" "$build/bench/bench_horizon" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true
echo "tile: $(stat -c %s "$work/tile.asc") bytes"
for run in 1 2 3; do
  KELVRA_HOME="$work" /usr/bin/time -f "kelvra horizon: %e s wall, %U s user, %S s system, %M kB peak" \
    "$build/src/kelvra" horizon --grid "$work/tile.asc" -o "$work/tile.ele" \
    --lat 47.5 --lon -9.5 >/dev/null 2>"$work/err" || { cat "$work/err"; exit 1; }
  tail -1 "$work/err"
done
