// Window, font and text set-up shared by the two window programs.
#ifndef RASTER_WINDOW_H
#define RASTER_WINDOW_H

#include <SDL.h>
#include <SDL_ttf.h>

#include "raster/page_size.h"

constexpr int screen_depth = 32;
// The pixel layout SDL gives the 32-bit window, on X11 and on the dummy driver alike:
// 0x00RRGGBB. A page drawn in memory takes it too, so that the same drawing gives the same
// pixels.
constexpr Uint32 screen_red_mask = 0xFF0000;
constexpr Uint32 screen_green_mask = 0x00FF00;
constexpr Uint32 screen_blue_mask = 0x0000FF;
constexpr int font_size = 20;
// The size of the small texts: a cell's number on a board of small cells, the marker of a
// step seen again, the tree view's labels. Digits stand ten pixels tall in it.
constexpr int small_font_size = 13;
// The size of the labels of step mode, a legend and a picture's amounts: legible from the
// back of a room, their digits about thirteen pixels tall.
constexpr int label_font_size = 18;
// "times.ttf", looked up in the working directory, then beside the program, then in the
// data folder of an installed tree (raster/font_places.h).
extern const char* const font_file;

// Starts SDL's video and opens the 32-bit window: with scale 0, 800x600 and of a fixed size;
// with a scale from 1 to max_draw_scale (raster/raster.h), that many times as large, and the
// user may resize it. In the browser a scale of 0 is the one the page asks for
// (raster/display.h). Returns nullptr, after saying why on standard error, when there is no
// window to be had, or when SDL would only draw into an invisible offscreen window that
// nobody can answer. Ctrl-C and SIGTERM keep their usual meaning; only the window's close
// request becomes a quit event.
SDL_Surface* open_window(const char* program, int scale = 0);

// Sets screen to the window, or with a save_folder to a page in memory whose pages go to
// files there (raster/page_files.h), scale times 800x600 (800x600 for 0); sets the scale the
// pictures are drawn at, their origin at the top-left corner; and fills it white. Returns
// false, after saying why on standard error, when there is none to be had.
bool open_screen(const char* program, const char* save_folder, int scale = 0);

// The window that the user may resize has changed to width by height: takes that size (in
// the browser, the page asks for a scale with the size it gives), and draws the pictures from
// now on at the largest scale whose 800x600 page fits it, centred, the rest of the window
// white. With keep_picture, shows the picture it held again, fitted to the new scale; without,
// leaves the screen white for the caller to draw anew. Returns false, changing nothing, for a
// window of a fixed size and for pages that go to files. Where SDL cannot make a screen of the
// size the window goes back to the size it had; where it cannot do that either, the run ends
// (RunEnd, status 1) after one line on standard error.
bool resize_screen(int width, int height, bool keep_picture);

// Starts SDL_ttf and opens the font at the size from the first place that has it. Returns
// nullptr, after one line on standard error that names the places tried, when none has; the
// program then runs without its texts.
TTF_Font* open_text_font(const char* program, int size = font_size);

// Closes the font (if it was opened) and shuts SDL_ttf down.
void close_text_font(TTF_Font* font);

// Names the window "program — instance" in its title bar.
void name_window(const char* program, const char* instance);

// Renders text (UTF-8; ASCII draws as ever) solid in colour and blits it with its top-left
// corner at place's x and y. Does nothing without a font or when rendering fails; the
// rendered surface is freed. At a scale the text is rendered in the font opened by
// open_text_font at that many times its size (opened the first time it is needed; the font
// itself where that fails), its corner where the scale puts place.
void blit_text(TTF_Font* font, const char* text, SDL_Color colour, SDL_Rect place);

// The same, its top at y and its middle at centre_x.
void blit_text_centred(TTF_Font* font, const char* text, SDL_Color colour, int centre_x, int y);

#endif
