// Window, font and text set-up shared by the two window programs.
#include "raster/window.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "raster/display.h"
#include "raster/font_places.h"
#include "raster/page_files.h"
#include "raster/raster.h"
#include "run/printable.h"

const char* const font_file = "times.ttf";

// Drivers that draw into memory only: a window there can never receive a key press.
static bool driver_is_invisible()
{
    char name[64] = "";
    if (SDL_VideoDriverName(name, sizeof name) == nullptr) {
        return false;
    }
    return std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0;
}

SDL_Surface* open_window(const char* program)
{
    const bool driver_named = std::getenv("SDL_VIDEODRIVER") != nullptr;
    if (!driver_named && !choose_display(program)) return nullptr;

    // SDL turns SIGINT and SIGTERM into quit events, which here would only turn a page.
    struct sigaction saved_int, saved_term;
    sigaction(SIGINT, nullptr, &saved_int);
    sigaction(SIGTERM, nullptr, &saved_term);

    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        if (driver_named) {
            std::fprintf(stderr, "%s: cannot start the video system: %s\n", program,
                         SDL_GetError());
        } else {
            std::fprintf(stderr, "%s: no display to open a window on (cannot reach '%s')\n",
                         program, printable(std::getenv("DISPLAY")).c_str());
        }
        return nullptr;
    }
    // SDL shuts down at process exit, after the program's entry has returned.
    std::atexit(SDL_Quit);

    // A driver the user asked for by name (such as the dummy driver of the tests) runs
    // as asked; SDL's own silent fallback to an invisible one does not.
    if (!driver_named && driver_is_invisible()) {
        std::fprintf(stderr, "%s: no display to open a window on (is DISPLAY set?)\n", program);
        return nullptr;
    }

    SDL_Surface* surface =
        SDL_SetVideoMode(screen_width, screen_height, screen_depth, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (surface == nullptr) {
        std::fprintf(stderr, "%s: cannot open an %dx%d window: %s\n", program, screen_width,
                     screen_height, SDL_GetError());
        return nullptr;
    }
    sigaction(SIGINT, &saved_int, nullptr);
    sigaction(SIGTERM, &saved_term, nullptr);
    return surface;
}

bool open_screen(const char* program, const char* save_folder)
{
    // With pages going to files, the pages are drawn the same way into memory.
    screen = save_folder != nullptr ? open_page_files(program, save_folder) : open_window(program);
    if (screen == nullptr) return false;
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    return true;
}

TTF_Font* open_text_font(const char* program, int size)
{
    if (TTF_Init() != 0) {
        std::fprintf(stderr, "%s: cannot start the font system: %s; texts will be missing\n",
                     program, TTF_GetError());
        return nullptr;
    }
    // The working directory comes first, so that a font put there overrides the one that
    // came with the program.
    const std::vector<std::string> folders =
        font_folders(running_program_folder(), INSTALLED_DATA_FOLDER);
    for (const std::string& folder : folders) {
        if (TTF_Font* font = TTF_OpenFont(path_in(folder, font_file).c_str(), size)) {
            return font;
        }
    }
    std::fprintf(stderr, "%s: cannot open the font \"%s\" in %s; texts will be missing\n", program,
                 font_file, describe_folders(folders).c_str());
    return nullptr;
}

void close_text_font(TTF_Font* font)
{
    if (font != nullptr) {
        TTF_CloseFont(font);
    }
    TTF_Quit();
}

void name_window(const char* program, const char* instance)
{
    char title[160];
    std::snprintf(title, sizeof title, "%s \u2014 %s", program, instance);
    SDL_WM_SetCaption(title, nullptr);
}

void blit_text(TTF_Font* font, const char* text, SDL_Color colour, SDL_Rect place)
{
    if (font == nullptr) {
        return;
    }
    SDL_Surface* rendered = TTF_RenderUTF8_Solid(font, text, colour);
    if (rendered == nullptr) {
        return;
    }
    SDL_BlitSurface(rendered, nullptr, screen, &place);
    SDL_FreeSurface(rendered);
}

void blit_text_centred(TTF_Font* font, const char* text, SDL_Color colour, int centre_x, int y)
{
    int width = 0, height = 0;
    if (font == nullptr || TTF_SizeUTF8(font, text, &width, &height) != 0) return;
    const SDL_Rect place = {static_cast<Sint16>(centre_x - width / 2), static_cast<Sint16>(y), 0,
                            0};
    blit_text(font, text, colour, place);
}
