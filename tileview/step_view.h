// tileview's step mode: the search drawn one step at a time on one large board.
#ifndef TILEVIEW_STEP_VIEW_H
#define TILEVIEW_STEP_VIEW_H

#include <SDL_ttf.h>

#include "tiling/tiling.h"

// The colour of the mark on the lowest free cell; mapped at start.
extern Uint32 mark_pixel;

// Starts drawing the search's steps on the board: texts are written in font (none
// without), and steps follow one another at the pace delay_ms gives (see wait_for_step).
void start_step_view(TTF_Font* font, int delay_ms);

// The step action: shows the dominoes placed after the step (those of placed_dominoes
// slots 2..depth, and the step's own unless it backs up), the lowest free cell or the
// dead end, and a status line, then waits for the next step. Ends the run (RunEnd, status
// 0) when the user asks to.
void show_tile_step(TileStep step, DominoCode domino, int depth, int free_cell);

// Clears the page below the header for the end of a run in step mode.
void show_step_view_end();

#endif
