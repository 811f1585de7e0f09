// jugview's step mode: the search drawn one step at a time.
#ifndef JUGVIEW_STEP_VIEW_H
#define JUGVIEW_STEP_VIEW_H

#include <SDL_ttf.h>

#include "pour/pour.h"

// The colour that marks a goal (a frame) and a pour turned down (a cross); mapped at start.
extern Uint32 mark_pixel;

// Starts drawing the search's steps: the status line is written in font (none without),
// and steps follow one another at the pace delay_ms gives (see wait_for_step).
void start_step_view(TTF_Font* font, int delay_ms);

// The step action: shows the path the search stands on after the step, with a status line,
// and waits for the next step. Ends the run (RunEnd, status 0) when the user asks to.
void show_pour_step(PourStep step, JugState state, int depth);

// The last page of a run in step mode: what the search found.
void show_step_view_end();

#endif
