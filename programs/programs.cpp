// The programs as their command lines present them: what each shows, the options it
// takes, the largest instance it accepts, and examples of its use.
#include "programs/programs.h"

#include "steps/step_record.h"
#include "perm/perm.h"
#include "pour/pour.h"
#include "tileview/diagram_layout.h"

// The programs hand --goal's values to the jug puzzle as they are: a '*' is any amount there.
static_assert(goal_any_amount == any_amount);

const ProgramInfo juglist_program = {
    .name = "juglist",
    .description =
        "Lists every way of pouring between three jugs, from the first jug full and the others\n"
        "empty to a goal, without passing a state twice: one numbered line per solution the\n"
        "moment it is found, then the depth (number of states) of each solution. Then waits\n"
        "for a key. A move pours one jug into another until the source is empty or the target\n"
        "full; from each state the search tries the pours in the order 1 into 2, 1 into 3,\n"
        "2 into 1, 2 into 3, 3 into 1, 3 into 2, going deeper at each before the next.",
    .options = option_jugs | option_goal | option_count | option_trace | option_no_wait |
               option_tree | option_progress | option_estimate | option_jobs | option_part,
    .max_jug_amount = max_jug_amount,
    .examples = {{"--jugs 8,5,3 --goal '4,4,*'", "share 8 units out into 4 and 4"},
                 {"--count --no-wait", "only the number of states of each of the 14 solutions"},
                 {"--trace --no-wait", "the search itself, as an indented tree"},
                 {"--count --tree tree.svg", "the search tree drawn into tree.svg"},
                 {"--jugs 99,97,3 --goal '*,50,*' --estimate",
                  "the search's size, before waiting for it"}},
};

const ProgramInfo jugview_program = {
    .name = "jugview",
    .description =
        "Draws every way of pouring between three jugs, from the first jug full and the others\n"
        "empty to a goal, without passing a state twice, in a window: each solution on a page\n"
        "of its own, one picture of the containers for each state. A key (or closing the\n"
        "window) turns to the next solution; a blank page ends the run (one that says \"no\n"
        "solution\" when there was none). In step mode each picture has the amounts under it.\n"
        "A move pours one jug into another until the source is empty or the target full; from\n"
        "each state the search tries the pours in the order 1 into 2, 1 into 3, 2 into 1,\n"
        "2 into 3, 3 into 1, 3 into 2, going deeper at each before the next.",
    .options =
        option_jugs | option_goal | option_steps | option_save | option_scale | option_progress,
    .window = true,
    .max_jug_amount = max_jug_amount,
    .kept_steps = default_kept_steps,
    .examples = {{"--jugs 8,5,3 --goal '4,4,*'", "share 8 units out into 4 and 4"},
                 {"--steps", "the search one step at a time"},
                 {"--steps --delay 200", "the steps by themselves, five a second"}},
};

const ProgramInfo tileview_program = {
    .name = "tileview",
    .description =
        "Draws every tiling of a board of W columns by H rows with dominoes in a window, each\n"
        "the moment the search finds it, as a small diagram, as many to a page as fit. A key\n"
        "(or closing the window) turns a full page. The last page sets the number of tilings\n"
        "from the closed-form cosine product beside the number found. In step mode the board\n"
        "shows its grid and the number of each free cell, except on boards of more than 30\n"
        "columns or 20 rows, whose cells are too small for their numbers. Each move covers the\n"
        "lowest free cell with a domino, horizontal before vertical.",
    .options = option_board | option_steps | option_save | option_scale | option_progress,
    .window = true,
    .max_board_columns = max_diagram_columns,
    .max_board_rows = max_diagram_rows,
    .board_limit_reason = "the largest board whose diagram fits on a page",
    .kept_steps = default_kept_steps,
    .examples = {{"--board 4x4", "the 36 tilings of a 4x4 board"},
                 {"--board 4x3 --steps", "the search on a 4x3 board, one step at a time"}},
};

const ProgramInfo tilelist_program = {
    .name = "tilelist",
    .description =
        "Lists every tiling of a board of W columns by H rows with dominoes, one numbered line\n"
        "per tiling the moment the search finds it: each domino as its two cells, numbered row\n"
        "by row from 0, in the order the search placed them. Then the number of tilings from\n"
        "the closed-form cosine product beside the number found, and waits for a key. Each move\n"
        "covers the lowest free cell with a domino, horizontal before vertical.",
    .options = option_board | option_count | option_trace | option_no_wait | option_tree |
               option_progress | option_estimate | option_jobs | option_part,
    .max_board_columns = tilelist_max_board_side,
    .max_board_rows = tilelist_max_board_side,
    .examples = {{"--board 4x4", "the 36 tilings of a 4x4 board"},
                 {"--board 8x8 --count", "count the 12,988,816 tilings of a chessboard"},
                 {"--board 4x3 --trace", "the search itself, as an indented tree"},
                 {"--board 4x3 --count --tree tree.svg", "the search tree drawn into tree.svg"},
                 {"--board 10x10 --estimate", "how long counting a 10x10 board would take"},
                 {"--board 10x10 --count --part 3/64",
                  "part 3 of 64 of that count, for one machine"}},
};

const ProgramInfo permlist_program = {
    .name = "permlist",
    .description =
        "Prints every ordering of the numbers 0 to N-1, numbered, in lexicographic order, each\n"
        "the moment the search completes it. Then waits for a key. Each move puts a number not\n"
        "yet used in the next place, the numbers tried in ascending order.",
    .options = option_size | option_no_wait | option_trace | option_tree | option_progress |
               option_estimate,
    .max_size = max_perm_size,
    .examples = {{"--size 4", "the 24 orderings of 0..3"},
                 {"--size 3 --trace", "the search itself, as an indented tree"},
                 {"--size 4 --tree tree.svg", "the search tree drawn into tree.svg"},
                 {"--size 12 --estimate", "the search's size and time, before waiting for it"}},
};

const ProgramInfo tracetree_program = {
    .name = "tracetree",
    .description =
        "Reads the trace of a backtracking search, as --trace writes it or as any program may\n"
        "write it (one node a line, two blanks of indent a level, up to the first blank line;\n"
        "docs/trace-format.md), from FILE or, without one or with -, from standard input.\n"
        "Prints one line of counts. Calls: the nodes the search entered, configurations found\n"
        "included (a first call that only starts the others is one only if it has a line of\n"
        "its own). Found, turned down, dead ends: what the search reported (0 dead ends means\n"
        "only that none was reported). Depth: the most calls on one path from a root, which\n"
        "counts choices, not stack frames. With --tree it draws the search tree as the other\n"
        "programs' --tree does. A line not of the format (a line below a leaf; a tab, a control\n"
        "character or bytes not UTF-8; a line over 65536 bytes), a trace over 64 MiB or of\n"
        "more than 100000 nodes ends the run with status 1 and one line naming FILE and the\n"
        "line, and no tree is drawn. A note not of the format is read as a call, and said so on\n"
        "standard error.",
    .options = option_tree,
    .examples = {{"trace.txt", "the counts of the search traced in trace.txt"},
                 {"trace.txt --tree tree.svg", "and its tree drawn into tree.svg"},
                 {"--tree tree.svg --hide turned-down < trace.txt",
                  "the tree without the candidates turned down"}},
    .operand = "FILE",
};

const ProgramInfo* const all_programs[] = {&jugview_program, &tileview_program, &juglist_program,
                                           &tilelist_program, &permlist_program};
const int program_count = sizeof all_programs / sizeof all_programs[0];
