// Window, font and text set-up shared by the two window programs.
#include "raster/window.h"

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstdint>
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
#include "run/run_end.h"

const char* const font_file = "times.ttf";

namespace {

// Whether the window's size may change: the user's, or in the browser the page's; and the
// program's name, for its messages.
bool window_resizable;
const char* window_program = "";

Uint32 window_flags()
{
    return SDL_HWSURFACE | SDL_DOUBLEBUF | (window_resizable ? SDL_RESIZABLE : 0);
}

// The largest scale whose page fits the screen (at least 1), the page centred on it, or at its
// top-left corner where it does not fit.
void fit_drawing_to_screen()
{
    const int fits = std::min(screen->w / screen_width, screen->h / screen_height);
    draw_scale = std::clamp(fits, 1, max_draw_scale);
    draw_origin_x = std::max(0, (screen->w - draw_scale * screen_width) / 2);
    draw_origin_y = std::max(0, (screen->h - draw_scale * screen_height) / 2);
}

// The row of the surface's pixels, which the caller holds locked where it must be.
Uint32* surface_row(SDL_Surface* surface, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                     static_cast<std::ptrdiff_t>(y) * surface->pitch);
}

// The page as the screen shows it at the scale it was drawn at, white where it is off the
// screen.
struct KeptPicture {
    int width = 0, height = 0;
    std::vector<Uint32> pixels;
};

KeptPicture copy_picture(Uint32 white)
{
    KeptPicture kept;
    kept.width = draw_scale * screen_width;
    kept.height = draw_scale * screen_height;
    kept.pixels.assign(static_cast<std::size_t>(kept.width) * kept.height, white);
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) return kept;
    for (int y = 0; y < kept.height && draw_origin_y + y < screen->h; ++y) {
        const Uint32* row = surface_row(screen, draw_origin_y + y) + draw_origin_x;
        const int width = std::min(kept.width, screen->w - draw_origin_x);
        std::copy(row, row + width,
                  kept.pixels.begin() + static_cast<std::ptrdiff_t>(y) * kept.width);
    }
    if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
    return kept;
}

// Shows the kept page at the page's place on the screen, its pixels taken nearest to the
// place each stands at in the page: the page as it was, at another size.
void show_kept_picture(const KeptPicture& kept)
{
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) return;
    const int width = draw_scale * screen_width, height = draw_scale * screen_height;
    for (int y = 0; y < height && draw_origin_y + y < screen->h; ++y) {
        Uint32* row = surface_row(screen, draw_origin_y + y) + draw_origin_x;
        const Uint32* from =
            kept.pixels.data() + static_cast<std::ptrdiff_t>(y * kept.height / height) * kept.width;
        for (int x = 0; x < width && draw_origin_x + x < screen->w; ++x) {
            row[x] = from[x * kept.width / width];
        }
    }
    if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
}

// A font that open_text_font opened, and the same font at the larger scales, each opened the
// first time a text is drawn at its scale.
struct FontSizes {
    TTF_Font* font;
    std::string path;
    int size;
    TTF_Font* scaled[max_draw_scale + 1];
    bool tried[max_draw_scale + 1];
};
std::vector<FontSizes> opened_fonts;

// The font to draw a text in at the scale: the font itself at scale 1, for a font that
// open_text_font did not open, and where the larger size cannot be had.
TTF_Font* font_at_scale(TTF_Font* font)
{
    const int k = draw_scale;
    if (k == 1) return font;
    for (FontSizes& sizes : opened_fonts) {
        if (sizes.font != font) continue;
        if (!sizes.tried[k]) {
            sizes.tried[k] = true;
            sizes.scaled[k] = TTF_OpenFont(sizes.path.c_str(), sizes.size * k);
        }
        return sizes.scaled[k] != nullptr ? sizes.scaled[k] : font;
    }
    return font;
}

// Renders the text in the font, already of the scale's size, and blits it with its top-left
// corner at the screen's pixel (x, y).
void blit_rendered(TTF_Font* font, const char* text, SDL_Color colour, int x, int y)
{
    SDL_Surface* rendered = TTF_RenderUTF8_Solid(font, text, colour);
    if (rendered == nullptr) return;
    SDL_Rect place = {static_cast<Sint16>(std::clamp<int>(x, INT16_MIN, INT16_MAX)),
                      static_cast<Sint16>(std::clamp<int>(y, INT16_MIN, INT16_MAX)), 0, 0};
    SDL_BlitSurface(rendered, nullptr, screen, &place);
    SDL_FreeSurface(rendered);
}

}  // namespace

