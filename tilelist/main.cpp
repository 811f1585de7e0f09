// tilelist: every domino tiling of a board (6x4 by default) on the console, one line each,
// then the closed-form count beside the count found.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console/getch.h"
#include "console/listing.h"
#include "console/long_run.h"
#include "console/output.h"
#include "options/options.h"
#include "options/programs.h"
#include "run/progress.h"
#include "run/run_end.h"
#include "run/workers.h"
#include "tiling/tiling.h"
#include "tiling/tiling_count.h"
#include "tiling/tiling_trace.h"
#include "tree/tree_file.h"

constexpr int max_board_cells = tilelist_max_board_side * tilelist_max_board_side;

// With --count only the closing line is printed; with --trace the search instead of the
// tilings.
static bool count_only;
static bool tracing;

// The text " a-b" of every domino the board can hold, made once, and the place of each
// domino's text by its code: a copy of all its bytes costs less than converting the two
// numbers, and a look-up by code less than taking the code apart.
struct DominoText {
    char text[16];
    int length;
};
static DominoText domino_texts[max_board_cells * 2];
static std::uint16_t domino_text_of_code[max_board_cells * max_board_cells];

static void make_domino_texts()
{
    int made = 0;
    const auto make = [&made](int a, int b) {
        DominoText& t = domino_texts[made];
        t.length = std::snprintf(t.text, sizeof t.text, " %d-%d", a, b);
        domino_text_of_code[domino_code(a, b)] = static_cast<std::uint16_t>(made++);
    };
    for (int a = 0; a < cell_count; ++a) {
        if ((a + 1) % board_columns != 0) make(a, a + 1);
        if (a + board_columns < cell_count) make(a, a + board_columns);
    }
}

static char* put_domino(char* p, DominoCode domino)
{
    const DominoText& t = domino_texts[domino_text_of_code[domino]];
    std::memcpy(p, t.text, sizeof t.text);
    return p + t.length;
}

// The text of slots 2..domino_count as the last line showed them, slot k's ending at
// shown_text_end[k]. The next tiling shares the slots before the first that changed: only
// the text from there on is written anew.
static DominoCode shown_slots[max_board_cells / 2 + 2];
static int shown_text_end[max_board_cells / 2 + 2];
static char shown_text[max_board_cells / 2 * sizeof DominoText::text];

// One line of the listing, exactly as printf("%4lld:"), then printf(" %d-%d") for each
// domino in the order it was placed, then a line end would write it.
void show_tiling(DominoCode last)
{
    if (count_only || tracing) {
        return;
    }
    const int last_slot = domino_count;
    int k = 2;
    while (k <= last_slot && placed_dominoes[k] == shown_slots[k]) ++k;
    char* text_end = shown_text + shown_text_end[k - 1];
    for (; k <= last_slot; ++k) {
        shown_slots[k] = placed_dominoes[k];
        text_end = put_domino(text_end, placed_dominoes[k]);
        shown_text_end[k] = static_cast<int>(text_end - shown_text);
    }
    const int text_length = shown_text_end[last_slot];  // 0 for one domino: slot 1 is unused

    constexpr int number_width = 4;
    char* p =
        next_line(number_width + line_number_room + sizeof shown_text + sizeof DominoText::text);
    for (int pad = line_number_length(); pad < number_width; ++pad) {
        *p++ = ' ';
    }
    p = put_line_number(p);
    *p++ = ':';
    std::memcpy(p, shown_text, static_cast<size_t>(text_length));
    p = put_domino(p + text_length, last);
    *p++ = '\n';
    end_line(p);
    count_line_up();
}

// The search as a tree, with --trace as text (one line for each call with the domino it
// places, indented two spaces a level, and a line one level deeper where the lowest free
// cell takes no domino), with --tree as a picture of the same nodes.
static void watch_step(SearchStep step, DominoCode domino, int depth, int free_cell)
{
    TraceNode node;
    if (!tile_trace_node(step, domino, depth, free_cell, node)) return;
    if (tracing) print_trace_line(tilelist_program.name, node.level, node.line);
    if (recording_tree()) record_tree_node(node);
}

// What the progress line tells of the listing (or the trace); a count's comes from its
// threads' tallies (run/workers.h).
static ProgressSample listing_progress()
{
    ProgressSample now;
    now.found = static_cast<double>(tiling_count);
    now.calls = static_cast<double>(tile_search_calls);
    return now;
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, tilelist_program, settings);
    if (status != run_program) return status;
    set_board(settings.board_columns, settings.board_rows);
    prepare_tiling_count();
    count_only = settings.count_only;
    tracing = settings.trace;
    if (tracing || settings.tree_file != nullptr) tile_step_action = watch_step;
    make_domino_texts();
    const int jobs = settings.jobs > 0 ? settings.jobs : available_processors();
    const bool in_parts = settings.parts > 0;
    const SearchFacts facts = {tilelist_program.name, "tilings",     closed_form_tiling_count(),
                               "by the closed form",  probe_tilings, count_tilings_for,
                               "to count them"};

    try {
        if (settings.estimate) {
            print_estimate(facts, settings.probes, static_cast<std::uint64_t>(settings.seed), jobs);
        } else {
            if (settings.tree_file != nullptr) {
                start_tree_file(tilelist_program.name, settings.tree_file,
                                settings.hide_turned_down);
            }
            warn_if_longer_than_a_day(facts, count_only ? jobs : 1);
            // A count has a faster walk of the same tree, shared out between threads; the
            // tree's picture is the listing's search, watched.
            const bool counting = count_only && settings.tree_file == nullptr;
            const ProgressSource progress = {tilelist_program.name, "tilings",
                                             in_parts ? -1 : closed_form_tiling_count(),
                                             counting ? tallies_so_far : listing_progress};
            start_progress(settings.progress, stdout_is_terminal() && !count_only, progress);
            long long found;
            if (counting) {
                found = static_cast<long long>(count_tilings(jobs, in_parts ? settings.part : 1,
                                                             in_parts ? settings.parts : 1));
            } else {
                start_listing(tilelist_program.name);
                enumerate_tilings();
                flush_listing();
                found = tiling_count;
                if (!count_only) std::printf("\n");
            }
            end_progress();
            if (recording_tree()) finish_tree_file();

            if (in_parts) std::printf("part %d/%d: ", settings.part, settings.parts);
            std::printf("Number of tilings (theoretic and experimental)=  %3.0lf   %lld\n",
                        closed_form_tiling_count(), found);
        }
        finish_output(tilelist_program.name);

        if (!settings.no_wait) _getch();
    } catch (const RunEnd& end) {
        return end.status;
    }
    return 0;
}
