// The table of options: each option once, with its reader, its texts and its range.
#include "options/options.h"

#include <cstdio>
#include <cstring>

#include "run/workers.h"

namespace {

constexpr int max_step_delay = 10000;  // milliseconds
constexpr int max_probes = 10000000;
constexpr int max_seed = 999999999;
constexpr int max_parts = 1000000;

// Reads a whole number from lo to hi at p and moves p past it. Only digits are taken: no
// sign, no blanks.
bool read_whole(const char*& p, int lo, int hi, int& out)
{
    constexpr int max_digits = 9;  // past every limit, and below int's range
    int value = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (++digits > max_digits) return false;
        value = value * 10 + (*p - '0');
    }
    if (digits == 0 || value < lo || value > hi) return false;
    out = value;
    return true;
}

// Three values A,B,C, each a whole number from lo to hi or, where a star is taken, a '*' for
// goal_any_amount.
bool read_triple(const char* text, int lo, int hi, bool star_taken, int values[3])
{
    int parsed[3];
    const char* p = text;
    for (int k = 0; k < 3; ++k) {
        if (k > 0 && *p++ != ',') return false;
        if (star_taken && *p == '*') {
            parsed[k] = goal_any_amount;
            ++p;
        } else if (!read_whole(p, lo, hi, parsed[k])) {
            return false;
        }
    }
    if (*p != '\0') return false;
    std::memcpy(values, parsed, sizeof parsed);
    return true;
}

// A whole number in the option's range, and nothing after it.
bool read_one_whole(const char* text, const OptionSpec& option, const ProgramInfo& program,
                    int& value)
{
    const char* p = text;
    int n;
    if (!read_whole(p, option.min, range_max(option, program), n) || *p != '\0') return false;
    value = n;
    return true;
}

bool read_jugs(const char* text, const OptionSpec& option, const ProgramInfo& program, Settings& s)
{
    return read_triple(text, option.min, range_max(option, program), false, s.jugs);
}

// Amounts are held to the capacities once every option is read, so that --goal may come
// before --jugs.
bool read_goal(const char* text, const OptionSpec& option, const ProgramInfo& program, Settings& s)
{
    return read_triple(text, option.min, range_max(option, program), true, s.goal);
}

// The board's range is the program's.
bool read_board(const char* text, const OptionSpec&, const ProgramInfo& program, Settings& s)
{
    int columns, rows;
    const char* p = text;
    if (!read_whole(p, 1, program.max_board_columns, columns) || *p++ != 'x' ||
        !read_whole(p, 1, program.max_board_rows, rows) || *p != '\0') {
        return false;
    }
    s.board_columns = columns;
    s.board_rows = rows;
    return true;
}

bool read_size(const char* text, const OptionSpec& option, const ProgramInfo& program, Settings& s)
{
    return read_one_whole(text, option, program, s.size);
}

bool read_delay(const char* text, const OptionSpec& option, const ProgramInfo& program, Settings& s)
{
    return read_one_whole(text, option, program, s.delay_ms);
}

bool read_scale(const char* text, const OptionSpec& option, const ProgramInfo& program, Settings& s)
{
    return read_one_whole(text, option, program, s.scale);
}

bool read_probes(const char* text, const OptionSpec& option, const ProgramInfo& program,
                 Settings& s)
{
    return read_one_whole(text, option, program, s.probes);
}

bool read_seed(const char* text, const OptionSpec& option, const ProgramInfo& program, Settings& s)
{
    return read_one_whole(text, option, program, s.seed);
}

bool read_jobs(const char* text, const OptionSpec& option, const ProgramInfo& program, Settings& s)
{
    return read_one_whole(text, option, program, s.jobs);
}

bool read_part(const char* text, const OptionSpec& option, const ProgramInfo& program, Settings& s)
{
    int part, parts;
    const char* p = text;
    if (!read_whole(p, option.min, range_max(option, program), part) || *p++ != '/' ||
        !read_whole(p, option.min, range_max(option, program), parts) || *p != '\0' ||
        part > parts) {
        return false;
    }
    s.part = part;
    s.parts = parts;
    return true;
}

bool read_view(const char* text, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    if (std::strcmp(text, "picture") == 0) {
        s.step_view = StepViewChoice::picture;
    } else if (std::strcmp(text, "tree") == 0) {
        s.step_view = StepViewChoice::tree;
    } else if (std::strcmp(text, "stack") == 0) {
        s.step_view = StepViewChoice::stack;
    } else {
        return false;
    }
    return true;
}

bool read_save(const char* text, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    if (*text == '\0') return false;
    s.save_folder = text;
    return true;
}

bool read_tree(const char* text, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    if (*text == '\0') return false;
    s.tree_file = text;
    return true;
}

// The one kind of node a tree can leave out.
bool read_hide(const char* text, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    if (std::strcmp(text, "turned-down") != 0) return false;
    s.hide_turned_down = true;
    return true;
}

