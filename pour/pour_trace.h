// The pouring search's steps in words, as --trace prints them and the search tree names its
// nodes.
#ifndef POUR_POUR_TRACE_H
#define POUR_POUR_TRACE_H

#include "pour/pour.h"

// The line of a step, without its indent: "(5 5 0)" for a call, "(8 0 2)  solution 3" for
// a goal (numbered by solution_count), "(2 5 3)  already on the path" for a pour turned
// down. Returns the line's level (it is indented two spaces a level), or -1 for a step that
// has no line: backing up.
int pour_trace_line(PourStep step, JugState state, int depth, char* line, int size);

// The state in short, as a node of the search tree shows it: "5 5 0".
void pour_state_label(JugState state, char* label, int size);

#endif
