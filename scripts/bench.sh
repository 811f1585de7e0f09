#!/usr/bin/env bash
# Builds and runs the benchmarks; prints the median of five repetitions of each.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh >/dev/null
for b in bench_search bench_jugview bench_tileview bench_console bench_save; do
  "build/bench/$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true 2>/dev/null | grep -E '_median|^Benchmark|^-'
done
