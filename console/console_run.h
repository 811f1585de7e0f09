// What every console program's run shares: the estimate, the tree's file, the warning before
// a long run, the progress line, the count or the listing, the summary and the wait for a
// key, in that order. A program gives its own parts.
#ifndef CONSOLE_CONSOLE_RUN_H
#define CONSOLE_CONSOLE_RUN_H

#include "console/long_run.h"
#include "options/options.h"
#include "run/progress.h"
#include "tree/trace_node.h"

struct ConsoleProgram {
    const ProgramInfo& info;
    // Sets the instance that the options give (the puzzle, the board, the size).
    void (*set_instance)(const Settings& settings);
    // The search as the estimates see it, for the instance set.
    SearchFacts (*facts)();
    // Sets the search's step action, or takes it away: a watched search hands its steps to
    // show_trace_node.
    void (*watch)(bool watched);
    // The listing's search; returns the configurations found.
    long long (*list)();
    // A count on jobs threads of part `part` of `parts` (all of it when parts is 1); returns the
    // configurations counted. nullptr when the program has no count of its own.
    long long (*count)(int jobs, int part, int parts) = nullptr;
    // What the progress line tells of the listing.
    ProgressSample (*listing_progress)();
    // The closing lines, after the listing or the count.
    void (*print_summary)(long long found, const Settings& settings);
};

// Runs the program with the command line: returns the exit status.
int run_console_program(int argc, char** argv, const ConsoleProgram& program);

// Whether the run lists its configurations: neither --count nor --trace asks for less.
extern bool listing_on;
inline bool listing_wanted() { return listing_on; }

// A step of the watched search that reached a node: its --trace line printed, with --trace,
// and the node recorded for the picture, with --tree.
void show_trace_node(const TraceNode& node);

#endif
