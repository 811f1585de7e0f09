// tilelist: every domino tiling of a board (6x4 by default) on the console, one line each,
// then the closed-form count beside the count found.
#include <cstdio>

#include "console/console_run.h"
#include "programs/programs.h"
#include "tiling/tiling.h"
#include "tiling/tiling_count.h"
#include "tiling/tiling_trace.h"
#include "tilelist/tiling_line.h"

// Each tiling on a line of its own, as it is found: its dominoes in the order the search
// placed them.
void show_tiling(DominoCode last)
{
    if (listing_wanted()) write_tiling_line(last);
}

static void set_tiling_board(const Settings& settings)
{
    set_board(settings.board_columns, settings.board_rows);
    prepare_tiling_count();
    make_domino_texts();
}

static SearchFacts facts()
{
    return {
        .program = tilelist_program.name,
        .found_name = "tilings",
        .exact = closed_form_tiling_count(),
        .exact_source = "by the closed form",
        .probe = probe_tilings,
        .timed_run = count_tilings_for,
        .run_words = "to count them",
    };
}

// The search as a tree, with --trace as text (one line for each call with the domino it
// places, indented two spaces a level, and a line one level deeper where the lowest free
// cell takes no domino), with --tree as a picture of the same nodes.
static void watch_step(SearchStep step, DominoCode domino, int depth, int free_cell)
{
    TraceNode node;
    if (tile_trace_node(step, domino, depth, free_cell, node)) show_trace_node(node);
}

static void watch(bool watched) { tile_step_action = watched ? watch_step : nullptr; }

static long long list()
{
    enumerate_tilings();
    return tiling_count;
}

static long long count(int jobs, int part, int parts)
{
    return static_cast<long long>(count_tilings(jobs, part, parts));
}

static ProgressSample listing_progress()
{
    ProgressSample now;
    now.found = static_cast<double>(tiling_count);
    now.calls = static_cast<double>(tile_search_calls);
    return now;
}

// A blank line after the listing, then the closed-form count beside the count found; a part's
// line starts with the part.
static void print_summary(long long found, const Settings& settings)
{
    if (!settings.count_only) std::printf("\n");
    if (settings.parts > 0) std::printf("part %d/%d: ", settings.part, settings.parts);
    std::printf("Number of tilings (theoretic and experimental)=  %3.0lf   %lld\n",
                closed_form_tiling_count(), found);
}

int main(int argc, char** argv)
{
    const ConsoleProgram program = {
        .info = tilelist_program,
        .set_instance = set_tiling_board,
        .facts = facts,
        .watch = watch,
        .list = list,
        .count = count,
        .listing_progress = listing_progress,
        .print_summary = print_summary,
    };
    return run_console_program(argc, argv, program);
}
