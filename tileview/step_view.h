// tileview's step mode: the search drawn one step at a time on one large board, any step
// kept drawn again.
#ifndef TILEVIEW_STEP_VIEW_H
#define TILEVIEW_STEP_VIEW_H

#include <SDL_ttf.h>

#include "steps/step_player.h"
#include "tiling/tiling.h"

// The colour of the lowest free cell, that of the board's outline and grid, the newest
// domino's, that of the line joining a domino's cells in step mode (the red line of the
// pages stands for nothing there, and red marks a dead end only), and the tint where a
// domino was just taken off; mapped at start. The newest domino's green, the dead end's red
// and the ghost's blue outline stand at least 3:1 in contrast against what is around them.
extern Uint32 mark_pixel;
extern Uint32 grid_pixel;
extern Uint32 newest_pixel;
extern Uint32 join_pixel;
extern Uint32 ghost_pixel;

// The cell numbers need a cell this wide: three digits of the small font and a margin. On the
// large board that leaves them out on boards of more than 30 columns or 20 rows.
constexpr int numbered_cell_pitch = 25;

// The board drawn as large as the page allows, empty at step 0: its grid, the number of each
// free cell, the dominoes placed (the newest green), the domino just taken off as a ghost,
// the lowest free cell or the dead end, a complete tiling framed, the board and the tilings
// found in the header, a legend, and a status line that says what the step did and why.
extern const StepView tile_step_view;

// The step action: records the step and shows the board after it: its grid, the number of
// each free cell, the dominoes placed, the lowest free cell or the dead end, the board and
// the tilings found in a header, a legend, and a status line; then waits for the user's move
// (steps/step_player.h).
void show_tile_step(SearchStep step, DominoCode domino, int depth, int free_cell);

#endif
