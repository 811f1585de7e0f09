// What the console programs tell of a run before making it: an estimate of its size and of
// the time it would take (--estimate), and a warning when it would take more than a day.
#include "console/long_run.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "run/figures.h"
#include "run/workers.h"

namespace {

// The seconds the run would take at rate calls a second on each of jobs threads, each on a
// processor of its own where there are enough.
double run_seconds(double calls, double rate, int jobs)
{
    const int threads = std::min(jobs, available_processors());
    return calls > 0 && rate > 0 ? calls / (rate * threads) : 0;
}

}  // namespace

void print_estimate(const SearchFacts& facts, std::int64_t probes, std::uint64_t seed, int jobs)
{
    const TreeEstimate estimate = estimate_tree(facts.probe, probes, seed, jobs);
    const double rate = estimate.calls > 0 ? measure_rate(facts.timed_run) : 0;
    char count[figure_room], calls[figure_room], found[figure_room], time[figure_room],
        speed[figure_room];
    write_amount(count, sizeof count, static_cast<double>(probes));
    write_rounded(calls, sizeof calls, estimate.calls);
    write_rounded(found, sizeof found, estimate.configurations);
    write_duration(time, sizeof time, run_seconds(estimate.calls, rate, jobs));
    write_rounded(speed, sizeof speed, rate);
    std::printf("Estimated from %s random probes (seed %llu):\n", count,
                static_cast<unsigned long long>(seed));
    std::printf("  calls:     %s\n", calls);
    char label[figure_room];
    std::snprintf(label, sizeof label, "%s:", facts.found_name);
    std::printf("  %-10s %s", label, found);
    if (facts.exact >= 0) {
        // A double holds every whole number up to 2^53 exactly.
        constexpr double exact_below = 9007199254740992.0;
        char exact[figure_room];
        write_amount(exact, sizeof exact, facts.exact);
        std::printf(" (%s%s %s)", facts.exact < exact_below ? "exactly " : "", exact,
                    facts.exact_source);
    }
    std::printf("\n  time:      about %s %s on %d thread%s\n", time, facts.run_words, jobs,
                jobs == 1 ? "" : "s");
    std::printf("  rate:      %s calls a second on each thread of this machine\n", speed);
}

void warn_if_longer_than_a_day(const SearchFacts& facts, int jobs)
{
    constexpr std::int64_t quick_probes = 1000;
    constexpr double day = 24 * 60 * 60;
    // Faster than any machine searches: below a day at this rate, no run needs timing.
    constexpr double fastest_rate = 1e10;
    if (isatty(STDERR_FILENO) == 0) return;
    const TreeEstimate estimate = estimate_tree(facts.probe, quick_probes, default_seed, 1);
    if (run_seconds(estimate.calls, fastest_rate, jobs) <= day) return;
    const double seconds = run_seconds(estimate.calls, measure_rate(facts.timed_run), jobs);
    if (seconds <= day) return;
    const double found = facts.exact >= 0 ? facts.exact : estimate.configurations;
    char amount[figure_room], time[figure_room];
    write_amount(amount, sizeof amount, found > 0 ? found : estimate.calls);
    write_duration(time, sizeof time, seconds);
    std::fprintf(stderr, "%s: about %s %s; at this machine's rate that is about %s\n",
                 facts.program, amount, found > 0 ? facts.found_name : "calls", time);
}
