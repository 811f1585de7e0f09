// The keys of step mode.
#include "steps/step_keys.h"

#include <cstring>

namespace {

struct KeyRow {
    const char* name;  // as the browser names the key
    SDLKey key;
    StepMove move;
};

constexpr KeyRow keys[] = {
    {"ArrowRight", SDLK_RIGHT, StepMove::forward},
    {" ", SDLK_SPACE, StepMove::play},
    {"ArrowLeft", SDLK_LEFT, StepMove::back},
    {"Backspace", SDLK_BACKSPACE, StepMove::back},
    {"Home", SDLK_HOME, StepMove::first},
    {"End", SDLK_END, StepMove::newest},
    {"n", SDLK_n, StepMove::next_found},
    {"p", SDLK_p, StepMove::previous_found},
    {"t", SDLK_t, StepMove::switch_view},
    {"Escape", SDLK_ESCAPE, StepMove::quit},
    {"q", SDLK_q, StepMove::quit},
};

}  // namespace

StepKey step_key_of(SDLKey key)
{
    for (const KeyRow& row : keys) {
        if (row.key == key) return {row.move, 0};
    }
    if (key >= SDLK_0 && key <= SDLK_9) return {StepMove::pace, key - SDLK_0};
    return {StepMove::other, 0};
}

SDLKey sdl_key_named(const char* name)
{
    for (const KeyRow& row : keys) {
        if (std::strcmp(row.name, name) == 0) return row.key;
    }
    if (name[0] >= '0' && name[0] <= '9' && name[1] == '\0') {
        return static_cast<SDLKey>(SDLK_0 + (name[0] - '0'));
    }
    return SDLK_UNKNOWN;
}

StepKey step_key_named(const char* name)
{
    const SDLKey key = sdl_key_named(name);
    return key == SDLK_UNKNOWN ? StepKey{StepMove::other, 0} : step_key_of(key);
}