bool set_count(const char*, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    s.count_only = true;
    return true;
}
bool set_trace(const char*, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    s.trace = true;
    return true;
}
bool set_no_wait(const char*, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    s.no_wait = true;
    return true;
}
bool set_progress(const char*, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    s.progress = ProgressChoice::shown;
    return true;
}
bool set_no_progress(const char*, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    s.progress = ProgressChoice::hidden;
    return true;
}
bool set_estimate(const char*, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    s.estimate = true;
    return true;
}
bool set_steps(const char*, const OptionSpec&, const ProgramInfo&, Settings& s)
{
    s.steps = true;
    return true;
}
// --help and --version are answered once every option is read.
bool answered_later(const char*, const OptionSpec&, const ProgramInfo&, Settings&) { return true; }

}  // namespace

constexpr OptionSpec option_table[option_table_size] = {
    {
        .name = "jugs",
        .bit = option_jugs,
        .value = "A,B,C",
        .label = "Jugs A,B,C",
        .fallback = "10,5,3",
        .min = 1,
        .program_max = &ProgramInfo::max_jug_amount,
        .form = "three whole numbers A,B,C from {min} to {max}, such as 8,5,3",
        .help = "capacities of the three jugs, whole numbers from {min} to {max}; the first starts "
                "full, the others empty",
        .read = read_jugs,
    },
    {
        .name = "goal",
        .bit = option_goal,
        .value = "X,Y,Z",
        .label = "Goal X,Y,Z",
        .fallback = "*,*,2",
        .min = 0,
        .program_max = &ProgramInfo::max_jug_amount,
        .form = "three amounts X,Y,Z, each a whole number or * for any amount, such as '4,4,*'",
        .help = "the amount each jug must hold, or * for any amount (quote the * in a shell); at "
                "most the jug's capacity",
        .read = read_goal,
    },
    {
        .name = "board",
        .bit = option_board,
        .value = "WxH",
        .label = "Board WxH",
        .fallback = "6x4",
        .form = "WxH with W from 1 to {columns} and H from 1 to {rows}, such as 4x4",
        .help = "W columns by H rows, W from 1 to {columns} and H from 1 to {rows}{why-board}",
        .read = read_board,
    },
    {
        .name = "size",
        .bit = option_size,
        .value = "N",
        .label = "Size N",
        .fallback = "7",
        .min = 1,
        .program_max = &ProgramInfo::max_size,
        .form = "a whole number N from {min} to {max}",
        .help = "list the orderings of 0..N-1, N from {min} to {max}",
        .read = read_size,
    },
    {
        .name = "count",
        .bit = option_count,
        .label = "Count only",
        .form = "no value",
        .help = "print only what follows the listing: the summary with the count",
        .read = set_count,
    },
    {
        .name = "trace",
        .bit = option_trace,
        .label = "Trace",
        .form = "no value",
        .help = "instead of the listing, print every step of the search as an indented tree: each "
                "call, each candidate turned down",
        .read = set_trace,
    },
    {
        .name = "no-wait",
        .bit = option_no_wait,
        .label = "No wait",
        .form = "no value",
        .help = "end right after the output instead of waiting for a key",
        .read = set_no_wait,
    },
    {
        .name = "tree",
        .bit = option_tree,
        .value = "FILE",
        .names = "a file",
        .label = "Tree to SVG file",
        .form = "the name of a file, such as tree.svg",
        .help = "draw the whole search tree as an SVG picture into FILE, besides the usual output: "
                "a node for each line of the trace, the solutions filled, the candidates turned "
                "down crossed (at most 100000 nodes)",
        .read = read_tree,
    },
    {
        .name = "hide",
        .bit = option_tree,
        .value = "KIND",
        .label = "Hide in the tree",
        .form = "turned-down",
        .help = "with --tree, leave the nodes of KIND out of the picture; KIND is turned-down, the "
                "candidates turned down: each call then shows how many it turned down as a small "
                "number beside it",
        .read = read_hide,
    },
    {
        .name = "progress",
        .bit = option_progress,
        .label = "Progress",
        .form = "no value",
        .help = "keep a line on standard error that tells how far the run has come: the "
                "configurations found, the search's calls and their rate, the time taken and, "
                "where the total is known, the share done and the time left; also where "
                "standard error is not a terminal, then as a line a second for a log. Without "
                "it the line is kept where standard error is a terminal and the output (the "
                "listing, or the pages of --save) goes elsewhere",
        .read = set_progress,
    },
    {
        .name = "no-progress",
        .bit = option_progress,
        .label = "No progress",
        .form = "no value",
        .help = "never show the progress line",
        .read = set_no_progress,
    },
    {
        .name = "estimate",
        .bit = option_estimate,
        .label = "Estimate",
        .form = "no value",
        .help = "instead of searching, estimate the size of the search from random probes: its "
                "calls and configurations, and the time it would take on this machine",
        .read = set_estimate,
    },
    {
        .name = "probes",
        .bit = option_estimate,
        .value = "N",
        .label = "Probes N",
        .fallback = "10000",
        .min = 1,
        .max = max_probes,
        .form = "a whole number N from {min} to {max}",
        .help = "with --estimate, the number of random probes, from {min} to {max}",
        .read = read_probes,
    },
    {
        .name = "seed",
        .bit = option_estimate,
        .value = "S",
        .label = "Seed S",
        .fallback = "1",
        .min = 0,
        .max = max_seed,
        .form = "a whole number S from {min} to {max}",
        .help = "with --estimate, the seed of the probes' random choices, from {min} to {max}: the "
                "same seed gives the same estimate",
        .read = read_seed,
    },
    {
        .name = "jobs",
        .bit = option_jobs,
        .value = "N",
        .label = "Threads N",
        .without = "every processor",
        .min = 1,
        .max = max_workers,
        .form = "a whole number N from {min} to {max}",
        .help = "with --count or --estimate, the number of threads that share the work, from "
                "{min} to {max} (default: one for each processor the program may use); the "
                "counts do not change",
        .read = read_jobs,
    },
    {
        .name = "part",
        .bit = option_part,
        .value = "I/K",
        .label = "Part I/K",
        .without = "the whole search",
        .min = 1,
        .max = max_parts,
        .form = "I/K with 1 <= I <= K <= {max}, such as 3/64",
        .help = "with --count, count only part I of K parts of the search: the parts depend on "
                "nothing but the instance and K, and the counts of the K parts add up to the "
                "whole count. The closing line then starts with 'part I/K: ' and tells the "
                "part's count",
        .read = read_part,
    },
    {
        .name = "steps",
        .bit = option_steps,
        .label = "Step mode",
        .form = "no value",
        .help = "draw the search one step at a time, every step shown kept: the right arrow, "
                "Page Down or the space bar goes a step forward (from the newest, the search "
                "takes its next step), the left arrow, Page Up or Backspace a step back, Home to "
                "the first step, End to the newest, n forward to the next configuration found "
                "(the search runs on as far as it takes), p back to the one before, t between "
                "the picture and the search tree explored so far, 1 to 9 play the steps by "
                "themselves ever faster (1 a second, 9 four milliseconds a step) and 0 goes back "
                "to a step per key; Shift, Ctrl, Alt and the other modifier keys alone do "
                "nothing; on the last page the moves back go back to the steps, the digit keys "
                "and t keep their meaning, the moves forward say that the search is over, and "
                "any other key ends the run; Escape, q or closing the window ends it at once. "
                "On the web page only Stop ends a run (q too, outside Present) and Escape only "
                "leaves Present. The newest {kept-steps} steps are kept, and older ones dropped",
        .read = set_steps,
    },
    {
        .name = "delay",
        .bit = option_steps,
        .value = "MS",
        .label = "Delay MS",
        .without = "a key per step",
        .min = 0,
        .max = max_step_delay,
        .form = "a whole number of milliseconds from {min} to {max}",
        .help = "with --steps, go a step forward by itself every MS milliseconds ({min} to {max}) "
                "from the step shown; the space bar then pauses and resumes, the right arrow "
                "takes a step at once, and every move back pauses",
        .read = read_delay,
    },
    {
        .name = "view",
        .bit = option_steps,
        .value = "VIEW",
        .label = "Step view",
        .fallback = "picture",
        .form = "picture or tree or stack",
        .help = "with --steps, what the pages show first: the view's picture, the search tree "
                "explored so far, drawn as --tree draws it (the key t switches between them), or "
                "the call stack: each call the search stands in, from the first to the current "
                "one, with the candidate it tries, its place among the call's candidates and "
                "what its loop has done so far (the key s shows it, and s again the view "
                "before)",
        .read = read_view,
    },
    {
        .name = "save",
        .bit = option_save,
        .value = "DIR",
        .names = "a folder",
        .label = "Save pages in",
        .without = "a window",
        .form = "the name of a folder, such as pages",
        .help = "write the pages as DIR/page-001.png, ... instead of opening a window",
        .read = read_save,
    },
    {
        .name = "scale",
        .bit = option_scale,
        .value = "K",
        .label = "Scale K",
        .without = "an 800x600 window of a fixed size",
        .min = 1,
        .max = max_option_scale,
        .form = "a whole number K from {min} to {max}",
        .help = "draw the pictures K times as large ({min} to {max}), sharp at that size: a "
                "window of K*800 by K*600 pixels that can be resized, its pictures then drawn "
                "at the largest scale that fits, or with --save pages of that size",
        .read = read_scale,
    },
    {
        .name = "help",
        .label = "Help",
        .form = "no value",
        .help = "show this help and exit (also -h)",
        .read = answered_later,
    },
    {
        .name = "version",
        .label = "Version",
        .form = "no value",
        .help = "show the program's name and version and exit",
        .read = answered_later,
    },
};
// option_table_size counts the rows: a row too many does not compile, and one too few leaves
// the last row empty.
static_assert(option_table[option_table_size - 1].name != nullptr);

int range_max(const OptionSpec& option, const ProgramInfo& program)
{
    return option.program_max != nullptr ? program.*option.program_max : option.max;
}

const OptionSpec* option_named(const char* name)
{
    for (const OptionSpec& o : option_table) {
        if (std::strcmp(o.name, name) == 0) return &o;
    }
    return nullptr;
}

bool takes(const ProgramInfo& program, const OptionSpec& option)
{
    return option.bit == 0 || (program.options & option.bit) != 0;
}
