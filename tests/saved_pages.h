// Runs of a window program with --save, without a display, and the page files read back.
#ifndef TESTS_SAVED_PAGES_H
#define TESTS_SAVED_PAGES_H

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "page_reading.h"

// A fresh folder under /tmp, removed with all it holds when the object goes.
struct ScratchFolder {
    std::string path = "/tmp/saved-pages-XXXXXX";
    ScratchFolder() { mkdtemp(&path[0]); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// The names in a folder, sorted; none when it cannot be read.
std::vector<std::string> names_in(const std::string& folder);

// Runs "program --save folder arguments..." from build/bin, where its font is, with neither
// DISPLAY nor SDL_VIDEODRIVER set, and checks it against the pages the window showed at its
// waits: quiet, status 0, the folder holding page-001.png, page-002.png, ... and nothing
// else, each an 800x600 8-bit RGB PNG equal to its window page pixel for pixel.
void expect_saved_pages(const std::string& program, const std::string& folder,
                        const std::vector<std::string>& arguments,
                        const std::vector<Page>& window_pages);

#endif
