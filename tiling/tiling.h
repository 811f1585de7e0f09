// Domino tilings of a rectangular board: the board and domino codes and the enumeration.
#ifndef TILING_TILING_H
#define TILING_TILING_H

#include <cstdint>

#include "run/counter.h"

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

// Taking a code apart is the search's most frequent step, and a division by a number known
// only at run time is slow: it is a multiplication by the rounded-up reciprocal of
// cell_count instead, which gives the same quotient for every code of a board.
constexpr int reciprocal_shift = 40;
extern std::uint64_t cell_count_reciprocal;  // 2^reciprocal_shift / cell_count, rounded up

inline DominoCode domino_code(int first, int second) { return first * cell_count + second; }
inline int first_cell(DominoCode code)
{
    return static_cast<int>((static_cast<std::uint64_t>(code) * cell_count_reciprocal) >>
                            reciprocal_shift);
}
inline int second_cell(DominoCode code) { return code - first_cell(code) * cell_count; }

// Slot k holds the domino placed at depth k - 1 of the current tiling; slots 0 and 1 and
// those above domino_count are unused.
extern DominoCode placed_dominoes[max_cell_count];

// The lowest slot the search has written since a program last set this higher (0 at the
// start): a program that shows each tiling learns from it where the tiling first differs
// from the one before, without comparing their slots.
extern int lowest_slot_written;

// Complete tilings found so far.
extern std::int64_t tiling_count;

// Search statistics for tests and benchmarks: tile_search entries, and entries where the
// lowest free cell could take no domino.
extern std::int64_t tile_search_calls;
extern std::int64_t tile_dead_ends;

// tiling_count and tile_search_calls as a progress line reads them from its own thread: the
// search copies them here at each tiling, a few calls apart. (Made counters of that kind
// themselves, they cost the search's every call more than the copies cost its tilings.)
extern Counter<std::int64_t> tilings_seen;
extern Counter<std::int64_t> tile_calls_seen;

// 1 if cell belongs to last or to a domino in slots depth down to 2, else 0. (The search
// itself asks a set of covered cells that it keeps for each depth.)
int cell_covered(int cell, DominoCode last, int depth);

// Covers the lowest free cell, horizontal domino first, and calls show_tiling at every
// complete tiling. Entered with the domino on cell 0 at depth 1.
void tile_search(DominoCode last, int depth);

// Counts every tiling of the board from zero, handing each to show_tiling: the search is
// started once for each domino that can cover cell 0. A board with an odd number of cells
// has no tiling and is not searched.
void enumerate_tilings();

// What the search just did, for a program that shows the search itself: placed a domino
// (completing a tiling, when it is the last), found that the lowest free cell can take no
// domino, or took a domino away again.
enum class TileStep { enter, tiling, dead_end, back_up };

// The step action, set by a program that watches the search; none by default. It is called
// with the domino and its depth, and with the lowest free cell after an enter and at a dead
// end (-1 otherwise); for a tiling after show_tiling.
extern void (*tile_step_action)(TileStep step, DominoCode domino, int depth, int free_cell);

// The display step, defined by the program (or a test). Slots 2..domino_count of
// placed_dominoes hold the first dominoes of the tiling, last is the final one.
void show_tiling(DominoCode last);

// The number of tilings from the closed-form cosine product for the board (281 for 6x4).
double closed_form_tiling_count();

#endif
