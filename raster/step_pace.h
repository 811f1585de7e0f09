// What the two step views share: the pace of step mode, one step per key press or one every
// so many milliseconds, the step counter and the status line that tells each step.
#ifndef RASTER_STEP_PACE_H
#define RASTER_STEP_PACE_H

#include <SDL_ttf.h>

#include <cstddef>

// Starts step mode: status lines are written in font (none without it), and steps follow
// one another at the pace delay_ms gives (see wait_for_step). The step counter starts at 0.
void start_steps(TTF_Font* font, int delay_ms);

// Takes the next step that the view has just drawn on the screen: counts it, writes its
// status line (see show_step_status), shows the screen and waits until the next step may
// come. Ends the run (RunEnd, status 0) when the user asks to.
void take_step(std::size_t depth, const char* found_name, long long found, const char* words);

// Writes the status line of the step last taken with other words, as the end of a run does.
void show_last_step_status(std::size_t depth, const char* found_name, long long found,
                           const char* words);

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
