// The pace of step mode, one step per key press or one every so many milliseconds, and the
// status line that tells each step.
#ifndef RASTER_STEP_PACE_H
#define RASTER_STEP_PACE_H

#include <SDL_ttf.h>

#include <cstddef>

// Thrown by a program's step display when the user ends a run in step mode; the program's
// entry catches it, so that the search unwinds and the run ends normally.
struct StepModeQuit {};

// Waits until the next step may be shown. With delay_ms < 0, a press of the space bar or
// the right arrow takes a step. With delay_ms >= 0 a step comes by itself every delay_ms
// milliseconds; the space bar pauses and resumes, and the right arrow takes one step at
// once. Other keys do nothing. Returns false when the user asks to end the run: Escape,
// q, or the window's close request. When pages go to files, writes the step's page instead
// and goes on at once.
bool wait_for_step(int delay_ms);

// Where the status line stands: below the lowest row of diagrams or pictures on any page.
constexpr SDL_Rect step_status_place = {20, 560, 0, 0};

// Writes the status line of a step in font (nothing without one): its number, the depth the
// search stands at, how many configurations it has found ("solutions 3"), and what the step
// did, in words.
void show_step_status(TTF_Font* font, long long step, std::size_t depth, const char* found_name,
                      long long found, const char* words);

#endif
