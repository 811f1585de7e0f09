// tileview's step mode: the search drawn one step at a time on one large board, any step
// kept drawn again.
#include "tileview/step_view.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "raster/raster.h"
#include "raster/step_pace.h"
#include "raster/window.h"
#include "tileview/tiling_picture.h"
#include "tiling/tiling_trace.h"

Uint32 mark_pixel;
Uint32 grid_pixel;

namespace {

constexpr SDL_Color black = {0, 0, 0, 0};
constexpr SDL_Color number_colour = {96, 96, 96, 0};

// The cells that the dominoes of the step shown cover.
bool covered[max_cell_count];

void cover_path()
{
    std::fill(std::begin(covered), std::end(covered), false);
    for (const std::uint32_t domino : step_path()) {
        covered[first_cell(static_cast<DominoCode>(domino))] = true;
        covered[second_cell(static_cast<DominoCode>(domino))] = true;
    }
}

// The board fills the page between the header and the status line, as large as it allows.
constexpr int board_left = 20;
constexpr int board_top = 45;
constexpr int board_right = 780;
constexpr int board_bottom = 545;
static_assert((board_right - board_left) / numbered_cell_pitch == 30 &&
                  (board_bottom - board_top) / numbered_cell_pitch == 20,
              "tileview's --help names the largest boards with cell numbers");
constexpr int outline_half_width = 1;

// The header names the board as --board does, with the tilings found; the legend beside it
// says what the marks mean, each after a small one of its kind.
constexpr SDL_Rect header_place = {10, 10, 0, 0};
constexpr SDL_Rect no_tiling_place = {20, 50, 0, 0};  // below the header
constexpr int legend_top = 14;                        // the legend's texts, in the small font
constexpr int legend_sample_top = 15;                 // its marks, as tall as its letters
constexpr int legend_sample_size = 12;
constexpr int legend_text_gap = 6;  // between a mark and its words
constexpr int legend_free_cell_left = 370;
constexpr int legend_dead_end_left = 600;

// The centre of a cell on the large board, and the corner of its box, where the grid lines
// run: the boxes of two neighbouring cells share a line.
int centre_x(int cell) { return cursor_x + drawing_pitch * (cell % board_columns); }
int centre_y(int cell) { return cursor_y + drawing_pitch * (cell / board_columns); }
int box_left(int cell) { return centre_x(cell) - drawing_pitch / 2; }
int box_top(int cell) { return centre_y(cell) - drawing_pitch / 2; }

// The outline of the board and the lines between its cells.
void draw_grid()
{
    const int left = box_left(0), top = box_top(0);
    const int right = left + drawing_pitch * board_columns;
    const int bottom = top + drawing_pitch * board_rows;
    for (int c = 1; c < board_columns; ++c) {
        draw_line(left + drawing_pitch * c, top, left + drawing_pitch * c, bottom, grid_pixel);
    }
    for (int r = 1; r < board_rows; ++r) {
        draw_line(left, top + drawing_pitch * r, right, top + drawing_pitch * r, grid_pixel);
    }
    // The outline stands around the cells' boxes, so that it takes nothing from the cells.
    const int x0 = left - outline_half_width, y0 = top - outline_half_width;
    const int x1 = right + outline_half_width, y1 = bottom + outline_half_width;
    draw_thick_box(x0, y0, x1, y1, outline_half_width, grid_pixel);
}

// The number of every free cell, in its middle, where a cell has room for it: in the small
// font, or in the header's where a cell is this wide (boards of up to 15 columns and 10
// rows).
constexpr int large_number_pitch = 50;
void draw_cell_numbers()
{
    if (drawing_pitch < numbered_cell_pitch) return;
    TTF_Font* font = drawing_pitch >= large_number_pitch ? step_font : step_small_font;
    if (font == nullptr) return;
    const int half_height = TTF_FontHeight(font) / 2;
    for (int cell = 0; cell < cell_count; ++cell) {
        if (covered[cell]) continue;
        char number[12];  // any int
        std::snprintf(number, sizeof number, "%d", cell);
        blit_text_centred(font, number, number_colour, centre_x(cell),
                          centre_y(cell) - half_height);
    }
}

// The lowest free cell, which the search covers next: its box filled inside the grid.
void fill_box(int x, int y, int size)
{
    SDL_Rect box = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(size),
                    static_cast<Uint16>(size)};
    SDL_FillRect(screen, &box, mark_pixel);
}
void mark_free_cell(int cell)
{
    fill_box(box_left(cell) + 1, box_top(cell) + 1, drawing_pitch - 1);
}

