// The tilings counted without being listed: on several threads at once, or one part of many.
#ifndef TILING_TILING_COUNT_H
#define TILING_TILING_COUNT_H

#include <cstdint>

#include "run/estimate.h"

// The widest board the count takes: its window of cells is one machine word.
constexpr int max_counted_columns = 62;

// Makes the count's tables for the board set last (set_board).
void prepare_tiling_count();

// Counts the tilings of the board on jobs threads: all of them when parts is 1, else those of
// part `part` of `parts` (run/workers.h). The tree is tile_search's, call for call: each call
// places a domino on the lowest free cell, the horizontal one first. Only the walk is faster.
std::uint64_t count_tilings(int jobs, int part, int parts);

// One probe of tile_search's tree for an estimate (run/estimate.h).
double probe_tilings(ProbeRandom& random, double& tilings);

// The count from the start on this thread, stopped after about budget calls, for the rate of
// the count: returns the calls made and sets whole when they were the whole tree.
std::int64_t count_tilings_for(std::int64_t budget, bool& whole);

#endif
