// tileview: every domino tiling of a board (6x4 by default), as many diagrams a page as fit,
// and the closed-form count beside the count found.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdio>

#include "options/options.h"
#include "options/programs.h"
#include "raster/page_files.h"
#include "raster/raster.h"
#include "raster/step_pace.h"
#include "run/progress.h"
#include "run/run_end.h"
#include "raster/window.h"
#include "tileview/step_view.h"
#include "tileview/tiling_picture.h"
#include "tiling/tiling.h"

SDL_Surface* screen;

static TTF_Font* font;
static TTF_Font* small_font;  // step mode's cell numbers and legend
static char header_text[32];
static const SDL_Color text_colour = {0, 0, 0, 0};  // black
static const SDL_Rect header_place = {10, 10, 0, 0};

// What the progress line tells while the pages go to files.
static ProgressSample saving_progress()
{
    ProgressSample now;
    now.found = static_cast<double>(tiling_count);
    now.pages = pages_written();
    return now;
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, tileview_program, settings);
    if (status != run_program) return status;
    set_board(settings.board_columns, settings.board_rows);

    if (!open_screen(tileview_program.name, settings.save_folder)) return 1;
    white_pixel = SDL_MapRGB(screen->format, 255, 255, 255);
    blue_pixel = SDL_MapRGB(screen->format, 0, 0, 250);
    red_pixel = SDL_MapRGB(screen->format, 255, 0, 0);
    mark_pixel = SDL_MapRGB(screen->format, 255, 220, 100);
    grid_pixel = SDL_MapRGB(screen->format, 200, 200, 200);
    font = open_text_font(tileview_program.name);
    // Without the font there is no second size of it either, and nothing more to say.
    small_font = settings.steps && font != nullptr
                     ? open_text_font(tileview_program.name, small_font_size)
                     : nullptr;

    // Step mode draws a header of its own at every step.
    if (!settings.steps) {
        std::snprintf(header_text, sizeof header_text, "M*N =  %d*%d", board_columns, board_rows);
        blit_text(font, header_text, text_colour, header_place);
    }

    if (settings.steps) start_step_view(font, small_font, settings.delay_ms, settings.tree_view);
    tile_step_action = settings.steps ? show_tile_step : nullptr;
    if (pages_go_to_files()) {
        start_progress(
            settings.progress, false,
            {tileview_program.name, "tilings", closed_form_tiling_count(), saving_progress});
    }
    int end_status = 0;
    try {
        enumerate_tilings();

        if (settings.steps) {
            finish_steps();
        } else {
            if (page_bottom >= tiling_counts_place.y) {
                // A last page filled to the bottom would run into the counts: they get a page
                // of their own instead.
                SDL_Flip(screen);
                wait_key_or_quit();
                SDL_FillRect(screen, nullptr, white_pixel);
            }
            show_tiling_counts(font);
            SDL_Flip(screen);
            wait_key_or_quit();
        }
    } catch (const RunEnd& end) {
        end_status = end.status;
    }

    close_window_run(font, small_font);
    return end_status;
}
