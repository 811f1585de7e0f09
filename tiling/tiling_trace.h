// The tiling search's steps in words, as --trace prints them and the search tree names its
// nodes.
#ifndef TILING_TILING_TRACE_H
#define TILING_TILING_TRACE_H

#include "tiling/tiling.h"
#include "tree/trace_node.h"

// The node of a step: "5-9" for a call placing that domino, "22-23  tiling 12" labelled "12"
// for one that completes a tiling (numbered by tiling_count), "dead end at cell 8" labelled
// "cell 8" where the lowest free cell takes no domino, a level deeper than its call. False for a
// step that has no line: taking a domino away.
bool tile_trace_node(SearchStep step, DominoCode domino, int depth, int free_cell, TraceNode& node);

#endif
