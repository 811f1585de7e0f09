// The pouring search's steps in words, as --trace prints them and the search tree names its
// nodes.
#ifndef POUR_POUR_TRACE_H
#define POUR_POUR_TRACE_H

#include "pour/pour.h"
#include "tree/trace_node.h"

// The node of a step: "(5 5 0)" labelled "5 5 0" for a call, "(8 0 2)  solution 3" labelled
// "3" for a goal (numbered by solution_count), "(2 5 3)  already on the path" for a pour
// turned down, a level deeper than the call that tried it. False for a step that has no
// line: backing up.
bool pour_trace_node(SearchStep step, JugState state, int depth, TraceNode& node);

#endif
