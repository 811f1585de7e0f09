// --save in the browser: the page has no folder to write pages into, so the run says so and
// ends, as it would where a folder cannot be made. (The page does not offer the option.)
#include "raster/page_files.h"

#include <cstdio>

SDL_Surface* open_page_files(const char* program, const char*, int)
{
    std::fprintf(stderr, "%s: cannot write page files in the browser\n", program);
    return nullptr;
}

bool pages_go_to_files() { return false; }

void save_page() {}

int pages_written() { return 0; }

void close_page_files() {}
