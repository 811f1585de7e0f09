// Domino tilings of a rectangular board: the board and domino codes and the enumeration.
#include "tiling/tiling.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>

int board_columns = 6;
int board_rows = 4;
int cell_count = 24;
int domino_count = 12;
std::uint64_t cell_count_reciprocal = (std::uint64_t{1} << reciprocal_shift) / 24 + 1;

DominoCode placed_dominoes[max_cell_count];
Counter<std::int64_t> tiling_count;
Counter<std::int64_t> tile_search_calls;
std::int64_t tile_dead_ends;
int lowest_slot_placed;
void (*tile_step_action)(SearchStep step, DominoCode domino, int depth, int free_cell);

// Sets of cells, bit c % 64 of word c / 64 for cell c: the cells the dominoes on the board
// cover, and those of the last column, which have no cell to their right.
constexpr int max_cell_words = max_cell_count / 64;
static std::uint64_t covered_cells[max_cell_words];
static std::uint64_t last_column_cells[max_cell_words] = {0x820820};  // 5, 11, 17, 23 of 6x4

static bool in_set(const std::uint64_t* set, int cell)
{
    const auto c = static_cast<unsigned>(cell);
    return ((set[c / 64] >> (c % 64)) & 1u) != 0;
}

static bool covered(int cell) { return in_set(covered_cells, cell); }

// A cell that is free becomes covered, and a covered one free.
static void flip_covered(int cell)
{
    const auto c = static_cast<unsigned>(cell);
    covered_cells[c / 64] ^= std::uint64_t{1} << (c % 64);
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
    std::fill(std::begin(covered_cells), std::end(covered_cells), 0);
    std::fill(std::begin(last_column_cells), std::end(last_column_cells), 0);
    for (int cell = columns - 1; cell < cell_count; cell += columns) {
        last_column_cells[cell / 64] |= std::uint64_t{1} << (cell % 64);
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

int lowest_free_cell()
{
    // A whole word of covered cells at a time: the lowest zero bit of the first word that has
    // one.
    for (int word = 0; word * 64 < cell_count; ++word) {
        const std::uint64_t free_cells = ~covered_cells[word];
        if (free_cells != 0) {
            return std::min(cell_count, word * 64 + __builtin_ctzll(free_cells));
        }
    }
    return cell_count;
}

void place_domino(DominoCode domino, int depth)
{
    placed_dominoes[depth + 1] = domino;
    lowest_slot_placed = std::min(lowest_slot_placed, depth + 1);
    flip_covered(first_cell(domino));
    flip_covered(second_cell(domino));
}

void remove_domino(DominoCode domino, int depth)
{
    placed_dominoes[depth + 1] = no_domino;
    flip_covered(first_cell(domino));
    flip_covered(second_cell(domino));
}

int right_of(int cell) { return in_set(last_column_cells, cell) ? no_cell : cell + 1; }
int below(int cell) { return cell + board_columns < cell_count ? cell + board_columns : no_cell; }

// Whether a domino from the lowest free cell to other fits: other is on the board and free.
static bool fits(int other) { return other != no_cell && !covered(other); }

// Tells a program that watches the search what the search just did.
static void tell(SearchStep step, DominoCode domino, int depth, int free_cell)
{
    if (tile_step_action != nullptr) tile_step_action(step, domino, depth, free_cell);
}

void tile_search(DominoCode last, int depth)
{
    ++tile_search_calls;
    if (depth == domino_count) {
        ++tiling_count;
        show_tiling(last);
        tell(SearchStep::found, last, depth, no_cell);
        tell(SearchStep::back_up, last, depth, no_cell);
        return;
    }
    const int cell = lowest_free_cell();
    tell(SearchStep::enter, last, depth, cell);

    // The candidates: a domino from the cell to the one on its right, then to the one below.
    bool placed_any = false;
    for (const int other : {right_of(cell), below(cell)}) {
        if (!fits(other)) continue;
        const DominoCode next = domino_code(cell, other);
        place_domino(next, depth + 1);
        tile_search(next, depth + 1);
        remove_domino(next, depth + 1);  // undo: the domino comes off the board again
        placed_any = true;
    }
    if (!placed_any) {
        ++tile_dead_ends;
        tell(SearchStep::dead_end, last, depth, cell);
    }
    tell(SearchStep::back_up, last, depth, no_cell);
}

// The search from one domino on cell 0.
static void start_with(DominoCode first)
{
    place_domino(first, 1);
    tile_search(first, 1);
    remove_domino(first, 1);
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
    if (board_columns > 1) start_with(domino_code(0, 1));
    if (board_rows > 1) start_with(domino_code(0, board_columns));
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
