// Pages written as numbered PNG files where a window program would wait for a key.
#ifndef RASTER_PAGE_FILES_H
#define RASTER_PAGE_FILES_H

#include <SDL.h>

// Instead of a window: makes folder when it is missing (its parent must exist) and returns
// a screen in memory in the window's pixel format, scale times 800x600. From then on each wait for
// a key writes the screen as the next page file, folder/page-001.png, page-002.png, ... (more
// digits past 999), replacing files of those names, and goes on at once. SDL's video is
// never started. Returns nullptr, after one line on standard error naming the folder and
// the reason, when the folder cannot be had.
SDL_Surface* open_page_files(const char* program, const char* folder, int scale = 1);

// Whether open_page_files has sent the pages to files.
bool pages_go_to_files();

// Writes the screen as the next page file. A page that cannot be written ends the run
// (RunEnd, status 1), after one line on standard error naming the file and the reason; the
// pages before it stay complete, and no part of it is left behind.
void save_page();

// The pages written so far; a progress line reads it from its own thread.
int pages_written();

// Frees the screen in memory and lets waits wait again; open_page_files has it run at exit.
void close_page_files();

#endif
