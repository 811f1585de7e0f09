// The progress line of a long run: how far it has come, on standard error, while it runs.
#ifndef RUN_PROGRESS_H
#define RUN_PROGRESS_H

// Whether a run keeps a progress line: as the command line asks (--progress, --no-progress),
// or as suits where its output goes.
enum class ProgressChoice { automatic, shown, hidden };

// What the line tells at a moment, read from the run's counters (run/counter.h) by the thread
// that draws the line.
struct ProgressSample {
    double found = 0;   // configurations found so far
    double calls = -1;  // the search's calls so far; negative: not told
    double pages = -1;  // pages written so far; negative: not told
};

struct ProgressSource {
    const char* program;     // names the lines written for a log
    const char* found_name;  // what is found, in the plural ("tilings")
    double total;            // how many there will be at the end; negative when not known
    ProgressSample (*sample)();
};

// Starts the progress line where it is wanted: with ProgressChoice::shown, and when left to the
// program, where standard error is a terminal and the run writes nothing there while it runs
// (output_on_terminal false: its output goes to a file or a pipe, or comes only at its end, as
// a count's does). Once the run has lasted a second, a terminal has the line rewritten in place
// five times a second; anything else (a log) gets a line of its own every second.
void start_progress(ProgressChoice choice, bool output_on_terminal, const ProgressSource& source);

// Stops the line and erases it from the terminal, so that only the results remain there.
// Nothing when there is no line; run at exit too.
void end_progress();

#endif
