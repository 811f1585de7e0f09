// Raster drawing kit: pixel access on the screen surface, lines, thick lines and the key wait.
#ifndef RASTER_RASTER_H
#define RASTER_RASTER_H

#include <SDL.h>

// The display surface. Each window program (and each test binary) defines it.
extern SDL_Surface* screen;

// Stores colour at (x, y); a pixel outside the screen is not written.
void put_pixel(int x, int y, Uint32 colour);

// The colour at (x, y), or 0 outside the screen.
Uint32 get_pixel(int x, int y);

// Sets the max(|dx|, |dy|) + 1 pixels of the integer segment, first end point first.
void draw_line(int x1, int y1, int x2, int y2, Uint32 colour);

// The segment widened by perpendicular strokes of half_width pixels on each side.
void draw_thick_line(int x1, int y1, int x2, int y2, int half_width, Uint32 colour);

// The outline of the rectangle with corners (x0, y0) and (x1, y1), its four sides thick
// lines of half_width.
void draw_thick_box(int x0, int y0, int x1, int y1, int half_width, Uint32 colour);

// The outline of the same rectangle in dashes: each side from its top or left corner on, dash
// pixels drawn and dash left out in turn, 2 * half_width + 1 pixels thick about the side.
void draw_dashed_box(int x0, int y0, int x1, int y1, int dash, int half_width, Uint32 colour);

// Blocks until a key press or a window-close request arrives; other events are dropped.
// When the pages go to files (raster/page_files.h), saves the page instead and returns.
void wait_key_or_quit();

#endif
