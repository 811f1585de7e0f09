// The orderings of the numbers 0..N-1: the depth-first search that places one number a level.
#ifndef PERM_PERM_H
#define PERM_PERM_H

#include <cstdint>

#include "run/counter.h"
#include "run/search_step.h"

// The most numbers an ordering may have here.
constexpr int max_perm_size = 12;

// The orderings are of 0..perm_size - 1 (0..6 until a program sets another size), placed at
// levels 0..perm_size - 1; an ordering is complete at the leaf level, perm_size - 1.
extern std::int32_t perm_size;
extern std::int32_t leaf_level;

// Sets the size; the search and the listing read it.
void set_perm_size(int size);

// While the search stands at level d, positions 1..d + 1 hold the numbers placed at levels
// 0..d, the search's argument last; the numbers there are placed, every other number is free.
// Position 0 is unused.
extern std::int32_t perm_prefix[max_perm_size + 2];

// Orderings completed so far, and perm_search entries (search statistics for tests and the
// progress line).
extern Counter<std::int32_t> perm_count;
extern Counter<std::int64_t> perm_search_calls;

// Whether a number stands at one of the positions of the ordering so far.
bool is_placed(std::int32_t number);

// A number is placed at a level (at position level + 1), and is free again once removed.
void place_number(std::int32_t number, std::int32_t level);
void remove_number(std::int32_t number);

// Where permlist's next line differs: docs/architecture.md, "Where a listing's next line differs".
extern std::int32_t lowest_position_placed;

// Entered with the number v placed at level d: completes every ordering that starts with the
// numbers placed so far, trying each number for the next level in ascending order, and calls
// report_ordering at each complete one.
void perm_search(std::int32_t v, std::int32_t d);

// The whole search: each number in ascending order placed at level 0, the orderings from it.
void start_perm_search();

// The step action, set by a program that watches the search; none by default. It is called
// with each step (run/search_step.h), the number and its level: placing a number (the last
// one completes an ordering, after report_ordering), turning down a number already placed
// for the next level, taking a number away again.
extern void (*perm_step_action)(SearchStep step, std::int32_t number, std::int32_t level);

// The goal action. Each program (and each test binary) defines its own. When it is called,
// positions 1..leaf_level of perm_prefix hold the ordering's first numbers, last is its last,
// and perm_count numbers it.
void report_ordering(std::int32_t last);

#endif
