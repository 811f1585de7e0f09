// A tiling drawn as a small diagram of blue bars, and the pages of diagrams.
#ifndef TILEVIEW_TILING_PICTURE_H
#define TILEVIEW_TILING_PICTURE_H

#include <SDL.h>
#include <SDL_ttf.h>

#include "raster/window.h"
#include "tileview/diagram_layout.h"
#include "tiling/tiling.h"

// Centre of cell 0 of the next diagram.
extern int cursor_x;
extern int cursor_y;

// Screen colours, mapped once at start-up for the screen's format.
extern Uint32 white_pixel;
extern Uint32 blue_pixel;
extern Uint32 red_pixel;

// Maps tileview's colours, its step pages' included (tileview/step_view.h), for the format.
void map_tiling_colours(const SDL_PixelFormat* format);

// From one diagram to the next in a row, and from one row to the next.
inline int diagram_advance_x() { return cell_pitch * board_columns + diagram_gap; }
inline int diagram_advance_y() { return cell_pitch * board_rows + diagram_gap; }
// The last places a diagram of the board may start and still fit on the page.
inline int diagram_right_limit() { return screen_width - cell_pitch * board_columns; }
inline int diagram_bottom_limit() { return screen_height - cell_pitch * board_rows; }

// The lowest pixel row that a diagram of the current page reaches; 0 on an empty page.
extern int page_bottom;

// Whether show_tiling draws each tiling as a diagram and pages them; step mode shows the
// search on one large board instead.
extern bool drawing_diagrams;

// The distance between cell centres that draw_domino uses: cell_pitch in a diagram, more
// on the large board of step mode; the bars and the line grow with it.
extern int drawing_pitch;

// Draws the domino on cells a < b in the diagram at the cursor: a bar in bar_colour with a
// line in line_colour joining the two cell centres.
void draw_domino(int a, int b, Uint32 bar_colour, Uint32 line_colour);

// The same as the pages draw it: a blue bar with a red line.
inline void draw_domino(int a, int b) { draw_domino(a, b, blue_pixel, red_pixel); }

// The rectangle that the bar of the domino on cells a < b covers.
SDL_Rect domino_bar(int a, int b);

// Draws the dominoes in placed_dominoes slots 2..k, in slot order; none when k < 2.
void draw_placed_dominoes(int k);

// Where the last page sets the counts, and the counts there: the number of tilings from the
// closed form beside the number found, in font.
constexpr SDL_Rect tiling_counts_place = {30, 550, 0, 0};
void show_tiling_counts(TTF_Font* font);

#endif
