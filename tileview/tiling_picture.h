// A tiling drawn as a small diagram of blue bars, and the pages of diagrams.
#ifndef TILEVIEW_TILING_PICTURE_H
#define TILEVIEW_TILING_PICTURE_H

#include <SDL.h>

#include "tileview/tiling.h"

// Centre of cell 0 of the next diagram.
extern int cursor_x;
extern int cursor_y;

// Screen colours, mapped once at start-up for the screen's format.
extern Uint32 white_pixel;
extern Uint32 blue_pixel;
extern Uint32 red_pixel;

constexpr int cell_pitch = 15;             // between neighbouring cell centres
constexpr int diagram_advance_x = 110;     // from one diagram to the next in a row
constexpr int diagram_right_limit = 710;   // a diagram may not start past this
constexpr int diagram_advance_y = 80;      // from one row of diagrams to the next
constexpr int diagram_bottom_limit = 540;  // a row may not start past this
constexpr int page_margin = 20;            // left margin, and top margin after a page break
constexpr int first_page_top = 50;         // the first page leaves room for the header

// Draws the domino on cells a < b in the diagram at the cursor: a blue bar with a red line
// joining the two cell centres.
void draw_domino(int a, int b);

// Draws the dominoes in placed_dominoes slots 2..k, in slot order.
void draw_placed_dominoes(int k);

#endif
