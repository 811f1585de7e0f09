// The page every window program draws: the window's size, and that of a page file.
#ifndef RASTER_PAGE_SIZE_H
#define RASTER_PAGE_SIZE_H

constexpr int screen_width = 800;
constexpr int screen_height = 600;

#endif
