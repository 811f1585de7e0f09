// The pouring search's steps in words, as --trace prints them and the search tree names its
// nodes.
#include "pour/pour_trace.h"

#include <cstdio>

bool pour_trace_node(SearchStep step, JugState state, int depth, TraceNode& node)
{
    if (step == SearchStep::back_up) return false;
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    const int number = solution_count;
    node.kind = step;
    // A pour turned down comes with the depth its state would have had.
    node.level = depth - 1;
    int length =
        std::snprintf(node.line, sizeof node.line, "(%d %d %d)", amount[0], amount[1], amount[2]);
    const size_t room = sizeof node.line - static_cast<size_t>(length);
    if (step == SearchStep::found) {
        std::snprintf(node.line + length, room, "  solution %d", number);
        std::snprintf(node.label, sizeof node.label, "%d", number);
    } else {
        if (step == SearchStep::turned_down) {
            std::snprintf(node.line + length, room, "  already on the path");
        }
        std::snprintf(node.label, sizeof node.label, "%d %d %d", amount[0], amount[1], amount[2]);
    }
    return true;
}
