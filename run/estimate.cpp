// The size of a search tree estimated from random probes, and the speed this machine searches.
#include "run/estimate.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "run/workers.h"

namespace {

// A well-mixed 64-bit number from x (splitmix64's finaliser).
std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15u;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
    return x ^ (x >> 31);
}

// Probes are summed in blocks of a fixed size, each block in its own order, and the blocks in
// theirs: the sum is then the same to the last bit on any number of threads.
constexpr std::int64_t probes_per_block = 256;

Probe block_probe;
std::int64_t probe_count;
std::uint64_t probe_seed;
std::vector<TreeEstimate> block_sums;

void make_block(std::int64_t block, int)
{
    TreeEstimate sum;
    const std::int64_t end = std::min(probe_count, (block + 1) * probes_per_block);
    for (std::int64_t probe = block * probes_per_block; probe < end; ++probe) {
        ProbeRandom random(mix(probe_seed ^ mix(static_cast<std::uint64_t>(probe))));
        double configurations = 0;
        sum.calls += block_probe(random, configurations);
        sum.configurations += configurations;
    }
    block_sums[static_cast<std::size_t>(block)] = sum;
}

}  // namespace

int ProbeRandom::below(int n)
{
    state_ = mix(state_);
    // The high 32 bits scaled to 0..n-1: a bias of at most n in 2^32, far below the noise.
    return static_cast<int>(((state_ >> 32) * static_cast<std::uint64_t>(n)) >> 32);
}

TreeEstimate estimate_tree(Probe probe, std::int64_t probes, std::uint64_t seed, int jobs)
{
    block_probe = probe;
    probe_count = probes;
    probe_seed = seed;
    const std::int64_t blocks = (probes + probes_per_block - 1) / probes_per_block;
    block_sums.assign(static_cast<std::size_t>(blocks), TreeEstimate());
    share_out(blocks, jobs, make_block);
    TreeEstimate average;
    for (const TreeEstimate& sum : block_sums) {
        average.calls += sum.calls;
        average.configurations += sum.configurations;
    }
    average.calls /= static_cast<double>(probes);
    average.configurations /= static_cast<double>(probes);
    return average;
}

double measure_rate(std::int64_t (*run)(std::int64_t budget, bool& whole))
{
    constexpr std::int64_t first_budget = std::int64_t{1} << 14;
    constexpr double long_enough = 0.02;  // seconds: well above the clock's and the start's noise
    for (std::int64_t budget = first_budget;; budget *= 4) {
        bool whole = false;
        const auto start = std::chrono::steady_clock::now();
        const std::int64_t calls = run(budget, whole);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds >= long_enough || whole) {
            return static_cast<double>(calls) / std::max(seconds, 1e-6);
        }
    }
}
