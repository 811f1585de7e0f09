// The depth of each solution, for juglist's summary.
#ifndef JUGLIST_SOLUTION_DEPTHS_H
#define JUGLIST_SOLUTION_DEPTHS_H

#include <cstdint>

// Records the depth of solution n (from 1 on). Without the memory for it, ends the run
// (RunEnd, status 1) after one line on standard error.
void record_depth(std::int32_t n, int depth);

// The depth of solution k + 1.
std::int32_t solution_depth(std::int32_t k);

#endif
