// The two searches with goal actions that do nothing.
#include <benchmark/benchmark.h>

#include "pour/pour.h"
#include "tileview/tiling.h"

void report_solution(JugState, int) { ++solution_count; }
void show_tiling(DominoCode) {}

static void BM_pour_search(benchmark::State& state)
{
    for (auto _ : state) {
        solution_count = 0;
        pour_search(jug_capacity[0] * 10000, 1);
        benchmark::DoNotOptimize(solution_count);
    }
}
BENCHMARK(BM_pour_search);

static void BM_tile_search(benchmark::State& state)
{
    for (auto _ : state) {
        tiling_count = 0;
        tile_search(domino_code(0, 1), 1);
        tile_search(domino_code(0, board_columns), 1);
        benchmark::DoNotOptimize(tiling_count);
    }
}
BENCHMARK(BM_tile_search);
