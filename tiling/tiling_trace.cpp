// The tiling search's steps in words, as --trace prints them and the search tree names its
// nodes.
#include "tiling/tiling_trace.h"

#include <cstdio>

int tile_trace_line(TileStep step, DominoCode domino, int depth, int free_cell, char* line,
                    int size)
{
    const auto room = static_cast<size_t>(size);
    switch (step) {
    case TileStep::back_up:
        return -1;
    case TileStep::dead_end:
        std::snprintf(line, room, "dead end at cell %d", free_cell);
        return depth;
    case TileStep::tiling:
        std::snprintf(line, room, "%d-%d  tiling %lld", first_cell(domino), second_cell(domino),
                      static_cast<long long>(tiling_count));
        return depth - 1;
    case TileStep::enter:
        break;
    }
    std::snprintf(line, room, "%d-%d", first_cell(domino), second_cell(domino));
    return depth - 1;
}

void tile_step_label(TileStep step, DominoCode domino, int free_cell, char* label, int size)
{
    if (step == TileStep::dead_end) {
        std::snprintf(label, static_cast<size_t>(size), "%d", free_cell);
    } else {
        std::snprintf(label, static_cast<size_t>(size), "%d-%d", first_cell(domino),
                      second_cell(domino));
    }
}
