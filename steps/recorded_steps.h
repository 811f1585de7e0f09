// The steps of a search recorded whole before they are shown, with its trace: a search
// written in the web page, whose calls the page collects while it runs. They go into step
// mode's record and tree as a built-in program's steps do, and step mode's navigation moves
// between them.
#ifndef STEPS_RECORDED_STEPS_H
#define STEPS_RECORDED_STEPS_H

#include <cstddef>

#include "tree/trace_reader.h"

// Puts the steps into step mode's record (steps/step_record.h) and tree, which it clears
// first, and sets the state (steps/step_replay.h) before the first step. trace is the
// search's trace, every node a line; kinds and lines give each step, in order, its kind
// (SearchStep, where found is the report of the call the search stands at, after its
// entry) and the line of the code that made it. A step that reaches a node (enter,
// turned_down, dead_end) reaches the trace's next one. Returns false when the trace cannot
// be read or the steps do not fit it; the fault then names the trace's line, or the step
// (from 1) whose kind or level does not fit, and why. Past the most nodes a tree takes,
// the tree holds the first ones, as it does for a built-in program's steps.
bool record_steps(const char* trace, const unsigned char* kinds, const int* lines,
                  std::size_t steps, TraceFault& fault);

// What the status line says of a recorded step: what the call did, and at which node
// ("enter (0,1)", "found: (5,3)  solution 1", "(1,1)  turned down", "leave, back to (0,0)").
void describe_recorded_step(std::size_t step, char* words, std::size_t size);

// The line of the node that the step reached (its label, and its note where it has one), or
// none where the step reached no node the tree holds.
const char* reached_title(std::size_t step, const char* none);

#endif
