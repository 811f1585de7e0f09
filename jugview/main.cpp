// jugview: every solution of the three-jug puzzle, each drawn on a page of its own.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdio>

#include "jugview/jug_picture.h"
#include "jugview/step_view.h"
#include "options/options.h"
#include "pour/pour.h"
#include "raster/page_files.h"
#include "raster/raster.h"
#include "raster/step_pace.h"
#include "raster/window.h"

static const ProgramInfo jugview_program = {
    "jugview",
    "Draws every way of pouring between three jugs, from the first jug full and the others\n"
    "empty to a goal, without passing a state twice, in a window: each solution on a page\n"
    "of its own, one picture of the containers for each state. A key (or closing the\n"
    "window) turns to the next solution; a blank page ends the run.",
    option_jugs | option_goal | option_steps | option_save,
    0,
    0,
    nullptr,
    "--jugs 8,5,3 --goal '4,4,*'",
};

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
    std::snprintf(label_text, sizeof label_text, "%d", solution_count);
    blit_text(label_font, label_text, label_colour, label_rect);  // visible with the first flip

    for (int k = 2; k <= depth; ++k) {
        draw_state(state_path[k]);
    }
    draw_state(goal);

    wait_key_or_quit();
    SDL_FillRect(screen, nullptr, white_pixel);
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, jugview_program, settings);
    if (status != run_program) return status;
    static_assert(goal_any_amount == any_amount, "a '*' goal is any amount");
    set_jug_puzzle(settings.jugs, settings.goal);
    fit_pictures_to_jugs();

    // With --save the pages are drawn the same way into memory and written as files.
    screen = settings.save_folder != nullptr ? open_page_files("jugview", settings.save_folder)
                                             : open_window("jugview");
    if (screen == nullptr) {
        return 1;
    }
    white_pixel = SDL_MapRGB(screen->format, 255, 255, 255);
    black_pixel = SDL_MapRGB(screen->format, 0, 0, 0);
    red_pixel = SDL_MapRGB(screen->format, 255, 0, 0);
    mark_pixel = SDL_MapRGB(screen->format, 0, 0, 250);
    SDL_FillRect(screen, nullptr, white_pixel);
    label_font = open_text_font("jugview");

    stepping = settings.steps;
    if (stepping) start_step_view(label_font, settings.delay_ms);
    pour_step_action = stepping ? show_pour_step : nullptr;
    try {
        pour_search(jug_capacity[0] * 10000, 1);
    } catch (const StepModeQuit&) {
        close_text_font(label_font);  // the user ended the run at a step
        return 0;
    }

    // The last solution left a cleared page: a blank page ends the run.
    if (stepping) show_step_view_end();
    SDL_Flip(screen);
    wait_key_or_quit();

    close_text_font(label_font);
    return 0;
}
