// jugview's step mode: the search drawn one step at a time, any step kept drawn again.
#ifndef JUGVIEW_STEP_VIEW_H
#define JUGVIEW_STEP_VIEW_H

#include <SDL_ttf.h>

#include "pour/pour.h"
#include "steps/step_player.h"

// The colour that marks a goal (a frame) and a pour turned down (a cross), the ground of the
// newest picture and the frame about it, and the colour of a state just taken away; mapped at
// start. Each mark stands at least 3:1 in contrast against what is around it.
extern Uint32 mark_pixel;
extern Uint32 newest_pixel;
extern Uint32 newest_frame_pixel;
extern Uint32 ghost_pixel;

// What the last page of a run without a solution says: at the solution number's place on a
// page, below the header line in step mode.
constexpr const char* no_solution_words = "no solution";

// The path the search stands on, drawn as a solution's pictures flow, with the puzzle in the
// header, a legend, the amounts under each picture (in the label font) and a status line
// that names each pour and its result.
extern const StepView pour_step_view;

// The step action: records the step and shows the path the search stands on after it, with
// the puzzle, a legend, the amounts under each picture and a status line; then waits for the
// user's move (steps/step_player.h).
void show_pour_step(SearchStep step, JugState state, int depth);

#endif
