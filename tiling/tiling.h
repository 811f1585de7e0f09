// Domino tilings of a rectangular board: the board and domino codes and the enumeration.
#ifndef TILING_TILING_H
#define TILING_TILING_H

#include <cstdint>

#include "run/counter.h"
#include "run/search_step.h"

// The board, columns by rows (6 by 4 until a program sets another). Cells are numbered
// row by row: cell = row * board_columns + column.
extern int board_columns;
extern int board_rows;
extern int cell_count;
extern int domino_count;  // dominoes in a tiling

// The most cells a board may have here: every board the programs take (the largest,
// 52 by 36, has 1872).
constexpr int max_cell_count = 2048;

// Sets the board; the search and the drawing read it.
void set_board(int columns, int rows);

// A domino as first cell * cell_count + second cell, the first cell the lower-numbered.
using DominoCode = std::int32_t;

// Codes are taken apart at every domino placed or removed and at every domino of a line, and
// a division by a number known only at run time is slow: it is a multiplication by the
// rounded-up reciprocal of cell_count instead, which gives the same quotient for every code
// of a board.
constexpr int reciprocal_shift = 40;
extern std::uint64_t cell_count_reciprocal;  // 2^reciprocal_shift / cell_count, rounded up

inline DominoCode domino_code(int first, int second) { return first * cell_count + second; }
inline int first_cell(DominoCode code)
{
    return static_cast<int>((static_cast<std::uint64_t>(code) * cell_count_reciprocal) >>
                            reciprocal_shift);
}
inline int second_cell(DominoCode code) { return code - first_cell(code) * cell_count; }

// While the search stands at depth d, slots 2..d + 1 hold the dominoes placed at depths
// 1..d, in the order they were placed, the search's argument last; every other slot holds
// no_domino. Slots 0 and 1 are unused.
extern DominoCode placed_dominoes[max_cell_count];
constexpr DominoCode no_domino = 0;  // no domino covers cell 0 twice

// Complete tilings found so far.
extern Counter<std::int64_t> tiling_count;

// Search statistics for tests, benchmarks and the progress line: tile_search entries, and
// entries where the lowest free cell could take no domino.
extern Counter<std::int64_t> tile_search_calls;
extern std::int64_t tile_dead_ends;

// 1 if cell belongs to last or to a domino in slots depth down to 2, else 0.
int cell_covered(int cell, DominoCode last, int depth);

// The lowest cell that no domino on the board covers; cell_count when there is none.
int lowest_free_cell();

// The cell to the right of cell and the cell below it, or no_cell past the board's edge: the
// other cells of the two dominoes that can cover it, in the order the search tries them.
int right_of(int cell);
int below(int cell);

// A domino goes on the board at depth (into slot depth + 1, its cells covered), and comes off
// it again.
void place_domino(DominoCode domino, int depth);
void remove_domino(DominoCode domino, int depth);

// Where tilelist's next line differs: docs/architecture.md, "Where a listing's next line differs".
extern int lowest_slot_placed;

// Covers the lowest free cell, horizontal domino first, and calls show_tiling at every
// complete tiling. Entered at depth 1 with the domino on cell 0 on the board.
void tile_search(DominoCode last, int depth);

// Counts every tiling of the board from zero, handing each to show_tiling: the search is
// started once for each domino that can cover cell 0. A board with an odd number of cells
// has no tiling and is not searched.
void enumerate_tilings();

// The step action, set by a program that watches the search; none by default. It is called
// with each step (run/search_step.h), the domino and its depth, and with the lowest free cell
// when entering a call and at a dead end (no_cell otherwise): placing a domino (or the last
// one, completing a tiling, after show_tiling), finding that the lowest free cell can take no
// domino, taking a domino away again.
constexpr int no_cell = -1;
extern void (*tile_step_action)(SearchStep step, DominoCode domino, int depth, int free_cell);

// The display step, defined by the program (or a test). Slots 2..domino_count of
// placed_dominoes hold the first dominoes of the tiling, last is the final one.
void show_tiling(DominoCode last);

// The number of tilings from the closed-form cosine product for the board (281 for 6x4).
double closed_form_tiling_count();

#endif
