// What the two step views share: the pace of step mode, the step counter and the status line.
#include "raster/step_pace.h"

#include <SDL.h>

#include <cstdio>

#include "raster/page_files.h"
#include "raster/raster.h"
#include "raster/window.h"
#include "run/run_end.h"

namespace {

TTF_Font* status_font;
int step_delay_ms = -1;
long long step_number;

enum class Wish { none, step, pause, quit };

// Whether the run is paused in timed mode; a pause lasts from one step to the next.
bool paused = false;

Wish wish_of(const SDL_Event& event)
{
    if (event.type == SDL_QUIT) return Wish::quit;
    if (event.type != SDL_KEYDOWN) return Wish::none;
    switch (event.key.keysym.sym) {
    case SDLK_ESCAPE:
    case SDLK_q:
        return Wish::quit;
    case SDLK_RIGHT:
        return Wish::step;
    case SDLK_SPACE:
        return Wish::pause;
    default:
        return Wish::none;
    }
}

constexpr Uint32 poll_interval_ms = 10;  // how soon a key is noticed between timed steps

}  // namespace

bool wait_for_step(int delay_ms)
{
    // With --save every step is a page file, written at once.
    if (pages_go_to_files()) {
        save_page();
        return true;
    }
    const bool timed = delay_ms >= 0;
    const Uint32 due = SDL_GetTicks() + static_cast<Uint32>(timed ? delay_ms : 0);
    SDL_Event event;
    for (;;) {
        if (!timed || paused) {
            // A failing wait would fail again at once: end the run rather than spin.
            if (SDL_WaitEvent(&event) == 0) return false;
        } else if (!SDL_PollEvent(&event)) {
            const Uint32 now = SDL_GetTicks();
            if (static_cast<Sint32>(due - now) <= 0) return true;
            SDL_Delay(static_cast<Sint32>(due - now) < static_cast<Sint32>(poll_interval_ms)
                          ? due - now
                          : poll_interval_ms);
            continue;
        }
        switch (wish_of(event)) {
        case Wish::quit:
            return false;
        case Wish::step:
            return true;
        case Wish::pause:
            // Without a delay the space bar takes a step; with one it pauses and resumes.
            if (!timed) return true;
            paused = !paused;
            if (!paused) return true;
            break;
        case Wish::none:
            break;
        }
    }
}

void show_step_status(TTF_Font* font, long long step, std::size_t depth, const char* found_name,
                      long long found, const char* words)
{
    constexpr SDL_Color black = {0, 0, 0, 0};
    char line[160];
    std::snprintf(line, sizeof line, "step %lld   depth %zu   %s %lld   %s", step, depth,
                  found_name, found, words);
    blit_text(font, line, black, step_status_place);
}

void start_steps(TTF_Font* font, int delay_ms)
{
    status_font = font;
    step_delay_ms = delay_ms;
    step_number = 0;
}

void take_step(std::size_t depth, const char* found_name, long long found, const char* words)
{
    ++step_number;
    show_step_status(status_font, step_number, depth, found_name, found, words);
    SDL_Flip(screen);
    if (!wait_for_step(step_delay_ms)) throw RunEnd{0};
}

void show_last_step_status(std::size_t depth, const char* found_name, long long found,
                           const char* words)
{
    show_step_status(status_font, step_number, depth, found_name, found, words);
}
