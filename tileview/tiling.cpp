// Domino tilings of the 6x4 board: the board and domino codes and the enumeration.
#include "tileview/tiling.h"

#include <cmath>

DominoCode placed_dominoes[cell_count];
std::int32_t tiling_count;
std::int32_t tile_search_calls;
std::int32_t tile_dead_ends;

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
    }
    for (int k = 0; k < candidate_count; ++k) {
        tile_search(candidates[k], depth + 1);
    }
}

double closed_form_tiling_count()
{
    // Kasteleyn's product for an m x n board: the fourth root of the product over
    // i = 1..m, j = 1..n of (cos^2(pi i / (m + 1)) + cos^2(pi j / (n + 1))), times 2^(mn/2).
    const double pi = 3.14159;
    double product = 1;
    for (int i = 1; i <= board_columns; ++i) {
        for (int j = 1; j <= board_rows; ++j) {
            const double ci = std::cos(pi * i / (board_columns + 1.0));
            const double cj = std::cos(pi * j / (board_rows + 1.0));
            product *= ci * ci + cj * cj;
        }
    }
    return std::sqrt(std::sqrt(product)) * std::pow(2.0, cell_count / 2);
}
