// Domino tilings of a rectangular board: the board and domino codes and the enumeration.
#include "tiling/tiling.h"

#include <algorithm>
#include <cmath>
#include <iterator>

int board_columns = 6;
int board_rows = 4;
int cell_count = 24;
int domino_count = 12;
std::uint64_t cell_count_reciprocal = (std::uint64_t{1} << reciprocal_shift) / 24 + 1;

DominoCode placed_dominoes[max_cell_count];
int lowest_slot_written;
std::int64_t tiling_count;
std::int64_t tile_search_calls;
Counter<std::int64_t> tilings_seen;
Counter<std::int64_t> tile_calls_seen;
std::int64_t tile_dead_ends;
void (*tile_step_action)(TileStep step, DominoCode domino, int depth, int free_cell);

// Reports a step when the search is watched. Whether it is is decided once for a whole
// search, not at every step: the search nobody watches then compiles as if it had no step
// action at all, which keeps it as fast as it was.
template <bool watched> static void step(TileStep what, DominoCode domino, int depth, int free_cell)
{
    if constexpr (watched) {
        tile_step_action(what, domino, depth, free_cell);
    }
}

// Bit c % 64 of word c / 64 of covered_cells[depth] is set when cell c belongs to a domino
// in slots 2..depth of placed_dominoes; the sets of depths 0 and 1 stay empty. The search
// writes a depth's set with its slot. Scanning the slots for every cell the search looked at
// was most of its work; now each question is one bit. A set takes the first cell_words words
// of its row.
constexpr int max_cell_words = max_cell_count / 64;
static std::uint64_t covered_cells[max_cell_count / 2 + 1][max_cell_words];
static int cell_words = 1;

// The cells of the board's first column, where no horizontal domino ends: a bit costs less
// than the remainder of a division by the width. Cells 0, 6, 12 and 18 of the 6 by 4 board.
static std::uint64_t first_column_cells[max_cell_words] = {0x41041};

static bool in_set(const std::uint64_t* set, int cell)
{
    return ((set[cell >> 6] >> (cell & 63)) & 1u) != 0;
}

// Sets covered_cells[depth + 1] to covered_cells[depth] and the cells a and b.
static void cover_next(int depth, int a, int b)
{
    const std::uint64_t* from = covered_cells[depth];
    std::uint64_t* to = covered_cells[depth + 1];
    for (int w = 0; w < cell_words; ++w) {
        to[w] = from[w];
    }
    to[a >> 6] |= std::uint64_t{1} << (a & 63);
    to[b >> 6] |= std::uint64_t{1} << (b & 63);
}

void set_board(int columns, int rows)
{
    board_columns = columns;
    board_rows = rows;
    cell_count = columns * rows;
    domino_count = cell_count / 2;
    // Exact for codes below 2^reciprocal_shift / cell_count, which every code below
    // max_cell_count * cell_count is: the error of the rounded-up reciprocal stays under
    // what would carry a quotient over.
    cell_count_reciprocal = (std::uint64_t{1} << reciprocal_shift) / cell_count + 1;
    cell_words = (cell_count + 63) / 64;
    std::fill(std::begin(first_column_cells), std::end(first_column_cells), 0);
    for (int cell = 0; cell < cell_count; cell += columns) {
        first_column_cells[cell >> 6] |= std::uint64_t{1} << (cell & 63);
    }
}

int cell_covered(int cell, DominoCode last, int depth)
{
    if (cell == first_cell(last) || cell == second_cell(last)) {
        return 1;
    }
    for (int k = depth; k >= 2; --k) {
        if (cell == first_cell(placed_dominoes[k]) || cell == second_cell(placed_dominoes[k])) {
            return 1;
        }
    }
    return 0;
}

// A complete tiling: its counts copied for the progress line, then the tiling shown. Apart
// from the search, so that the search's leaves keep their short path (a copy there had the
// compiler save registers at every call).
[[gnu::noinline]] static void show_counted_tiling(DominoCode last)
{
    tilings_seen = tiling_count;
    tile_calls_seen = tile_search_calls;
    show_tiling(last);
}

