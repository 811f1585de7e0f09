// Domino tilings of the 6x4 board: the board and domino codes and the enumeration.
#ifndef TILEVIEW_TILING_H
#define TILEVIEW_TILING_H

#include <cstdint>

constexpr int board_columns = 6;
constexpr int board_rows = 4;
constexpr int cell_count = board_columns * board_rows;  // cell = row * board_columns + column
constexpr int domino_count = cell_count / 2;

// A domino as first cell * cell_count + second cell, the first cell the lower-numbered.
using DominoCode = std::int32_t;

constexpr DominoCode domino_code(int first, int second) { return first * cell_count + second; }
constexpr int first_cell(DominoCode code) { return code / cell_count; }
constexpr int second_cell(DominoCode code) { return code % cell_count; }

// Slot k holds the domino placed at depth k - 1 of the current tiling; slots 0 and 1 and
// those above domino_count are unused.
extern DominoCode placed_dominoes[cell_count];

// Complete tilings found so far.
extern std::int32_t tiling_count;

// Search statistics for tests and benchmarks: tile_search entries, and entries where the
// lowest free cell could take no domino.
extern std::int32_t tile_search_calls;
extern std::int32_t tile_dead_ends;

// 1 if cell belongs to last or to a domino in slots depth down to 2, else 0.
int cell_covered(int cell, DominoCode last, int depth);

// Covers the lowest free cell, horizontal domino first, and calls show_tiling at every
// complete tiling. Entered with the domino on cell 0 at depth 1.
void tile_search(DominoCode last, int depth);

// The display step, defined by the program (or a test). Slots 2..domino_count of
// placed_dominoes hold the first dominoes of the tiling, last is the final one.
void show_tiling(DominoCode last);

// The number of tilings from the closed-form cosine product for the board, with pi taken
// as 3.14159: about 280.998.
double closed_form_tiling_count();

#endif
