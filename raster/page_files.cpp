// Pages written as numbered PNG files where a window program would wait for a key.
#include "raster/page_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "raster/png_file.h"
#include "raster/raster.h"
#include "raster/window.h"
#include "run/counter.h"
#include "run/printable.h"
#include "run/progress.h"
#include "run/run_end.h"

namespace {

constexpr int page_number_digits = 3;

const char* program_name = "";
std::string page_folder;
Counter<int> pages_saved;
SDL_Surface* page_surface = nullptr;

std::string page_path(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "page-%0*d.png", page_number_digits, number);
    const bool has_slash = !page_folder.empty() && page_folder.back() == '/';
    return page_folder + (has_slash ? "" : "/") + name;
}

}  // namespace

SDL_Surface* open_page_files(const char* program, const char* folder, int scale)
{
    if (mkdir(folder, 0777) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "%s: cannot make the folder '%s': %s\n", program,
                     printable(folder).c_str(), std::strerror(errno));
        return nullptr;
    }
    struct stat status;
    const int error = stat(folder, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    if (error != 0) {
        std::fprintf(stderr, "%s: cannot write pages into '%s': %s\n", program,
                     printable(folder).c_str(), std::strerror(error));
        return nullptr;
    }
    const int width = scale * screen_width, height = scale * screen_height;
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, screen_depth, screen_red_mask,
                             screen_green_mask, screen_blue_mask, 0);
    if (surface == nullptr) {
        std::fprintf(stderr, "%s: cannot make an %dx%d page in memory: %s\n", program, width,
                     height, SDL_GetError());
        return nullptr;
    }
    close_page_files();
    page_surface = surface;
    program_name = program;
    page_folder = folder;
    pages_saved = 0;
    static bool close_registered = false;
    if (!close_registered) close_registered = std::atexit(close_page_files) == 0;
    return surface;
}

bool pages_go_to_files() { return page_surface != nullptr; }

// The pages are saved from inside the searches: a page that cannot be written ends the run
// there, and the search unwinds.
void save_page()
{
    const std::string path = page_path(pages_saved + 1);
    std::string reason;
    if (!write_png_file(screen, path, reason)) {
        end_progress();  // the message goes on a line of its own
        std::fprintf(stderr, "%s: cannot write '%s': %s\n", program_name,
                     printable(path.c_str()).c_str(), reason.c_str());
        throw RunEnd{1};
    }
    ++pages_saved;
}

int pages_written() { return pages_saved; }

void close_page_files()
{
    SDL_FreeSurface(page_surface);
    page_surface = nullptr;
}
