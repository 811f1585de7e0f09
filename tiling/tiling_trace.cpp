// The tiling search's steps in words, as --trace prints them and the search tree names its
// nodes.
#include "tiling/tiling_trace.h"

#include <cstdio>

bool tile_trace_node(SearchStep step, DominoCode domino, int depth, int free_cell, TraceNode& node)
{
    const int a = first_cell(domino), b = second_cell(domino);
    switch (step) {
    case SearchStep::back_up:
        return false;
    case SearchStep::dead_end:
        node.kind = SearchStep::dead_end;
        node.level = depth;
        std::snprintf(node.line, sizeof node.line, "dead end at cell %d", free_cell);
        std::snprintf(node.label, sizeof node.label, "cell %d", free_cell);
        return true;
    case SearchStep::found:
        node.kind = SearchStep::found;
        node.level = depth - 1;
        std::snprintf(node.line, sizeof node.line, "%d-%d  tiling %lld", a, b,
                      static_cast<long long>(tiling_count));
        std::snprintf(node.label, sizeof node.label, "%lld", static_cast<long long>(tiling_count));
        return true;
    case SearchStep::enter:
    case SearchStep::turned_down:
        break;
    }
    node.kind = SearchStep::enter;
    node.level = depth - 1;
    std::snprintf(node.line, sizeof node.line, "%d-%d", a, b);
    std::snprintf(node.label, sizeof node.label, "%d-%d", a, b);
    return true;
}
