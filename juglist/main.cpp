// juglist: every solution of the three-jug puzzle on the console, then a depth summary.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "console/getch.h"
#include "console/long_run.h"
#include "console/output.h"
#include "options/options.h"
#include "options/programs.h"
#include "pour/pour.h"
#include "pour/pour_count.h"
#include "pour/pour_trace.h"
#include "run/progress.h"
#include "run/run_end.h"
#include "run/workers.h"
#include "tree/tree_file.h"

// Entry n - 1 holds the depth of solution n; the table grows as solutions come. (A plain C
// array: the console programs load no C++ library, whose loading alone would cost more
// than a run of the puzzle.)
static std::int32_t* solution_depths;
static std::int32_t depths_room;

static void record_depth(std::int32_t n, int depth)
{
    if (n > depths_room) {
        const std::int32_t room = depths_room == 0 ? 64 : 2 * depths_room;
        void* grown = std::realloc(solution_depths, sizeof *solution_depths * room);
        if (grown == nullptr) {
            std::fprintf(stderr, "%s: out of memory for the depths of %d solutions\n",
                         juglist_program.name, n);
            throw RunEnd{1};
        }
        solution_depths = static_cast<std::int32_t*>(grown);
        depths_room = room;
    }
    solution_depths[n - 1] = depth;
}

// A count records the depths after it has counted, in the order the listing would have found
// them.
static std::int32_t depths_recorded;
static void record_counted_depth(std::int32_t depth) { record_depth(++depths_recorded, depth); }

// With --count only the summary is printed; with --trace the search instead of the solutions.
static bool count_only;
static bool tracing;

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
    if (count_only || tracing) {
        return;
    }
    std::printf("\n%4.d: ", n);
    for (int k = 2; k <= depth; ++k) {
        print_state("(%d %d %d)", state_path[k]);
    }
    print_state(" (%d %d %d)\n", goal);
    end_if_output_failed(juglist_program.name);
}

// The search as a tree, with --trace as text (one line for each call, indented two spaces
// a level, and one for each pour turned down, where its call would have stood), with --tree
// as a picture of the same nodes.
static void watch_step(SearchStep step, JugState state, int depth)
{
    TraceNode node;
    if (!pour_trace_node(step, state, depth, node)) return;
    if (tracing) print_trace_line(juglist_program.name, node.level, node.line);
    if (recording_tree()) record_tree_node(node);
}

// What the progress line tells of the listing (or the trace); a count's comes from its
// threads' tallies (run/workers.h).
static ProgressSample listing_progress()
{
    ProgressSample now;
    now.found = solution_count;
    now.calls = static_cast<double>(pour_search_calls);
    return now;
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, juglist_program, settings);
    if (status != run_program) return status;
    set_jug_puzzle(settings.jugs, settings.goal);
    count_only = settings.count_only;
    tracing = settings.trace;
    if (tracing || settings.tree_file != nullptr) pour_step_action = watch_step;
    const int jobs = settings.jobs > 0 ? settings.jobs : available_processors();
    const bool in_parts = settings.parts > 0;
    const SearchFacts facts = {
        juglist_program.name,     "solutions",    -1, nullptr, probe_pour_search,
        count_pour_solutions_for, "to count them"};

    try {
        if (settings.estimate) {
            print_estimate(facts, settings.probes, static_cast<std::uint64_t>(settings.seed), jobs);
        } else {
            if (settings.tree_file != nullptr) {
                start_tree_file(juglist_program.name, settings.tree_file,
                                settings.hide_turned_down);
            }
            warn_if_longer_than_a_day(facts, count_only ? jobs : 1);
            // A count walks the same tree on threads of its own, and hands the depths over
            // at its end; the tree's picture is the listing's search, watched.
            const bool counting = count_only && settings.tree_file == nullptr;
            const ProgressSource progress = {juglist_program.name, "solutions", -1,
                                             counting ? tallies_so_far : listing_progress};
            start_progress(settings.progress, stdout_is_terminal() && !count_only, progress);
            std::int32_t found;
            if (counting) {
                found = static_cast<std::int32_t>(count_pour_solutions(
                    jobs, in_parts ? settings.part : 1, in_parts ? settings.parts : 1));
                each_counted_depth(record_counted_depth);
            } else {
                start_pour_search();
                found = solution_count;
            }
            end_progress();
            if (recording_tree()) finish_tree_file();

            // A part's summary is a line of its own, so that the parts' lines can be summed.
            if (in_parts) {
                std::printf("part %d/%d: Time for each of the %d solutions: ", settings.part,
                            settings.parts, found);
            } else {
                std::printf("\n\n Time for each of the %d solutions: ", found);
            }
            for (std::int32_t k = 0; k < found; ++k) {
                std::printf("%d ", solution_depths[k]);
            }
            if (in_parts) std::printf("\n");
        }
        finish_output(juglist_program.name);

        if (!settings.no_wait) _getch();
    } catch (const RunEnd& end) {
        return end.status;
    }
    return 0;
}
