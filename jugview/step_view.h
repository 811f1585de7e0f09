// jugview's step mode: the search drawn one step at a time, any step kept drawn again.
#ifndef JUGVIEW_STEP_VIEW_H
#define JUGVIEW_STEP_VIEW_H

#include <SDL_ttf.h>

#include "pour/pour.h"

// The colour that marks a goal (a frame) and a pour turned down (a cross); mapped at start.
extern Uint32 mark_pixel;

// What the last page of a run without a solution says: at the solution number's place on a
// page, below the header line in step mode.
constexpr const char* no_solution_words = "no solution";

// Starts drawing the search's steps: the header, status line and words in font, the amounts
// and the legend in small_font (none without them), and steps follow one another at the pace
// delay_ms gives (raster/step_pace.h).
// With tree_first the pages show the search tree from the start (the key t switches).
void start_step_view(TTF_Font* font, TTF_Font* small_font, int delay_ms, bool tree_first);

// The step action: records the step and shows the path the search stands on after it, with
// the puzzle, a legend, the amounts under each picture and a status line; then waits for the
// user's move (raster/step_pace.h).
void show_pour_step(SearchStep step, JugState state, int depth);

#endif
