// The tiling search's steps in words, as --trace prints them and the search tree names its
// nodes.
#ifndef TILING_TILING_TRACE_H
#define TILING_TILING_TRACE_H

#include "tiling/tiling.h"

// The line of a step, without its indent: "5-9" for a call placing that domino,
// "22-23  tiling 12" for one that completes a tiling (numbered by tiling_count), "dead end
// at cell 8" where the lowest free cell takes no domino, one level deeper than its call.
// Returns the line's level (it is indented two spaces a level), or -1 for a step that has
// no line: taking a domino away.
int tile_trace_line(TileStep step, DominoCode domino, int depth, int free_cell, char* line,
                    int size);

// The step's item in short, as a node of the search tree shows it: "5-9" for a domino,
// "8" for the cell of a dead end.
void tile_step_label(TileStep step, DominoCode domino, int free_cell, char* label, int size);

#endif
