#!/usr/bin/env bash
# Builds and runs the benchmarks; prints the median of five repetitions of each (three of
# the programs at scale, whose runs are long). Their "ratio" is a run's wall time over
# that of the reference run beside it, "cpu" the same for user and system time, and
# "rss_KiB" the program's peak resident size. With BENCH_BEFORE_BIN=DIR (the bin/ folder of
# a build from before a change), the console programs also run beside that build's own.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh >/dev/null
for b in bench_search bench_jugview bench_tileview bench_step_record bench_console bench_save; do
  "build/bench/$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true 2>/dev/null | grep -E '_median|^Benchmark|^-'
done
build/bench/bench_scale --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_display_aggregates_only=true 2>/dev/null | grep -E '_median|^Benchmark|^-'
