// The keys of step mode.
#include "steps/step_keys.h"

#include <cstring>

namespace {

struct KeyRow {
    const char* name;  // as the browser names the key
    SDLKey key;
    StepMove move;
};

// The page's Play / Pause button presses Pause, which never ends a run: the page's own space
// bar is that button (web/page_keys.js), and its Stop button ends a run.
constexpr KeyRow keys[] = {
    {"ArrowRight", SDLK_RIGHT, StepMove::forward},
    {"PageDown", SDLK_PAGEDOWN, StepMove::forward},
    {" ", SDLK_SPACE, StepMove::play},
    {"Pause", SDLK_PAUSE, StepMove::play_pause},
    {"ArrowLeft", SDLK_LEFT, StepMove::back},
    {"PageUp", SDLK_PAGEUP, StepMove::back},
    {"Backspace", SDLK_BACKSPACE, StepMove::back},
    {"Home", SDLK_HOME, StepMove::first},
    {"End", SDLK_END, StepMove::newest},
    {"n", SDLK_n, StepMove::next_found},
    {"p", SDLK_p, StepMove::previous_found},
    {"t", SDLK_t, StepMove::switch_view},
    {"s", SDLK_s, StepMove::switch_stack},
    {"?", SDLK_QUESTION, StepMove::predict},
    {"Escape", SDLK_ESCAPE, StepMove::quit},
    {"q", SDLK_q, StepMove::quit},
};

// The modifier and lock keys, which SDL reports on their own as they go down: no move at all,
// so that reaching for Shift or Ctrl never ends a run on its last page.
constexpr SDLKey modifiers[] = {
    SDLK_LSHIFT, SDLK_RSHIFT, SDLK_LCTRL,  SDLK_RCTRL, SDLK_LALT,     SDLK_RALT,    SDLK_LMETA,
    SDLK_RMETA,  SDLK_LSUPER, SDLK_RSUPER, SDLK_MODE,  SDLK_CAPSLOCK, SDLK_NUMLOCK, SDLK_SCROLLOCK};

const char* move_names[] = {
    "none",   "forward",    "play",           "play-pause",  "back",         "first",
    "newest", "next-found", "previous-found", "switch-view", "switch-stack", "predict",
    "tick",   "pace",       "go-to",          "quit",        "redraw",       "other"};
static_assert(sizeof move_names / sizeof move_names[0] == static_cast<int>(StepMove::other) + 1,
              "a name for every move");

}  // namespace

StepKey step_key_of(SDLKey key, Uint16 typed)
{
    // SDL names the key, not the character its modifiers make: ? is Shift and / on most
    // keyboards, and read as the character typed.
    if (typed == '?') key = SDLK_QUESTION;
    for (const KeyRow& row : keys) {
        if (row.key == key) return {row.move, 0};
    }
    for (const SDLKey modifier : modifiers) {
        if (modifier == key) return {StepMove::none, 0};
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

int named_step_keys() { return static_cast<int>(sizeof keys / sizeof keys[0]); }

NamedStepKey named_step_key(int k) { return {keys[k].name, keys[k].move}; }

const char* step_move_name(StepMove move) { return move_names[static_cast<int>(move)]; }
