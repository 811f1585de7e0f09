// The window programs' wait in the browser. Emscripten's SDL has no SDL_WaitEvent: a wait
// that blocked would freeze the page, keys and all. This one lets the browser run between
// looks at the queue, and also takes the page's Next button (a key), the keys of its step
// buttons, and Stop.
#include <SDL.h>
#include <emscripten.h>

#include "raster/page_size.h"
#include "raster/raster.h"
#include "steps/step_keys.h"
#include "web/page_link.h"

// Puts the keys the page's buttons pressed into SDL's queue, where the program's wait, and
// its look for keys between steps that come by themselves, find them; and the step the page
// asks to go to, as a user event whose code is the step (steps/step_player.cpp).
static void queue_page_keys()
{
    char name[16];
    while (take_page_key(name, sizeof name)) {
        SDL_Event event = {};
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = sdl_key_named(name);
        if (event.key.keysym.sym != SDLK_UNKNOWN) SDL_PushEvent(&event);
    }
    int step = 0;
    if (take_page_step(step)) {
        SDL_Event event = {};
        event.type = SDL_USEREVENT;
        event.user.code = step;
        SDL_PushEvent(&event);
    }
}

// The scale last put into the queue and not yet drawn at; 0 when none waits.
static_assert(page_largest_scale == max_draw_scale, "the page asks for no scale the kit lacks");

static int scale_queued;

// Puts a change of the window's size into SDL's queue when the page asks for another scale
// (Present): a page of the scale's size, which the program's wait takes as the desktop's
// takes a window resized, and draws at that scale.
static void queue_page_scale()
{
    const int scale = page_scale();
    if (scale == draw_scale) {
        scale_queued = 0;
        return;
    }
    if (scale == scale_queued) return;
    SDL_Event event = {};
    event.type = SDL_VIDEORESIZE;
    event.resize.w = scale * screen_width;
    event.resize.h = scale * screen_height;
    if (SDL_PushEvent(&event) == 0) scale_queued = scale;
}

// Set while the page has been told of a wait that no key has answered yet: the program's
// wait may come back for the key-up and the mouse events that it drops, and that is still
// the same wait.
static bool page_told;

static int answered(SDL_Event* event)
{
    if (event->type == SDL_KEYDOWN || event->type == SDL_USEREVENT || event->type == SDL_QUIT) {
        page_told = false;
    }
    return 1;
}

extern "C" int SDL_WaitEvent(SDL_Event* event)
{
    for (;;) {
        queue_page_keys();
        queue_page_scale();
        if (SDL_PollEvent(event)) return answered(event);
        switch (take_page_answer()) {
        case PageAnswer::next:
            *event = SDL_Event{};
            event->type = SDL_KEYDOWN;
            event->key.keysym.sym = SDLK_SPACE;
            return answered(event);
        case PageAnswer::stop:
            end_stopped_run();
        case PageAnswer::none:
            break;
        }
        if (!page_told) {
            page_told = true;
            tell_page_waiting();
        }
        show_what_is_due_beside(true);
        emscripten_sleep(answer_poll_ms);
    }
}

// Step mode's pause between steps. Emscripten's own sleeps in one piece; this one looks for
// Stop at every slice, so that Stop ends a run that steps by itself at once.
extern "C" void SDL_Delay(Uint32 ms)
{
    for (;;) {
        if (stop_requested()) end_stopped_run();
        queue_page_keys();
        queue_page_scale();
        show_what_is_due_beside(false);
        const Uint32 slice = ms < static_cast<Uint32>(answer_poll_ms) ? ms : answer_poll_ms;
        emscripten_sleep(slice);
        if (ms == slice) return;
        ms -= slice;
    }
}
