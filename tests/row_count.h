// The number of domino tilings of a board, counted row by row.
#ifndef TESTS_ROW_COUNT_H
#define TESTS_ROW_COUNT_H

#include <cstdint>

// The number of tilings of a board of columns (at most 20) by rows, counted over the
// cells that vertical dominoes from the row above already fill: a method that shares
// nothing with the search.
std::uint64_t tilings_by_rows(int columns, int rows);

#endif
