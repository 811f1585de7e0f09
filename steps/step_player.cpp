// Step mode in the window: the steps recorded and shown, and the wait for the user's moves.
#include "steps/step_player.h"

#include <SDL.h>

#include "raster/page_files.h"
#include "raster/window.h"
#include "run/run_end.h"
#include "steps/step_keys.h"
#include "steps/step_navigation.h"
#include "steps/step_replay.h"
#include "steps/step_tree.h"

namespace {

bool view_has_step_zero;

constexpr Uint32 poll_interval_ms = 10;  // how soon a key is noticed between timed steps

// While the search runs on unseen (n, or a move to a step not taken yet), the platform gets a
// look in this often, an empty pause: the browser runs nothing else meanwhile, and so keeps
// the page alive and its Stop button working. The clock is read every few steps.
constexpr Uint32 unseen_look_ms = 100;
constexpr unsigned unseen_steps_between_clocks = 1024;
Uint32 looked_at;
unsigned unseen_steps;

void look_in_while_unseen()
{
    if (++unseen_steps % unseen_steps_between_clocks != 0) return;
    const Uint32 now = SDL_GetTicks();
    if (now - looked_at < unseen_look_ms) return;
    SDL_Delay(0);
    looked_at = SDL_GetTicks();
}

// Waits for the user's next move. While the steps play (delay_ms >= 0), a forward move comes
// by itself when the delay is over. A move to a step comes as a user event whose code is the
// step: only the web page sends one, for the step its address names (web/window.cpp).
StepKey wait_for_move(int delay_ms)
{
    const bool playing = delay_ms >= 0;
    const Uint32 due = SDL_GetTicks() + static_cast<Uint32>(playing ? delay_ms : 0);
    SDL_Event event;
    for (;;) {
        if (!playing) {
            // A failing wait would fail again at once: end the run rather than spin.
            if (SDL_WaitEvent(&event) == 0) return {StepMove::quit, 0};
        } else if (!SDL_PollEvent(&event)) {
            const Uint32 now = SDL_GetTicks();
            if (static_cast<Sint32>(due - now) <= 0) return {StepMove::tick, 0};
            SDL_Delay(static_cast<Sint32>(due - now) < static_cast<Sint32>(poll_interval_ms)
                          ? due - now
                          : poll_interval_ms);
            continue;
        }
        if (event.type == SDL_QUIT) return {StepMove::quit, 0};
        if (event.type == SDL_KEYDOWN) {
            return step_key_of(event.key.keysym.sym, event.key.keysym.unicode);
        }
        if (event.type == SDL_USEREVENT) return {StepMove::go_to, event.user.code};
        // A window of a new size shows the page again, drawn at the scale that fits it.
        if (event.type == SDL_VIDEORESIZE && resize_screen(event.resize.w, event.resize.h, false)) {
            return {StepMove::redraw, 0};
        }
    }
}

// Lets the user move about the pages kept. Returns when they move on from the newest step
// (the search takes its next one), or from the end page (the run ends, as the last page of a
// run always has). When pages go to files, writes each page instead and moves forward, and
// the end page ends the run.
void browse()
{
    for (;;) {
        StepKey key;
        if (pages_go_to_files()) {
            save_page();
            if (search_over() && shown_page() == step_record.end()) return;
            key = {StepMove::forward, 0};
        } else {
            key = wait_for_move(play_delay_ms());
        }
        switch (make_move(key.move, key.number)) {
        case StepAfter::stay:
            break;
        case StepAfter::search_on:
            return;
        case StepAfter::run_over:
            if (key.move == StepMove::quit) throw RunEnd{0};
            return;
        }
    }
}

}  // namespace

void start_steps(const StepFonts& fonts, int delay_ms, const StepView& view, StepShown first)
{
    start_step_tree();
    step_record.clear();
    start_replay();
    start_navigation({show_step_page, show_end_page, show_question_page}, delay_ms, first);
    // The character a key types, for ? (Shift and / on most keyboards).
    SDL_EnableUNICODE(1);
    start_step_pages(fonts, view);
    view_has_step_zero = view.step_zero;
}

void take_step(StepEvent event, const TraceNode* node)
{
    step_record.add(event);
    add_step_to_tree(node);
    // The state follows the search also while n runs it unseen, so that it never stands on a
    // step that a new one pushes out of the record.
    replay_to(step_record.end() - 1);
    if (show_new_step()) {
        browse();
        looked_at = SDL_GetTicks();
    } else {
        look_in_while_unseen();
    }
}

void take_step_zero()
{
    if (view_has_step_zero) take_step(start_event(), nullptr);
}

void finish_steps()
{
    show_search_over();
    browse();
}
