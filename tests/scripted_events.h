// Ends each wait of a window program with events pushed into SDL's real queue, and keeps a
// copy of the screen as it stood at every wait. Test binaries link with
// -Wl,--wrap=SDL_WaitEvent so that the program's own wait comes through here.
#ifndef TESTS_SCRIPTED_EVENTS_H
#define TESTS_SCRIPTED_EVENTS_H

#include <SDL.h>

#include <string>
#include <vector>

#include <set>

// A key (the space bar), the window's close request, one of the keys that step mode reads, or
// a modifier alone.
enum class WaitAnswer {
    key,
    close_request,
    escape,
    left,
    right,
    backspace,
    home,
    end,
    n,
    p,
    t,
    zero,
    nine,
    shift,     // the left Shift key alone
    s,         // the key s
    question,  // ?, typed as Shift and / are
};

struct ScriptedEvents {
    // How each wait is ended, in order; waits past the end of the list get a key (the
    // space bar).
    std::vector<WaitAnswer> answers;
    // The screen's pixels (row by row, 800 words a row) at each wait, in order; only at the
    // waits numbered (from 0) in kept_waits when that is not empty.
    std::vector<std::vector<Uint32>> pages;
    std::set<size_t> kept_waits;
    size_t waits = 0;  // all of them
};

extern ScriptedEvents script;

// Empties the script and its recordings.
void reset_script();

// Calls a program's renamed entry with the arguments and folder as the working directory,
// as a user who starts the program there, and returns its result.
int run_entry_in(const char* folder, int (*entry)(int, char**),
                 const std::vector<std::string>& args = {});

// Copies the current screen's pixels.
std::vector<Uint32> copy_screen();

#endif
