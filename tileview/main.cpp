// tileview: every domino tiling of a board (6x4 by default), as many diagrams a page as fit,
// and the closed-form count beside the count found.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdio>

#include "options/options.h"
#include "raster/page_files.h"
#include "raster/raster.h"
#include "raster/step_pace.h"
#include "raster/window.h"
#include "tileview/tiling.h"
#include "tileview/step_view.h"
#include "tileview/tiling_picture.h"

static const ProgramInfo tileview_program = {
    "tileview",
    "Draws every tiling of a board of W columns by H rows with dominoes in a window, each\n"
    "the moment the search finds it, as a small diagram, as many to a page as fit. A key\n"
    "(or closing the window) turns a full page. The last page sets the number of tilings\n"
    "from the closed-form cosine product beside the number found.",
    option_board | option_steps | option_save,
    max_diagram_columns,
    max_diagram_rows,
    "the largest board whose diagram fits on a page",
    "--board 4x4",
};

SDL_Surface* screen;

static TTF_Font* font;
// Room for the closed form of the largest board, a figure of over 230 digits.
static char text_buffer[512];
static const SDL_Color text_colour = {0, 0, 0, 0};  // black
static const SDL_Rect header_place = {10, 10, 0, 0};
static const SDL_Rect summary_place = {30, 550, 0, 0};

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, tileview_program, settings);
    if (status != run_program) return status;
    set_board(settings.board_columns, settings.board_rows);

    // With --save the pages are drawn the same way into memory and written as files.
    screen = settings.save_folder != nullptr ? open_page_files("tileview", settings.save_folder)
                                             : open_window("tileview");
    if (screen == nullptr) {
        return 1;
    }
    white_pixel = SDL_MapRGB(screen->format, 255, 255, 255);
    blue_pixel = SDL_MapRGB(screen->format, 0, 0, 250);
    red_pixel = SDL_MapRGB(screen->format, 255, 0, 0);
    mark_pixel = SDL_MapRGB(screen->format, 0, 0, 0);
    SDL_FillRect(screen, nullptr, white_pixel);
    font = open_text_font("tileview");

    std::snprintf(text_buffer, sizeof text_buffer, "M*N =  %d*%d", board_columns, board_rows);
    blit_text(font, text_buffer, text_colour, header_place);

    if (settings.steps) start_step_view(font, settings.delay_ms);
    tile_step_action = settings.steps ? show_tile_step : nullptr;
    try {
        enumerate_tilings();
    } catch (const StepModeQuit&) {
        close_text_font(font);  // the user ended the run at a step
        return 0;
    }

    if (settings.steps) {
        show_step_view_end();
    } else if (page_bottom >= summary_place.y) {
        // A last page filled to the bottom would run into the counts: they get a page of
        // their own instead.
        SDL_Flip(screen);
        wait_key_or_quit();
        SDL_FillRect(screen, nullptr, white_pixel);
    }
    std::snprintf(text_buffer, sizeof text_buffer,
                  "Number of tilings (theoretic and experimental)=  %3.0lf   %lld",
                  closed_form_tiling_count(), static_cast<long long>(tiling_count));
    blit_text(font, text_buffer, text_colour, summary_place);

    SDL_Flip(screen);
    wait_key_or_quit();

    close_text_font(font);
    return 0;
}
