// The line of a tiling in tilelist's listing.
#ifndef TILELIST_TILING_LINE_H
#define TILELIST_TILING_LINE_H

#include "tiling/tiling.h"

// Makes the texts of the dominoes of the board set last (set_board).
void make_domino_texts();

// Writes the tiling of placed_dominoes slots 2..domino_count and last into the listing, exactly
// as printf("%4lld:"), then printf(" %d-%d") for each domino in the order it was placed, then a
// line end would write it; the line's number is the listing's next.
void write_tiling_line(DominoCode last);

#endif
