// permlist: the orderings of 0..N-1 (0..6 by default) in lexicographic order, numbered.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console/getch.h"
#include "console/listing.h"
#include "console/long_run.h"
#include "console/output.h"
#include "options/options.h"
#include "options/programs.h"
#include "perm/perm.h"
#include "perm/perm_estimate.h"
#include "run/progress.h"
#include "run/run_end.h"
#include "tree/tree_file.h"

// With --trace the search instead of the orderings.
static bool tracing;

// The text of positions 1..leaf_level of perm_prefix as the last line showed them, each
// number followed by a blank, position k's ending at shown_end[k]. The next ordering shares
// the positions before the first that changed: only the text from there on is written anew.
static std::int32_t shown_prefix[max_perm_size + 2];
static int shown_end[max_perm_size + 2];
static char shown_text[max_perm_size * 3];

static void forget_shown_prefix()
{
    for (std::int32_t& number : shown_prefix) number = -1;
}

// One line of the listing, exactly as printf("%d : "), printf("%d ") for each number of the
// ordering, and printf("%d \n") for the last would write it.
void report_ordering(std::int32_t last)
{
    if (tracing) return;
    int k = 1;
    while (k <= leaf_level && perm_prefix[k] == shown_prefix[k]) ++k;
    char* text_end = shown_text + shown_end[k - 1];
    for (; k <= leaf_level; ++k) {
        shown_prefix[k] = perm_prefix[k];
        text_end = put_number(text_end, perm_prefix[k]);
        *text_end++ = ' ';
        shown_end[k] = static_cast<int>(text_end - shown_text);
    }
    char* p = put_line_number(next_line(line_number_room + sizeof shown_text + 8));
    std::memcpy(p, " : ", 3);
    p += 3;
    const int text_length = shown_end[leaf_level];
    std::memcpy(p, shown_text, static_cast<size_t>(text_length));
    p = put_number(p + text_length, last);
    *p++ = ' ';
    *p++ = '\n';
    end_line(p);
    count_line_up();
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
    if (tracing) print_trace_line(permlist_program.name, node.level, node.line);
    if (recording_tree()) record_tree_node(node);
}

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

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, permlist_program, settings);
    if (status != run_program) return status;
    set_perm_size(settings.size);
    forget_shown_prefix();
    tracing = settings.trace;
    if (tracing || settings.tree_file != nullptr) perm_step_action = watch_step;

    try {
        if (settings.estimate) {
            char source[16];
            std::snprintf(source, sizeof source, "= %d!", perm_size);
            const SearchFacts facts = {
                permlist_program.name, "orderings", factorial(perm_size), source,
                probe_orderings,       list_for,    "to list them"};
            print_estimate(facts, settings.probes, static_cast<std::uint64_t>(settings.seed), 1);
        } else {
            const ProgressSource progress = {permlist_program.name, "orderings",
                                             factorial(perm_size), listing_progress};
            if (settings.tree_file != nullptr) {
                start_tree_file(permlist_program.name, settings.tree_file,
                                settings.hide_turned_down);
            }
            start_progress(settings.progress, stdout_is_terminal(), progress);
            start_listing(permlist_program.name);
            start_perm_search();
            flush_listing();
            end_progress();
            if (recording_tree()) finish_tree_file();
        }
        finish_output(permlist_program.name);
        if (!settings.no_wait) _getch();
    } catch (const RunEnd& end) {
        return end.status;
    }
    return 0;
}
