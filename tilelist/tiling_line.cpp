// The line of a tiling in tilelist's listing.
#include "tilelist/tiling_line.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console/listing.h"
#include "programs/programs.h"

constexpr int max_board_cells = tilelist_max_board_side * tilelist_max_board_side;

// The text " a-b" of every domino the board can hold, made once, and the place of each
// domino's text by its code: a copy of all its bytes costs less than converting the two
// numbers, and a look-up by code less than taking the code apart.
struct DominoText {
    char text[16];
    int length;
};
static DominoText domino_texts[max_board_cells * 2];
static std::uint16_t domino_text_of_code[max_board_cells * max_board_cells];

void make_domino_texts()
{
    int made = 0;
    const auto make = [&made](int a, int b) {
        DominoText& t = domino_texts[made];
        t.length = std::snprintf(t.text, sizeof t.text, " %d-%d", a, b);
        domino_text_of_code[domino_code(a, b)] = static_cast<std::uint16_t>(made++);
    };
    for (int a = 0; a < cell_count; ++a) {
        if ((a + 1) % board_columns != 0) make(a, a + 1);
        if (a + board_columns < cell_count) make(a, a + board_columns);
    }
}

static char* put_domino(char* p, DominoCode domino)
{
    const DominoText& t = domino_texts[domino_text_of_code[domino]];
    std::memcpy(p, t.text, sizeof t.text);
    return p + t.length;
}

// The text of slots 2..domino_count as the last line showed them, slot k's ending at
// shown_text_end[k]. The next tiling shares the slots below the lowest one the search placed
// a domino in since: only the text from there on is written anew.
static int shown_text_end[max_board_cells / 2 + 2];
static char shown_text[max_board_cells / 2 * sizeof DominoText::text + text_chunk];

void write_tiling_line(DominoCode last)
{
    const int last_slot = domino_count;
    int k = lowest_slot_placed > 2 ? lowest_slot_placed : 2;
    lowest_slot_placed = last_slot + 1;
    char* text_end = shown_text + shown_text_end[k - 1];
    for (; k <= last_slot; ++k) {
        text_end = put_domino(text_end, placed_dominoes[k]);
        shown_text_end[k] = static_cast<int>(text_end - shown_text);
    }
    const int text_length = shown_text_end[last_slot];  // 0 for one domino: slot 1 is unused

    constexpr int number_width = 4;
    char* p =
        next_line(number_width + line_number_room + sizeof shown_text + sizeof DominoText::text);
    for (int pad = line_number_length(); pad < number_width; ++pad) {
        *p++ = ' ';
    }
    p = put_line_number(p);
    *p++ = ':';
    copy_text(p, shown_text, text_length);
    p = put_domino(p + text_length, last);
    *p++ = '\n';
    end_line(p);
    count_line_up();
}
