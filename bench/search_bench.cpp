// The three searches with goal actions that do nothing.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "perm/perm.h"
#include "pour/pour.h"
#include "tiling/tiling.h"

void report_solution(JugState, int) { ++solution_count; }
void show_tiling(DominoCode) {}
void report_ordering(std::int32_t) {}

static void BM_pour_search(benchmark::State& state)
{
    for (auto _ : state) {
        solution_count = 0;
        start_pour_search();
        const std::int32_t found = solution_count;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_pour_search);

static void BM_tile_search(benchmark::State& state)
{
    for (auto _ : state) {
        enumerate_tilings();
        const std::int64_t found = tiling_count;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_tile_search);

// The 5040 orderings of 0..6.
static void BM_perm_search(benchmark::State& state)
{
    for (auto _ : state) {
        perm_count = 0;
        start_perm_search();
        const std::int32_t found = perm_count;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_perm_search)->Unit(benchmark::kMicrosecond);
