// permlist: the orderings of 0..N-1 (0..6 by default) in lexicographic order, numbered.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console/console_run.h"
#include "console/listing.h"
#include "programs/programs.h"
#include "perm/perm.h"
#include "perm/perm_estimate.h"
#include "permlist/ordering_line.h"

// Each ordering on a line of its own, as it is completed.
void report_ordering(std::int32_t last)
{
    if (listing_wanted()) write_ordering_line(last);
}

// The search as a tree, with --trace as text (one line for each call with the ordering so
// far, indented two spaces a level, and one for each number turned down, where its call
// would have stood), with --tree as a picture of the same nodes.
static void watch_step(SearchStep step, std::int32_t v, std::int32_t d)
{
    if (step == SearchStep::back_up || step == SearchStep::dead_end) return;
    TraceNode node;
    node.level = d;
    node.kind = step;
    const int number = step == SearchStep::found ? static_cast<int>(perm_count) : v;
    std::snprintf(node.label, sizeof node.label, "%d", number);
    if (step == SearchStep::turned_down) {
        std::snprintf(node.line, sizeof node.line, "%d  already placed", v);
    } else {
        int length = 0;
        for (int k = 1; k <= d; ++k) {
            length +=
                std::snprintf(node.line + length, sizeof node.line - length, "%d ", perm_prefix[k]);
        }
        length += std::snprintf(node.line + length, sizeof node.line - length, "%d", v);
        if (step == SearchStep::found) {
            std::snprintf(node.line + length, sizeof node.line - length, "  ordering %d", number);
        }
    }
    show_trace_node(node);
}

static void watch(bool watched) { perm_step_action = watched ? watch_step : nullptr; }

// The listing's search at the largest size up to the one asked whose tree has at most budget
// calls, its lines made and dropped: the rate of --estimate, without the writing.
static std::int64_t list_for(std::int64_t budget, bool& whole)
{
    const int asked = perm_size;
    int size = asked;
    while (size > 1 && perm_tree_calls(size) > budget) --size;
    set_perm_size(size);
    forget_shown_prefix();
    discard_listing();
    start_perm_search();
    set_perm_size(asked);
    forget_shown_prefix();
    perm_count = 0;
    whole = size == asked;
    return static_cast<std::int64_t>(perm_tree_calls(size));
}

static ProgressSample listing_progress()
{
    ProgressSample now;
    now.found = perm_count;
    now.calls = static_cast<double>(perm_search_calls);
    return now;
}

static void set_size(const Settings& settings)
{
    set_perm_size(settings.size);
    forget_shown_prefix();
}

static SearchFacts facts()
{
    static char source[16];
    std::snprintf(source, sizeof source, "= %d!", perm_size);
    return {
        .program = permlist_program.name,
        .found_name = "orderings",
        .exact = factorial(perm_size),
        .exact_source = source,
        .probe = probe_orderings,
        .timed_run = list_for,
        .run_words = "to list them",
    };
}

static long long list()
{
    start_perm_search();
    return perm_count;
}

// Nothing follows the last ordering.
static void print_summary(long long, const Settings&) {}

int main(int argc, char** argv)
{
    // No count of its own: permlist takes no --count.
    const ConsoleProgram program = {
        .info = permlist_program,
        .set_instance = set_size,
        .facts = facts,
        .watch = watch,
        .list = list,
        .listing_progress = listing_progress,
        .print_summary = print_summary,
    };
    return run_console_program(argc, argv, program);
}