// Drivers that draw into memory only: a window there can never receive a key press.
static bool driver_is_invisible()
{
    char name[64] = "";
    if (SDL_VideoDriverName(name, sizeof name) == nullptr) {
        return false;
    }
    return std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0;
}

SDL_Surface* open_window(const char* program, int scale)
{
    if (scale == 0) scale = display_scale();
    window_resizable = scale > 0;
    window_program = program;
    const int k = std::max(scale, 1);
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
        SDL_SetVideoMode(k * screen_width, k * screen_height, screen_depth, window_flags());
    if (surface == nullptr) {
        std::fprintf(stderr, "%s: cannot open an %dx%d window: %s\n", program, k * screen_width,
                     k * screen_height, SDL_GetError());
        return nullptr;
    }
    sigaction(SIGINT, &saved_int, nullptr);
    sigaction(SIGTERM, &saved_term, nullptr);
    screen_resized();
    return surface;
}

bool open_screen(const char* program, const char* save_folder, int scale)
{
    // With pages going to files, the pages are drawn the same way into memory.
    screen = save_folder != nullptr ? open_page_files(program, save_folder, std::max(scale, 1))
                                    : open_window(program, scale);
    if (screen == nullptr) return false;
    fit_drawing_to_screen();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    return true;
}

bool resize_screen(int width, int height, bool keep_picture)
{
    if (!window_resizable || pages_go_to_files() || screen == nullptr) return false;
    const Uint32 white = SDL_MapRGB(screen->format, 255, 255, 255);
    KeptPicture kept;
    if (keep_picture) kept = copy_picture(white);
    const int old_width = screen->w, old_height = screen->h;
    SDL_Surface* resized =
        SDL_SetVideoMode(std::max(width, 1), std::max(height, 1), screen_depth, window_flags());
    // SDL gives up the old screen when it cannot make the new one: the window goes back to its
    // size, and where even that fails there is nothing left to draw on.
    if (resized == nullptr) {
        resized = SDL_SetVideoMode(old_width, old_height, screen_depth, window_flags());
    }
    if (resized == nullptr) {
        std::fprintf(stderr, "%s: cannot resize the window to %dx%d: %s\n", window_program, width,
                     height, SDL_GetError());
        throw RunEnd{1};
    }
    screen = resized;
    fit_drawing_to_screen();
    SDL_FillRect(screen, nullptr, white);
    if (keep_picture) {
        show_kept_picture(kept);
        SDL_Flip(screen);
    }
    screen_resized();
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
        const std::string path = path_in(folder, font_file);
        if (TTF_Font* font = TTF_OpenFont(path.c_str(), size)) {
            opened_fonts.push_back({font, path, size, {}, {}});
            return font;
        }
    }
    std::fprintf(stderr, "%s: cannot open the font \"%s\" in %s; texts will be missing\n", program,
                 font_file, describe_folders(folders).c_str());
    return nullptr;
}

void close_text_font(TTF_Font* font)
{
    for (auto sizes = opened_fonts.begin(); sizes != opened_fonts.end(); ++sizes) {
        if (sizes->font != font) continue;
        for (TTF_Font* scaled : sizes->scaled) {
            if (scaled != nullptr) TTF_CloseFont(scaled);
        }
        opened_fonts.erase(sizes);
        break;
    }
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
    if (font == nullptr) return;
    // At a scale, in the font of the scale's size: text is drawn sharp, never enlarged.
    const SDL_Rect at = screen_rect(place);
    blit_rendered(font_at_scale(font), text, colour, at.x, at.y);
}

void blit_text_centred(TTF_Font* font, const char* text, SDL_Color colour, int centre_x, int y)
{
    if (font == nullptr) return;
    // Centred on the screen's own pixels, in the font of the scale's size.
    TTF_Font* sized = font_at_scale(font);
    int width = 0, height = 0;
    if (TTF_SizeUTF8(sized, text, &width, &height) != 0) return;
    const SDL_Rect at = screen_rect({static_cast<Sint16>(centre_x), static_cast<Sint16>(y), 0, 0});
    blit_rendered(sized, text, colour, at.x - width / 2, at.y);
}