// A dead end: the cell that can take no domino crossed out in red.
void draw_cross(int x, int y, int half, int width)
{
    draw_thick_line(x - half, y - half, x + half, y + half, width, red_pixel);
    draw_thick_line(x - half, y + half, x + half, y - half, width, red_pixel);
}
void mark_dead_end(int cell)
{
    draw_cross(centre_x(cell), centre_y(cell), drawing_pitch / 3, std::max(1, drawing_pitch / 15));
}

void sample_free_cell(int left, int top) { fill_box(left, top, legend_sample_size); }
void sample_dead_end(int left, int top)
{
    draw_cross(left + legend_sample_size / 2, top + legend_sample_size / 2, legend_sample_size / 2,
               1);
}

// "board 4x3   tilings 5"
void header(char* text, std::size_t size, long long tilings)
{
    std::snprintf(text, size, "board %dx%d   tilings %lld", board_columns, board_rows, tilings);
}

// The lowest free cell, as the search finds it: every cell before it is covered.
int lowest_free_cell_shown()
{
    int cell = 0;
    while (cell < cell_count && covered[cell]) ++cell;
    return cell;
}

void describe(SearchStep step, DominoCode domino, char* text, std::size_t size)
{
    switch (step) {
    case SearchStep::enter:
        std::snprintf(text, size, "place %d-%d", first_cell(domino), second_cell(domino));
        return;
    case SearchStep::found:
        std::snprintf(text, size, "tiling %lld", steps_found());
        return;
    case SearchStep::dead_end:
        std::snprintf(text, size, "dead end at cell %d", lowest_free_cell_shown());
        return;
    case SearchStep::back_up:
        std::snprintf(text, size, "back up");
        return;
    case SearchStep::turned_down:
        return;
    }
}

void draw(std::size_t index, StepFacts& facts)
{
    const StepEvent event = step_record.at(index);
    const SearchStep step = step_kind(event);
    cover_path();
    const int free_cell = lowest_free_cell_shown();
    if (step == SearchStep::enter && free_cell < cell_count) mark_free_cell(free_cell);
    draw_grid();
    draw_cell_numbers();
    for (const std::uint32_t code : step_path()) {
        const auto domino = static_cast<DominoCode>(code);
        draw_domino(first_cell(domino), second_cell(domino));
    }
    if (step == SearchStep::dead_end) mark_dead_end(free_cell);
    describe(step, static_cast<DominoCode>(step_item(event)), facts.words, sizeof facts.words);
    facts.depth = step_path().size();
    facts.found = steps_found();
}

// The page after the last step: the board, the counts, and words when there was no tiling.
void draw_end()
{
    if (tiling_count == 0) {
        char words[96] = "no tiling";
        if (cell_count % 2 != 0) {
            std::snprintf(words, sizeof words,
                          "no tiling: a domino covers two cells, and the board has %d", cell_count);
        }
        blit_text(step_font, words, black, no_tiling_place);
    }
    show_tiling_counts(step_font);
}

// As large as the page allows, cell centres half a pitch inside the board's edges.
void start()
{
    drawing_diagrams = false;
    drawing_pitch = std::min((board_right - board_left) / board_columns,
                             (board_bottom - board_top) / board_rows);
    cursor_x = board_left + drawing_pitch / 2;
    cursor_y = board_top + drawing_pitch / 2;
}

}  // namespace

const StepView tile_step_view = {
    "tilings",
    header,
    header_place,
    {legend_top,
     legend_sample_top,
     legend_sample_size,
     legend_text_gap,
     {{legend_free_cell_left, sample_free_cell, "the lowest free cell: covered next"},
      {legend_dead_end_left, sample_dead_end, "a dead end: no domino fits"}}},
    start,
    draw,
    draw_end,
};

void show_tile_step(SearchStep step, DominoCode domino, int depth, int free_cell)
{
    TraceNode node;
    const bool reached = tile_trace_node(step, domino, depth, free_cell, node);
    take_step(step_event(step, static_cast<std::uint32_t>(domino)), reached ? &node : nullptr);
}
