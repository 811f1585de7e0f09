// Raster drawing kit: pixel access on the screen surface, lines, thick lines and the key wait.
#ifndef RASTER_RASTER_H
#define RASTER_RASTER_H

#include <SDL.h>

// The display surface. Each window program (and each test binary) defines it.
extern SDL_Surface* screen;

// The scale the pictures are drawn at, and where the picture's top-left corner stands on the
// screen. Every drawing of the kit and of the texts (raster/window.h) takes coordinates of the
// 800x600 layout: at scale k the point (x, y) is the screen's pixel (draw_origin_x + k * x,
// draw_origin_y + k * y), a pixel a k-by-k square, a line k pixels wide, a thick line of
// half-width s a band of half-width k * s, a text k times its point size. At scale 1 with the
// origin at (0, 0), as every run starts, the kit draws exactly the pixels it always has.
constexpr int max_draw_scale = 4;
extern int draw_scale;
extern int draw_origin_x;
extern int draw_origin_y;

// Whether the layout's coordinates are mapped: a scale above 1, or an origin other than (0, 0).
bool drawing_scaled();

// The layout's rectangle as it stands on the screen.
SDL_Rect screen_rect(const SDL_Rect& area);

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

// Fills the rectangle with colour, as SDL_FillRect fills the screen at scale 1.
void fill_rect(SDL_Rect area, Uint32 colour);

// Keeps SDL's fills and blits (and so the texts) inside the rectangle; nullptr: the whole
// screen. SDL_SetClipRect on the screen at scale 1.
void clip_to(const SDL_Rect* area);

// Blocks until a key press or a window-close request arrives; other events are dropped.
// When the pages go to files (raster/page_files.h), saves the page instead and returns.
// A window that was made resizable and changes size shows the page it holds again, fitted
// to the new size, and the pages after it are drawn at the scale that fits
// (raster/window.h); the wait goes on.
void wait_key_or_quit();

#endif
