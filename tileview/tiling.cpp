// Domino tilings of a rectangular board: the board and domino codes and the enumeration.
#include "tileview/tiling.h"

#include <cmath>

int board_columns = 6;
int board_rows = 4;
int cell_count = 24;
int domino_count = 12;
std::uint64_t cell_count_reciprocal = (std::uint64_t{1} << reciprocal_shift) / 24 + 1;

DominoCode placed_dominoes[max_cell_count];
std::int64_t tiling_count;
std::int64_t tile_search_calls;
std::int64_t tile_dead_ends;
void (*tile_step_action)(TileStep step, DominoCode domino, int depth, int free_cell);

static void step(TileStep what, DominoCode domino, int depth, int free_cell)
{
    if (tile_step_action != nullptr) {
        tile_step_action(what, domino, depth, free_cell);
    }
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

void tile_search(DominoCode last, int depth)
{
    ++tile_search_calls;
    if (depth == domino_count) {
        ++tiling_count;
        show_tiling(last);
        step(TileStep::tiling, last, depth, -1);
        step(TileStep::back_up, last, depth, -1);
        return;
    }

    // Every cell below the last domino's first cell is covered, so the first uncovered
    // cell from there on is the lowest free cell of the board.
    int c = first_cell(last) + 1;
    if (c == second_cell(last)) {
        c = first_cell(last) + 2;
    }
    while (c < cell_count && cell_covered(c, last, depth)) {
        ++c;
    }
    step(TileStep::enter, last, depth, c);

    DominoCode candidates[2];
    int candidate_count = 0;
    if (c < cell_count && (c + 1) % board_columns != 0 && !cell_covered(c + 1, last, depth)) {
        candidates[candidate_count++] = domino_code(c, c + 1);
        placed_dominoes[depth + 1] = last;
    }
    // The cell below c is free: every placed domino starts above c, and none reaches
    // further down than one row below its start.
    if (c < cell_count - board_columns) {
        candidates[candidate_count++] = domino_code(c, c + board_columns);
        placed_dominoes[depth + 1] = last;
    }
    if (candidate_count == 0) {
        ++tile_dead_ends;
        step(TileStep::dead_end, last, depth, c);
    }
    for (int k = 0; k < candidate_count; ++k) {
        tile_search(candidates[k], depth + 1);
    }
    step(TileStep::back_up, last, depth, -1);
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
