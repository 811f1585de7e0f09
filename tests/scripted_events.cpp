// Ends each wait of a window program with events pushed into SDL's real queue.
#include "scripted_events.h"

#include <algorithm>
#include <cstddef>
#include <unistd.h>

#include "pixel_check.h"
#include "raster/raster.h"

ScriptedEvents script;

void reset_script() { script = ScriptedEvents(); }

int run_entry_in(const char* folder, int (*entry)(int, char**),
                 const std::vector<std::string>& args)
{
    char here[4096];
    if (getcwd(here, sizeof here) == nullptr || chdir(folder) != 0) return -1;
    // Without arguments the entry sees none at all, as the tests of the default runs always
    // have; with them, a program name comes first as usual.
    std::vector<std::string> words = {"program"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv(words.size() + 1, nullptr);
    std::transform(words.begin(), words.end(), argv.begin(), [](std::string& w) { return &w[0]; });
    const int status =
        args.empty() ? entry(0, nullptr) : entry(static_cast<int>(words.size()), argv.data());
    return chdir(here) == 0 ? status : -1;
}

std::vector<Uint32> copy_screen()
{
    std::vector<Uint32> pixels(static_cast<size_t>(screen->w) * screen->h);
    for (int y = 0; y < screen->h; ++y) {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(screen->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * screen->pitch);
        std::copy(row, row + screen->w, pixels.begin() + static_cast<long>(y) * screen->w);
    }
    return pixels;
}

extern "C" int __real_SDL_WaitEvent(SDL_Event* event);

// A wait is about to block on an empty queue: that is one wait of the program. Record the
// screen and queue the answer behind events that must not end the wait.
extern "C" int __wrap_SDL_WaitEvent(SDL_Event* event)
{
    SDL_Event pending;
    SDL_PumpEvents();
    if (SDL_PeepEvents(&pending, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) == 0) {
        const size_t n = script.waits++;
        if (script.kept_waits.empty() || script.kept_waits.count(n) != 0) {
            script.pages.push_back(copy_screen());
        }
        const WaitAnswer answer = n < script.answers.size() ? script.answers[n] : WaitAnswer::key;
        push_event(SDL_MOUSEMOTION);
        push_event(SDL_KEYUP);
        if (answer == WaitAnswer::close_request) {
            push_event(SDL_QUIT);
        } else {
            constexpr SDLKey keys[] = {SDLK_SPACE, SDLK_SPACE,     SDLK_ESCAPE, SDLK_LEFT,
                                       SDLK_RIGHT, SDLK_BACKSPACE, SDLK_HOME,   SDLK_END,
                                       SDLK_n,     SDLK_p,         SDLK_t,      SDLK_0,
                                       SDLK_9,     SDLK_LSHIFT,    SDLK_s,      SDLK_SLASH};
            push_event(SDL_KEYDOWN, keys[static_cast<int>(answer)],
                       answer == WaitAnswer::question ? '?' : 0);
        }
    }
    return __real_SDL_WaitEvent(event);
}
