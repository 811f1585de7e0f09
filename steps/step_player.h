// Step mode in the window: each step the search takes recorded and shown, and the user's moves
// about the steps kept, a key a step or at a pace of their own, until they move on from the
// newest and the search takes its next step.
#ifndef STEPS_STEP_PLAYER_H
#define STEPS_STEP_PLAYER_H

#include "steps/step_navigation.h"
#include "steps/step_page.h"
#include "steps/step_record.h"
#include "tree/trace_node.h"

// Starts step mode with an empty record: its texts are written in the fonts, and the steps
// follow one another at the pace delay_ms gives (steps/step_navigation.h). The pages show
// first what first says: the picture, the tree view or the stack view.
void start_steps(const StepFonts& fonts, int delay_ms, const StepView& view, StepShown first);

// Before the search's first step: where the view has a step 0, records it (the start event,
// steps/step_record.h, which reaches no node of the tree) and shows it as take_step shows a
// step. Ends the run as take_step does.
void take_step_zero();

// Records the step the search has just taken, with the node of the search tree it reached
// (nullptr for a step that backs up; steps/step_tree.h), and shows it; then lets the user move
// about the steps kept until they move on from the newest, and returns so that the search
// takes its next step. Ends the run (RunEnd, status 0) when the user asks to.
//
// The keys are those of steps/step_keys.h. With delay_ms >= 0 the steps come by themselves
// every delay_ms milliseconds from the one shown; the space bar pauses and resumes, and every
// move back pauses. When pages go to files, each step's page is written instead and the
// search goes on at once.
void take_step(StepEvent event, const TraceNode* node);

// The search is over: shows the view's end page. There the moves back still go to the steps
// kept, the digit keys and t keep their meaning, and the moves forward (the right arrow,
// End, n), with nowhere further to go, leave the page as it is and say that the search is
// over; the space bar and any other key end the wait, as the last page of a run always has.
void finish_steps();

#endif
