// The solutions of the jug puzzle counted without being listed: on several threads at once,
// or one part of many.
#ifndef POUR_POUR_COUNT_H
#define POUR_POUR_COUNT_H

#include <cstdint>

#include "run/estimate.h"

// Counts the solutions on jobs threads: all of them when parts is 1, else those of part `part`
// of `parts` (run/workers.h). The tree is pour_search's, call for call, from the start state.
std::int64_t count_pour_solutions(int jobs, int part, int parts);

// Hands take the depth of each solution counted, in the order the search finds them.
void each_counted_depth(void (*take)(std::int32_t depth));

// One probe of pour_search's tree for an estimate (run/estimate.h).
double probe_pour_search(ProbeRandom& random, double& solutions);

// The count from the start on this thread, stopped after about budget calls, for the rate of
// the count: returns the calls made and sets whole when they were the whole tree.
std::int64_t count_pour_solutions_for(std::int64_t budget, bool& whole);

#endif
