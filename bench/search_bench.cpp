// The two searches with goal actions that do nothing.
#include <benchmark/benchmark.h>

#include "pour/pour.h"
#include "tiling/tiling.h"

void report_solution(JugState, int) { ++solution_count; }
void show_tiling(DominoCode) {}

static void BM_pour_search(benchmark::State& state)
{
    for (auto _ : state) {
        solution_count = 0;
        start_pour_search();
        benchmark::DoNotOptimize(solution_count);
    }
}
BENCHMARK(BM_pour_search);

static void BM_tile_search(benchmark::State& state)
{
    for (auto _ : state) {
        enumerate_tilings();
        benchmark::DoNotOptimize(tiling_count);
    }
}
BENCHMARK(BM_tile_search);
