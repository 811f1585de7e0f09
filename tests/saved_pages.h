// Runs of a window program with --save, without a display, and the page files read back.
#ifndef TESTS_SAVED_PAGES_H
#define TESTS_SAVED_PAGES_H

#include <string>
#include <vector>

#include "page_reading.h"
#include "temp_folder.h"

struct SaveRun {
    int status = -1;
    std::string out, err;            // what the program wrote
    std::vector<std::string> names;  // in the folder afterwards, sorted
};

// Runs the shell commands prepare in the scratch folder, then "program --save scratch/folder
// arguments" from the folder from (build/bin, where its font is, when empty), with neither
// DISPLAY nor SDL_VIDEODRIVER set, then lists the folder: all in one shell, in a private mount
// namespace when asked, so that mounts made by prepare are there until the listing.
SaveRun run_save(const std::string& scratch, const std::string& prepare, const std::string& program,
                 const std::string& folder, const std::string& arguments = "",
                 bool private_mounts = false, const std::string& from = "");

// The file's pixels as R, G, B bytes, row by row; false for anything but a width x height
// 8-bit RGB PNG (the file's own format, before any conversion), or one cut short.
bool read_png_rgb(const std::string& path, unsigned width, unsigned height,
                  std::vector<unsigned char>& rgb);

// Saves the program's pages into a folder in scratch and checks them against the pages the
// window showed at its waits: quiet, status 0, the folder holding page-001.png,
// page-002.png, ... and nothing else, each an 800x600 8-bit RGB PNG equal pixel for pixel.
void expect_saved_pages(const std::string& scratch, const std::string& program,
                        const std::vector<std::string>& arguments,
                        const std::vector<Page>& window_pages);

#endif
