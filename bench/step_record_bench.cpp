// The record of step mode: what keeping a step costs, and what reading ten million of them
// back costs, as going to the first step from the ten millionth does before its drawing.
#include <benchmark/benchmark.h>

#include "steps/step_record.h"

constexpr std::size_t long_run = 10'000'000;

static void BM_step_record_add(benchmark::State& state)
{
    StepRecord record;
    std::uint32_t item = 0;
    for (auto _ : state) {
        if (record.end() == long_run) record.clear();
        record.add(step_event(static_cast<SearchStep>(item % search_step_kinds), item));
        ++item;
    }
}
BENCHMARK(BM_step_record_add);

static void BM_step_record_ten_million_back(benchmark::State& state)
{
    StepRecord record;
    for (std::size_t k = 0; k < long_run; ++k) {
        record.add(step_event(static_cast<SearchStep>(k % search_step_kinds), 0));
    }
    for (auto _ : state) {
        unsigned kinds = 0;
        for (std::size_t k = long_run; k > 0; --k)
            kinds += static_cast<unsigned>(step_kind(record.at(k - 1)));
        benchmark::DoNotOptimize(kinds);
    }
}
BENCHMARK(BM_step_record_ten_million_back)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
