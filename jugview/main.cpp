// jugview: every solution of the three-jug puzzle, each drawn on a page of its own.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdio>

#include "jugview/jug_picture.h"
#include "jugview/step_view.h"
#include "options/options.h"
#include "options/programs.h"
#include "pour/pour.h"
#include "raster/page_files.h"
#include "raster/raster.h"
#include "raster/step_pace.h"
#include "run/progress.h"
#include "run/run_end.h"
#include "raster/window.h"

SDL_Surface* screen;

static TTF_Font* label_font;
static TTF_Font* small_font;  // step mode's amounts and legend
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

// What the progress line tells while the pages go to files.
static ProgressSample saving_progress()
{
    ProgressSample now;
    now.found = solution_count;
    now.pages = pages_written();
    return now;
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, jugview_program, settings);
    if (status != run_program) return status;
    set_jug_puzzle(settings.jugs, settings.goal);
    fit_pictures_to_jugs();

    if (!open_screen(jugview_program.name, settings.save_folder)) return 1;
    white_pixel = SDL_MapRGB(screen->format, 255, 255, 255);
    black_pixel = SDL_MapRGB(screen->format, 0, 0, 0);
    red_pixel = SDL_MapRGB(screen->format, 255, 0, 0);
    mark_pixel = SDL_MapRGB(screen->format, 0, 0, 250);
    label_font = open_text_font(jugview_program.name);

    stepping = settings.steps;
    // Without the font there is no second size of it either, and nothing more to say.
    small_font = stepping && label_font != nullptr
                     ? open_text_font(jugview_program.name, small_font_size)
                     : nullptr;
    if (stepping) start_step_view(label_font, small_font, settings.delay_ms, settings.tree_view);
    pour_step_action = stepping ? show_pour_step : nullptr;
    if (pages_go_to_files()) {
        start_progress(settings.progress, false,
                       {jugview_program.name, "solutions", -1, saving_progress});
    }
    int end_status = 0;
    try {
        start_pour_search();

        if (stepping) {
            finish_steps();
        } else {
            // The last solution left a cleared page: a blank page ends the run, or one that
            // says that there was none.
            if (solution_count == 0) {
                blit_text(label_font, no_solution_words, label_colour, label_rect);
            }
            SDL_Flip(screen);
            wait_key_or_quit();
        }
    } catch (const RunEnd& end) {
        end_status = end.status;
    }

    close_window_run(label_font, small_font);
    return end_status;
}
