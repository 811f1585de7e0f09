// The tiling search's steps in words, as --trace prints them and the search tree names its
// nodes.
#include "tiling/tiling_trace.h"

#include <cstdio>

bool tile_trace_node(TileStep step, DominoCode domino, int depth, int free_cell, TraceNode& node)
{
    const int a = first_cell(domino), b = second_cell(domino);
    switch (step) {
    case TileStep::back_up:
        return false;
    case TileStep::dead_end:
        node.kind = TreeKind::dead_end;
        node.level = depth;
        std::snprintf(node.line, sizeof node.line, "dead end at cell %d", free_cell);
        std::snprintf(node.label, sizeof node.label, "%d", free_cell);
        return true;
    case TileStep::tiling:
        node.kind = TreeKind::solution;
        node.level = depth - 1;
        std::snprintf(node.line, sizeof node.line, "%d-%d  tiling %lld", a, b,
                      static_cast<long long>(tiling_count));
        std::snprintf(node.label, sizeof node.label, "%lld", static_cast<long long>(tiling_count));
        return true;
    case TileStep::enter:
        break;
    }
    node.kind = TreeKind::call;
    node.level = depth - 1;
    std::snprintf(node.line, sizeof node.line, "%d-%d", a, b);
    std::snprintf(node.label, sizeof node.label, "%d-%d", a, b);
    return true;
}
