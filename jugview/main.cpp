// jugview: every solution of the three-jug puzzle, each drawn on a page of its own.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdio>

#include "jugview/jug_picture.h"
#include "jugview/step_view.h"
#include "programs/programs.h"
#include "pour/pour.h"
#include "raster/raster.h"
#include "raster/window.h"
#include "window/window_run.h"

SDL_Surface* screen;

static TTF_Font* label_font;
static char label_text[16];
static const SDL_Color label_colour = {0, 0, 0, 0};  // black
static const SDL_Rect label_rect = {20, 10, 0, 0};

// In step mode the search's steps are drawn instead of the solution pages.
static bool stepping;

static void draw_state(JugState state)
{
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    draw_jug_state(amount[0], amount[1], amount[2]);
}

// Shows one solution on a page of its own: its number, then a picture of each state from
// the start to the goal. Waits for a key or a close request, then clears the page.
void report_solution(JugState goal, int depth)
{
    if (stepping) {
        ++solution_count;  // the step that reaches the goal shows it
        return;
    }
    cursor_x = picture_left;
    cursor_y = solution_top();

    ++solution_count;
    std::snprintf(label_text, sizeof label_text, "%d", static_cast<int>(solution_count));
    blit_text(label_font, label_text, label_colour, label_rect);  // visible with the first flip

    for (int k = 2; k <= depth; ++k) {
        draw_state(state_path[k]);
    }
    draw_state(goal);

    wait_key_or_quit();
    SDL_FillRect(screen, nullptr, white_pixel);
}

static void set_puzzle(const Settings& settings)
{
    set_jug_puzzle(settings.jugs, settings.goal);
    fit_pictures_to_jugs();
}

static void start_pages(TTF_Font* font) { label_font = font; }

// The last solution left a cleared page: a blank page ends the run, or one that says that
// there was none.
static void finish_pages(TTF_Font* font)
{
    if (solution_count == 0) blit_text(font, no_solution_words, label_colour, label_rect);
    SDL_Flip(screen);
    wait_key_or_quit();
}

static void watch(bool watched)
{
    stepping = watched;
    pour_step_action = watched ? show_pour_step : nullptr;
}

static double solutions_found() { return solution_count; }
static double solutions_in_all() { return -1; }

int main(int argc, char** argv)
{
    const WindowProgram program = {
        .info = jugview_program,
        .found_name = "solutions",
        .set_instance = set_puzzle,
        .map_colours = map_jug_colours,
        .start_pages = start_pages,
        .finish_pages = finish_pages,
        .step_view = pour_step_view,
        .watch = watch,
        .search = start_pour_search,
        .found = solutions_found,
        .total = solutions_in_all,
    };
    return run_window_program(argc, argv, program);
}
