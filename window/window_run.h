// What every window program's run shares: the screen, the colours and fonts, page mode or
// step mode, the search, and the end of the run. A program gives its own parts.
#ifndef WINDOW_WINDOW_RUN_H
#define WINDOW_WINDOW_RUN_H

#include <SDL.h>
#include <SDL_ttf.h>

#include "options/options.h"
#include "steps/step_player.h"

struct WindowProgram {
    const ProgramInfo& info;
    const char* found_name;  // what the search finds, in the plural ("tilings")
    // Sets the instance that the options give (the puzzle, the board).
    void (*set_instance)(const Settings& settings);
    // Maps the program's colours for the screen.
    void (*map_colours)(const SDL_PixelFormat* format);
    // Page mode: what the first page shows before the search, and the last page after it.
    void (*start_pages)(TTF_Font* font);
    void (*finish_pages)(TTF_Font* font);
    // Step mode: the view, and the step action that shows each step of the search.
    const StepView& step_view;
    void (*watch)(bool watched);
    // The whole search, and the configurations found so far and at the end (negative when
    // not known), for the progress line of --save.
    void (*search)();
    double (*found)();
    double (*total)();
};

// Runs the program with the command line: returns the exit status.
int run_window_program(int argc, char** argv, const WindowProgram& program);

#endif
