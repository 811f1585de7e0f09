// The keys of step mode: one table that says which move each key makes, for the window's keys
// (SDL's) and for the web page's (named as the browser names them).
#ifndef STEPS_STEP_KEYS_H
#define STEPS_STEP_KEYS_H

#include <SDL.h>

#include "steps/step_navigation.h"

// A key's move, and for a digit key (a pace) its digit.
struct StepKey {
    StepMove move;
    int digit;
};

// The move of a key of the window: the right arrow and the space bar go forward (the space bar
// pauses and resumes with a pace), the left arrow and Backspace back, Home to the oldest
// step kept, End to the newest, n and p to the next and the previous configuration found, t
// between the picture and the tree, 0 to 9 choose the pace, Escape and q end the run; any
// other key is StepMove::other.
StepKey step_key_of(SDLKey key);

// The window's key that the browser names so ("ArrowRight", " ", "n", "5"), or SDLK_UNKNOWN.
SDLKey sdl_key_named(const char* name);

// The move of the key the browser names so.
StepKey step_key_named(const char* name);

#endif
