// Moving between the steps kept: which page a move of the user shows, and when the search
// takes its next step. The pages themselves are drawn by whoever shows the steps (a window,
// the web page); this part only decides. It is the one navigation of step mode, for the
// built-in programs and for a search written in the web page alike.
#ifndef STEPS_STEP_NAVIGATION_H
#define STEPS_STEP_NAVIGATION_H

#include <cstddef>

// What the user can ask of step mode, whatever key or button asks it.
enum class StepMove {
    none,            // nothing: an event that is no key, or a modifier key alone
    forward,         // a step forward; from the newest, the search takes its next step
    play,            // the space bar: a step forward, or with a pace, pause and resume
    play_pause,      // the web page's Play / Pause: with a pace, pause and resume; no end
    back,            // a step back
    first,           // the oldest step kept
    newest,          // the newest step, or the last page once the search is over
    next_found,      // forward to the next configuration found, running the search for it
    previous_found,  // back to the configuration found before
    switch_view,     // between the view's picture and the search tree
    switch_stack,    // to the call stack, and back to the view shown before it
    predict,         // predict mode on or off: a move forward first asks what comes next
    tick,            // a step forward that comes by itself, at the pace chosen
    pace,            // a digit key: a pace of its own, or a step per key
    go_to,           // a step named by its place in the record (the web page's address)
    quit,            // end the run at once
    redraw,          // the page shown drawn again: the window changed its size
    other,           // any other key
};

// How the pages are shown: the page of a step kept, the page after the last step (the end
// page), with told_over when a move forward asked for a step past it, and in predict mode the
// question that stands before the step after the one shown: what happens next?
struct StepPages {
    void (*show_step)(std::size_t step);
    void (*show_end)(bool told_over);
    void (*show_question)(std::size_t step);
};

// What the pages show of a step: the view's picture, the search tree, or the call stack.
enum class StepShown { picture, tree, stack };

// What follows a move.
enum class StepAfter {
    stay,       // wait for the next move
    search_on,  // the search takes its next step
    run_over,   // the run ends
};

// Starts with nothing shown. The steps follow one another at the pace delay_ms gives (a step
// every delay_ms milliseconds; no_pace, steps/step_paces.h, for a step per key); the pages
// show first what first says.
void start_navigation(const StepPages& pages, int delay_ms, StepShown first);

// The record (steps/step_record.h) has a new step, the newest: shows it and returns true;
// or, while the search runs on unseen for the next configuration, returns false until it
// finds one.
bool show_new_step();

// The search is over: shows the end page.
void show_search_over();

// The record holds a whole search, recorded before it is shown (a search written in the web
// page): shows its first step, the search over.
void show_recorded_steps();

// Carries the move out: shows the page it leads to and says what follows. number is the
// digit key of a pace move, or the step of a go_to move (its place in the record, from 0): a
// step kept is shown at once; one the search has not taken yet is sought as n seeks a
// configuration, the search running on unseen until it takes that step; one past the end of
// a search that is over, or one the search never reaches, gives the last step.
StepAfter make_move(StepMove move, int number = 0);

// How long until a forward move comes by itself (a tick): the pace's delay while the steps
// play, or -1 when the next move waits for the user. Steps that come by themselves never ask
// the question of predict mode.
int play_delay_ms();

// The page shown: a step of the record, or the record's end for the end page.
std::size_t shown_page();
// Whether the search is over, and what the pages show of a step.
bool search_over();
StepShown step_shown();

#endif
