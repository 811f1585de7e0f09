// Where a window can open: the display, found before SDL is asked for one.
#ifndef RASTER_DISPLAY_H
#define RASTER_DISPLAY_H

// Looks for the display a window can open on, for a user who named no video driver, and
// points SDL's video at it. Returns false, after one line on standard error, when there is
// none: SDL would try each of its drivers in turn, and one that finds nothing says so in
// its own words before the program could say why no window opens.
bool choose_display(const char* program);

// The scale a window's pictures start at when the command line names none: 0 on the desktop,
// where the window then keeps its 800x600 size; in the browser the scale the page asks for
// (web/page_link.h), which it may change while the program waits.
int display_scale();

// The screen has been made, or has changed its size: in the browser the page sizes the
// canvas anew; nothing on the desktop.
void screen_resized();

#endif
