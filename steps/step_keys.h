// The keys of step mode: one table that says which move each key makes, for the window's keys
// (SDL's) and for the web page's (named as the browser names them).
#ifndef STEPS_STEP_KEYS_H
#define STEPS_STEP_KEYS_H

#include <SDL.h>

#include "steps/step_navigation.h"

// A key's move, and for a digit key (a pace) its digit, or for a move to a step that step.
struct StepKey {
    StepMove move;
    int number;
};

// The move of a key of the window: the right arrow, Page Down and the space bar go forward
// (the space bar pauses and resumes with a pace), the left arrow, Page Up and Backspace back,
// Home to the oldest step kept, End to the newest, n and p to the next and the previous
// configuration found, t between the picture and the tree, s to the call stack and back, ?
// predict mode on and off, 0 to 9 choose the pace, Pause pauses and resumes the steps that
// play at a pace, Escape and q end the run; a modifier or lock key alone (Shift, Ctrl, Alt,
// Meta, Caps Lock, ...) is StepMove::none, and any other key StepMove::other. typed is the
// character the key typed (SDL's unicode field), 0 where unknown.
StepKey step_key_of(SDLKey key, Uint16 typed = 0);

// The window's key that the browser names so ("ArrowRight", " ", "n", "5"), or SDLK_UNKNOWN.
SDLKey sdl_key_named(const char* name);

// The move of the key the browser names so.
StepKey step_key_named(const char* name);

// The keys of the table as the browser names them, each with its move, for the web page
// (web/key_sheet.cpp): named_step_key(k) for k from 0 to named_step_keys() - 1. The digit
// keys, the paces, are not among them.
struct NamedStepKey {
    const char* name;
    StepMove move;
};
int named_step_keys();
NamedStepKey named_step_key(int k);

// The move's name for the page, in words joined by hyphens ("next-found").
const char* step_move_name(StepMove move);

#endif
