// The window programs' wait in the browser. Emscripten's SDL has no SDL_WaitEvent: a wait
// that blocked would freeze the page, keys and all. This one lets the browser run between
// looks at the queue, and also takes the page's Next button (a key) and Stop.
#include <SDL.h>
#include <emscripten.h>

#include "web/page_link.h"

// Set while the page has been told of a wait that no key has answered yet: the program's
// wait may come back for the key-up and the mouse events that it drops, and that is still
// the same wait.
static bool page_told;

static int answered(SDL_Event* event)
{
    if (event->type == SDL_KEYDOWN || event->type == SDL_QUIT) page_told = false;
    return 1;
}

extern "C" int SDL_WaitEvent(SDL_Event* event)
{
    for (;;) {
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
        emscripten_sleep(answer_poll_ms);
    }
}

// Step mode's pause between steps. Emscripten's own sleeps in one piece; this one looks for
// Stop at every slice, so that Stop ends a run that steps by itself at once.
extern "C" void SDL_Delay(Uint32 ms)
{
    for (;;) {
        if (stop_requested()) end_stopped_run();
        const Uint32 slice = ms < static_cast<Uint32>(answer_poll_ms) ? ms : answer_poll_ms;
        emscripten_sleep(slice);
        if (ms == slice) return;
        ms -= slice;
    }
}
