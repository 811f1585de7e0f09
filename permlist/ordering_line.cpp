// The line of an ordering in permlist's listing.
#include "permlist/ordering_line.h"

#include <cstring>

#include "console/listing.h"

// The text of positions 1..leaf_level of perm_prefix as the last line showed them, each
// number followed by a blank, position k's ending at shown_end[k]. The next ordering shares
// the positions before the first that changed: only the text from there on is written anew.
static std::int32_t shown_prefix[max_perm_size + 2];
static int shown_end[max_perm_size + 2];
static char shown_text[max_perm_size * 3];

void forget_shown_prefix()
{
    for (std::int32_t& number : shown_prefix) number = -1;
}

void write_ordering_line(std::int32_t last)
{
    int k = 1;
    while (k <= leaf_level && perm_prefix[k] == shown_prefix[k]) ++k;
    char* text_end = shown_text + shown_end[k - 1];
    for (; k <= leaf_level; ++k) {
        shown_prefix[k] = perm_prefix[k];
        text_end = put_number(text_end, perm_prefix[k]);
        *text_end++ = ' ';
        shown_end[k] = static_cast<int>(text_end - shown_text);
    }
    char* p = put_line_number(next_line(line_number_room + sizeof shown_text + 8));
    std::memcpy(p, " : ", 3);
    p += 3;
    const int text_length = shown_end[leaf_level];
    std::memcpy(p, shown_text, static_cast<size_t>(text_length));
    p = put_number(p + text_length, last);
    *p++ = ' ';
    *p++ = '\n';
    end_line(p);
    count_line_up();
}
