// The depth of each solution, for juglist's summary.
#include "juglist/solution_depths.h"

#include <cstdio>
#include <cstdlib>

#include "programs/programs.h"
#include "run/run_end.h"

// Entry n - 1 holds the depth of solution n; the table grows as solutions come. (A plain C
// array: the console programs load no C++ library.)
static std::int32_t* depths;
static std::int32_t depths_room;

void record_depth(std::int32_t n, int depth)
{
    if (n > depths_room) {
        const std::int32_t room = depths_room == 0 ? 64 : 2 * depths_room;
        void* grown = std::realloc(depths, sizeof *depths * room);
        if (grown == nullptr) {
            std::fprintf(stderr, "%s: out of memory for the depths of %d solutions\n",
                         juglist_program.name, n);
            throw RunEnd{1};
        }
        depths = static_cast<std::int32_t*>(grown);
        depths_room = room;
    }
    depths[n - 1] = depth;
}

std::int32_t solution_depth(std::int32_t k) { return depths[k]; }
