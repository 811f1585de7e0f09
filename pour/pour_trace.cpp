// The pouring search's steps in words, as --trace prints them and the search tree names its
// nodes.
#include "pour/pour_trace.h"

#include <cstdio>

int pour_trace_line(PourStep step, JugState state, int depth, char* line, int size)
{
    if (step == PourStep::back_up) return -1;
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    const char* after = step == PourStep::turned_down ? "  already on the path" : "";
    if (step == PourStep::goal) {
        std::snprintf(line, static_cast<size_t>(size), "(%d %d %d)  solution %d", amount[0],
                      amount[1], amount[2], static_cast<int>(solution_count));
    } else {
        std::snprintf(line, static_cast<size_t>(size), "(%d %d %d)%s", amount[0], amount[1],
                      amount[2], after);
    }
    // A pour turned down comes with the depth its state would have had.
    return depth - 1;
}

void pour_state_label(JugState state, char* label, int size)
{
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    std::snprintf(label, static_cast<size_t>(size), "%d %d %d", amount[0], amount[1], amount[2]);
}
