// What a program and the page say to each other while the program waits for the user.
#ifndef WEB_PAGE_LINK_H
#define WEB_PAGE_LINK_H

enum class PageAnswer { none, next, stop };

// The exit status of a run that the page's Stop button ended: that of a program ended by
// SIGTERM on the desktop. The wait that sees Stop ends the run with it (RunEnd).
constexpr int stopped_status = 143;

// Tells the page that the program now waits for a key (the page counts the waits).
void tell_page_waiting();

// Takes the page's answer to the wait, if it has one: its Next button, or Stop.
PageAnswer take_page_answer();

// Whether the page's Stop button was pressed; unlike take_page_answer it takes no Next.
bool stop_requested();

// Takes the next key that the page's step buttons pressed, if any: its name, as the browser
// names keys ("ArrowLeft", "Home", "n", "5"), into name.
bool take_page_key(char* name, int size);

// Takes the step that the page asks to go to (its address names it), if any: its place in
// the record, from 0, into step.
bool take_page_step(int& step);

// Sends the page's panels what a step shown left for later (steps/step_beside.h): the
// picture of the tree, which waits while steps come faster than the page could draw it, and
// comes at once when the program waits for a key. Returns how many milliseconds until what
// still waits is due, or -1 when nothing waits.
double show_what_is_due_beside(bool waiting_for_a_key);

// The largest scale page_scale() gives: raster/raster.h's max_draw_scale, which web/window.cpp
// holds it to (this library does not link the raster kit).
constexpr int page_largest_scale = 4;

// The scale the page asks the pictures to be drawn at, from 1 to page_largest_scale: in
// Present, the smallest whose picture has at least as many pixels as the canvas is shown on;
// 1 otherwise, and when the page says nothing.
int page_scale();

// Forgets what the page's panels were sent, for a new run in the same program.
void start_step_beside();

// Ends the run that the page's Stop button stopped (RunEnd, stopped_status).
[[noreturn]] void end_stopped_run();

// How long a waiting program lets the browser run before it looks again, in ms.
constexpr int answer_poll_ms = 10;

#endif
