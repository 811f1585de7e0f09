// The pace of step mode: one step per key press, or one every so many milliseconds.
#ifndef RASTER_STEP_PACE_H
#define RASTER_STEP_PACE_H

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

#endif
