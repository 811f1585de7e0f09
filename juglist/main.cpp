// juglist: every solution of the three-jug puzzle on the console, then a depth summary.
#include <cstdint>
#include <cstdio>

#include "console/console_run.h"
#include "console/output.h"
#include "programs/programs.h"
#include "pour/pour.h"
#include "pour/pour_count.h"
#include "pour/pour_trace.h"
#include "juglist/solution_depths.h"

static void print_state(const char* format, JugState state)
{
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    std::printf(format, amount[0], amount[1], amount[2]);
}

void report_solution(JugState goal, int depth)
{
    const std::int32_t n = ++solution_count;
    record_depth(n, depth);
    if (!listing_wanted()) return;
    std::printf("\n%4.d: ", n);
    for (int k = 2; k <= depth; ++k) {
        print_state("(%d %d %d)", state_path[k]);
    }
    print_state(" (%d %d %d)\n", goal);
    end_if_output_failed(juglist_program.name);
}

static void set_puzzle(const Settings& settings) { set_jug_puzzle(settings.jugs, settings.goal); }

static SearchFacts facts()
{
    return {
        .program = juglist_program.name,
        .found_name = "solutions",
        .exact = -1,
        .exact_source = nullptr,
        .probe = probe_pour_search,
        .timed_run = count_pour_solutions_for,
        .run_words = "to count them",
    };
}

// The search as a tree, with --trace as text (one line for each call, indented two spaces
// a level, and one for each pour turned down, where its call would have stood), with --tree
// as a picture of the same nodes.
static void watch_step(SearchStep step, JugState state, int depth)
{
    TraceNode node;
    if (pour_trace_node(step, state, depth, node)) show_trace_node(node);
}

static void watch(bool watched) { pour_step_action = watched ? watch_step : nullptr; }

static long long list()
{
    start_pour_search();
    return solution_count;
}

// A count records the depths after it has counted, in the order the listing would have found
// them.
static std::int32_t depths_recorded;
static void record_counted_depth(std::int32_t depth) { record_depth(++depths_recorded, depth); }

static long long count(int jobs, int part, int parts)
{
    const long long found = count_pour_solutions(jobs, part, parts);
    each_counted_depth(record_counted_depth);
    return found;
}

static ProgressSample listing_progress()
{
    ProgressSample now;
    now.found = solution_count;
    now.calls = static_cast<double>(pour_search_calls);
    return now;
}

// The depth of each solution; a part's summary is a line of its own, so that the parts' lines
// can be summed.
static void print_summary(long long found, const Settings& settings)
{
    if (settings.parts > 0) {
        std::printf("part %d/%d: Time for each of the %lld solutions: ", settings.part,
                    settings.parts, found);
    } else {
        std::printf("\n\n Time for each of the %lld solutions: ", found);
    }
    for (long long k = 0; k < found; ++k) {
        std::printf("%d ", solution_depth(k));
    }
    if (settings.parts > 0) std::printf("\n");
}

int main(int argc, char** argv)
{
    const ConsoleProgram program = {
        .info = juglist_program,
        .set_instance = set_puzzle,
        .facts = facts,
        .watch = watch,
        .list = list,
        .count = count,
        .listing_progress = listing_progress,
        .print_summary = print_summary,
    };
    return run_console_program(argc, argv, program);
}
