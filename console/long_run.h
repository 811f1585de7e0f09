// What the console programs tell of a run before making it: an estimate of its size and of
// the time it would take (--estimate), and a warning when it would take more than a day.
#ifndef CONSOLE_LONG_RUN_H
#define CONSOLE_LONG_RUN_H

#include <cstdint>

#include "run/estimate.h"

// A program's search as the estimates see it.
struct SearchFacts {
    const char* program;
    const char* found_name;    // what the search finds, in the plural ("tilings")
    double exact;              // how many there are, where that is known; negative otherwise
    const char* exact_source;  // how it is known ("by the closed form")
    Probe probe;
    // The run whose speed the time is reckoned at (run/estimate.h's measure_rate), and what
    // it does ("count them").
    std::int64_t (*timed_run)(std::int64_t budget, bool& whole);
    const char* run_words;
};

// The seed of the estimates when none is given, so that a lesson can repeat the numbers.
constexpr std::uint64_t default_seed = 1;

// Prints the estimate from probes probes with the seed, made on jobs threads: the calls, the
// configurations (beside the exact number where it is known), and the time the run would
// take with jobs threads at the rate this machine reaches.
void print_estimate(const SearchFacts& facts, std::int64_t probes, std::uint64_t seed, int jobs);

// Before a run of jobs threads: where standard error is a terminal and the run would last more
// than a day at this machine's rate, one line there that says so. The run then goes on as
// asked; a person may mean it, and Ctrl-C ends it.
void warn_if_longer_than_a_day(const SearchFacts& facts, int jobs);

#endif
