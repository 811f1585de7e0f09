// What stands beside the page while step mode shows its steps: nothing on the desktop
// (steps/no_panels.cpp); in the browser, the web page's panels (the trace, the search's code,
// the tree), which web/ sends the page what step_place says of each step.
#ifndef STEPS_STEP_BESIDE_H
#define STEPS_STEP_BESIDE_H

#include <cstddef>

// The page of the step (numbered from 0) has just been shown with its status line; a step
// equal to the record's end stands for the end page, after the last step.
void show_step_beside(std::size_t step, const char* status_line);

// The question of predict mode that stands before the step after this one has just been
// shown (steps/step_stack.h: question_lines); the panels stay at the step.
void show_question_beside(std::size_t step);

// A step's place in the search tree (steps/step_tree.h), as the panels show it.
struct StepPlace {
    int count;    // the nodes the steps up to it reached: the trace lines up to it
    int current;  // the node it stands at, or -1
    // What the search's code ran: the entry of a call ("call"), a check that turned a
    // candidate down ("turned-down"), the report of a configuration ("solution"), a dead end
    // ("dead-end"), or the backing up: to a caller, whose undo runs next ("back-up"), or from
    // a root call, which has no caller in the search ("back-up-from-root", and
    // "back-up-from-root-after-solution" right after a configuration); "" for step 0, which
    // stands before the search has run a line, and for the end page.
    const char* ran;
};
StepPlace step_place(std::size_t step);

#endif