template <bool watched> static void search(DominoCode last, int depth)
{
    ++tile_search_calls;
    if (depth == domino_count) {
        ++tiling_count;
        show_counted_tiling(last);
        step<watched>(TileStep::tiling, last, depth, -1);
        step<watched>(TileStep::back_up, last, depth, -1);
        return;
    }

    // Every deeper step builds on last: it joins the slots and the covered cells.
    const int a = first_cell(last);
    const int b = second_cell(last);
    placed_dominoes[depth + 1] = last;
    if (depth + 1 < lowest_slot_written) {
        lowest_slot_written = depth + 1;
    }

    // Every cell below the last domino's first cell is covered, so the first uncovered
    // cell from there on is the lowest free cell of the board.
    int c = a + 1;
    bool horizontal;
    if (cell_words == 1) {
        // A board of at most 64 cells (8x8 and every smaller one) has its set in one word.
        // Kept in a register, it answers each question below with a shift instead of a
        // memory access.
        const std::uint64_t covered =
            covered_cells[depth][0] | std::uint64_t{1} << a | std::uint64_t{1} << b;
        covered_cells[depth + 1][0] = covered;
        while (c < cell_count && ((covered >> c) & 1u) != 0) {
            ++c;
        }
        horizontal =
            c + 1 < cell_count && (((covered | first_column_cells[0]) >> (c + 1)) & 1u) == 0;
    } else {
        cover_next(depth, a, b);
        const std::uint64_t* covered = covered_cells[depth + 1];
        while (c < cell_count && in_set(covered, c)) {
            ++c;
        }
        horizontal =
            c + 1 < cell_count && !in_set(first_column_cells, c + 1) && !in_set(covered, c + 1);
    }
    // The cell below c is free: every placed domino starts above c, and none reaches
    // further down than one row below its start.
    const bool vertical = c < cell_count - board_columns;
    step<watched>(TileStep::enter, last, depth, c);

    if (!horizontal && !vertical) {
        ++tile_dead_ends;
        step<watched>(TileStep::dead_end, last, depth, c);
    }
    if (horizontal) {
        search<watched>(domino_code(c, c + 1), depth + 1);
    }
    if (vertical) {
        search<watched>(domino_code(c, c + board_columns), depth + 1);
    }
    step<watched>(TileStep::back_up, last, depth, -1);
}

void tile_search(DominoCode last, int depth)
{
    if (tile_step_action != nullptr) {
        search<true>(last, depth);
    } else {
        search<false>(last, depth);
    }
}

void enumerate_tilings()
{
    tiling_count = 0;
    // A domino covers two cells: with an odd number of cells the search could only meet
    // dead ends, and on a large board it would take ages to do so.
    if (cell_count % 2 != 0) {
        return;
    }
    // Cell 0 is covered either by a horizontal or by a vertical domino, where one fits.
    if (board_columns > 1) {
        tile_search(domino_code(0, 1), 1);
    }
    if (board_rows > 1) {
        tile_search(domino_code(0, board_columns), 1);
    }
}

double closed_form_tiling_count()
{
    // Kasteleyn's product for an m x n board: the fourth root of the product over
    // i = 1..m, j = 1..n of (cos^2(pi i / (m + 1)) + cos^2(pi j / (n + 1))), times 2^(mn/2).
    const double pi = std::acos(-1.0);
    double product = 1;
    for (int i = 1; i <= board_columns; ++i) {
        for (int j = 1; j <= board_rows; ++j) {
            // cos(pi / 2) is not quite 0 in floating point, and on a board with an odd
            // number of cells that factor alone must make the product 0.
            const double ci =
                2 * i == board_columns + 1 ? 0.0 : std::cos(pi * i / (board_columns + 1.0));
            const double cj = 2 * j == board_rows + 1 ? 0.0 : std::cos(pi * j / (board_rows + 1.0));
            product *= ci * ci + cj * cj;
        }
    }
    return std::sqrt(std::sqrt(product)) * std::pow(2.0, cell_count / 2.0);
}
