// tileview: every domino tiling of a board (6x4 by default), as many diagrams a page as fit,
// and the closed-form count beside the count found.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdio>

#include "programs/programs.h"
#include "raster/raster.h"
#include "raster/window.h"
#include "window/window_run.h"
#include "tileview/step_view.h"
#include "tileview/tiling_picture.h"
#include "tiling/tiling.h"

SDL_Surface* screen;

static char header_text[32];
static const SDL_Color text_colour = {0, 0, 0, 0};  // black
static const SDL_Rect header_place = {10, 10, 0, 0};

static void set_tiling_board(const Settings& settings)
{
    set_board(settings.board_columns, settings.board_rows);
}

// The first page names the board above its diagrams.
static void start_pages(TTF_Font* font)
{
    std::snprintf(header_text, sizeof header_text, "M*N =  %d*%d", board_columns, board_rows);
    blit_text(font, header_text, text_colour, header_place);
}

// The last page ends with the counts.
static void finish_pages(TTF_Font* font)
{
    if (page_bottom >= tiling_counts_place.y) {
        // A last page filled to the bottom would run into the counts: they get a page of
        // their own instead.
        SDL_Flip(screen);
        wait_key_or_quit();
        SDL_FillRect(screen, nullptr, white_pixel);
    }
    show_tiling_counts(font);
    SDL_Flip(screen);
    wait_key_or_quit();
}

static void watch(bool watched) { tile_step_action = watched ? show_tile_step : nullptr; }

static double tilings_found() { return static_cast<double>(tiling_count); }

int main(int argc, char** argv)
{
    const WindowProgram program = {
        .info = tileview_program,
        .found_name = "tilings",
        .set_instance = set_tiling_board,
        .map_colours = map_tiling_colours,
        .start_pages = start_pages,
        .finish_pages = finish_pages,
        .step_view = tile_step_view,
        .watch = watch,
        .search = enumerate_tilings,
        .found = tilings_found,
        .total = closed_form_tiling_count,
    };
    return run_window_program(argc, argv, program);
}
