// The line of an ordering in permlist's listing.
#include "permlist/ordering_line.h"

#include <cstring>

#include "console/listing.h"

// The text of each number followed by its blank, copied whole: four bytes cost less than a
// conversion.
struct NumberText {
    char text[4];
    int length;
};
static NumberText number_texts[max_perm_size];

static char* put_number_text(char* p, std::int32_t number)
{
    const NumberText& t = number_texts[number];
    std::memcpy(p, t.text, sizeof t.text);
    return p + t.length;
}

// The text of positions 1..leaf_level of perm_prefix as the last line showed them, position
// k's ending at shown_end[k]. The next ordering shares the positions below the lowest one the
// search placed a number at since: only the text from there on is written anew.
static int shown_end[max_perm_size + 2];
static char shown_text[max_perm_size * sizeof NumberText::text + text_chunk];

void forget_shown_prefix()
{
    for (std::int32_t n = 0; n < max_perm_size; ++n) {
        NumberText& t = number_texts[n];
        t.length = static_cast<int>(put_number(t.text, n) - t.text);
        t.text[t.length++] = ' ';
    }
    lowest_position_placed = 1;
}

void write_ordering_line(std::int32_t last)
{
    int k = lowest_position_placed > 1 ? lowest_position_placed : 1;
    lowest_position_placed = leaf_level + 1;
    char* text_end = shown_text + shown_end[k - 1];
    for (; k <= leaf_level; ++k) {
        text_end = put_number_text(text_end, perm_prefix[k]);
        shown_end[k] = static_cast<int>(text_end - shown_text);
    }
    char* p = put_line_number(
        next_line(line_number_room + 3 + sizeof shown_text + sizeof NumberText::text + 1));
    std::memcpy(p, " : ", 3);
    p += 3;
    const int text_length = shown_end[leaf_level];
    copy_text(p, shown_text, text_length);
    p = put_number_text(p + text_length, last);
    *p++ = '\n';
    end_line(p);
    count_line_up();
}
