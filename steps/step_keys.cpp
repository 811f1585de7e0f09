// The keys of step mode.
#include "steps/step_keys.h"

#include <cstring>

namespace {

struct KeyRow {
    SDLKey key;
    const char* name;  // as the browser names the key
    StepMove move;
};

constexpr KeyRow keys[] = {
    {SDLK_RIGHT, "ArrowRight", StepMove::forward},
    {SDLK_SPACE, " ", StepMove::play},
    {SDLK_LEFT, "ArrowLeft", StepMove::back},
    {SDLK_BACKSPACE, "Backspace", StepMove::back},
    {SDLK_HOME, "Home", StepMove::first},
    {SDLK_END, "End", StepMove::newest},
    {SDLK_n, "n", StepMove::next_found},
    {SDLK_p, "p", StepMove::previous_found},
    {SDLK_t, "t", StepMove::switch_view},
    {SDLK_ESCAPE, "Escape", StepMove::quit},
    {SDLK_q, "q", StepMove::quit},
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
