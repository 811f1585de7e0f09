// The line of an ordering in permlist's listing.
#ifndef PERMLIST_ORDERING_LINE_H
#define PERMLIST_ORDERING_LINE_H

#include <cstdint>

#include "perm/perm.h"

// Makes the numbers' texts, and forgets the text of the orderings written so far: the next
// line is written whole.
void forget_shown_prefix();

// Writes the ordering of perm_prefix positions 1..leaf_level and last into the listing,
// exactly as printf("%d : "), printf("%d ") for each number but the last, and printf("%d \n")
// for the last would write it; the line's number is the listing's next.
void write_ordering_line(std::int32_t last);

#endif
