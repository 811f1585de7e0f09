// tileview's step mode: the search drawn one step at a time on one large board, any step
// kept drawn again.
#include "tileview/step_view.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "raster/raster.h"
#include "steps/step_player.h"
#include "steps/step_replay.h"
#include "raster/window.h"
#include "tileview/tiling_picture.h"
#include "tiling/tiling_trace.h"

Uint32 mark_pixel;
Uint32 grid_pixel;
Uint32 newest_pixel;
Uint32 join_pixel;
Uint32 ghost_pixel;

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

// A complete tiling is framed as jugview frames a goal: a frame this far outside the
// outline, clear of the legend above the board and of the status line below it.
constexpr int frame_margin = 6;
constexpr int frame_half_width = 1;

// The header names the board as --board does, with the tilings found; the legend stands at
// the right of the same line and says what the marks mean, each after a small one of its
// kind, its words in the label font on the header's baseline.
constexpr SDL_Rect header_place = {10, 10, 0, 0};
constexpr SDL_Rect no_tiling_place = {20, 50, 0, 0};  // below the header
constexpr int legend_top = 11;
constexpr int legend_sample_top = 16;  // the marks stand as tall as the words' small letters
constexpr int legend_sample_size = 12;
constexpr int legend_text_gap = 6;  // between a mark and its words
// The yellow cell and its words (232 pixels), then 24 further the cross and its words (199),
// which end 20 pixels inside the page: clear of the longest header, which ends at 263.
constexpr int legend_free_cell_left = 325;
constexpr int legend_dead_end_left = 581;

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
constexpr int number_backing = 2;  // white about a number that a cross runs under
// With backed, the number stands on white of its own, over whatever was drawn there.
void draw_cell_number(int cell, bool backed = false)
{
    if (drawing_pitch < numbered_cell_pitch) return;
    TTF_Font* font = drawing_pitch >= large_number_pitch ? step_font : step_small_font;
    if (font == nullptr) return;
    const int half_height = TTF_FontHeight(font) / 2;
    char number[12];  // any int
    std::snprintf(number, sizeof number, "%d", cell);
    int width = 0, height = 0;
    if (backed && TTF_SizeUTF8(font, number, &width, &height) == 0) {
        const SDL_Rect backing = {
            static_cast<Sint16>(centre_x(cell) - width / 2 - number_backing),
            static_cast<Sint16>(centre_y(cell) - half_height - number_backing),
            static_cast<Uint16>(width + 2 * number_backing),
            static_cast<Uint16>(height + 2 * number_backing)};
        fill_rect(backing, white_pixel);
    }
    blit_text_centred(font, number, number_colour, centre_x(cell), centre_y(cell) - half_height);
}
void draw_cell_numbers()
{
    for (int cell = 0; cell < cell_count; ++cell) {
        if (!covered[cell]) draw_cell_number(cell);
    }
}

// The lowest free cell, which the search covers next: its box filled inside the grid.
void fill_box(int x, int y, int size)
{
    const SDL_Rect box = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(size),
                          static_cast<Uint16>(size)};
    fill_rect(box, mark_pixel);
}
void mark_free_cell(int cell)
{
    fill_box(box_left(cell) + 1, box_top(cell) + 1, drawing_pitch - 1);
}

// A dead end: the cell that can take no domino crossed out in red, its number over the cross.
void draw_cross(int x, int y, int half, int width)
{
    draw_thick_line(x - half, y - half, x + half, y + half, width, red_pixel);
    draw_thick_line(x - half, y + half, x + half, y - half, width, red_pixel);
}
void mark_dead_end(int cell)
{
    draw_cross(centre_x(cell), centre_y(cell), drawing_pitch / 3, std::max(1, drawing_pitch / 15));
}

// The dominoes of the path: the newest, which the step placed, green; the others blue. The
// line joining a domino's cells is pale, for red marks a dead end only.
void draw_path_dominoes(bool newest_marked)
{
    const std::vector<std::uint32_t>& path = step_path();
    for (std::size_t n = 0; n < path.size(); ++n) {
        const auto domino = static_cast<DominoCode>(path[n]);
        const bool newest = newest_marked && n + 1 == path.size();
        draw_domino(first_cell(domino), second_cell(domino), newest ? newest_pixel : blue_pixel,
                    join_pixel);
    }
}

// The domino a step took off, as a ghost: its bar's place tinted under the grid and the
// numbers, and outlined in dashes over them.
SDL_Rect ghost_place(DominoCode domino)
{
    return domino_bar(first_cell(domino), second_cell(domino));
}
void tint_ghost(DominoCode domino) { fill_rect(ghost_place(domino), ghost_pixel); }
void outline_ghost(DominoCode domino)
{
    const SDL_Rect p = ghost_place(domino);
    draw_dashed_box(p.x, p.y, p.x + p.w - 1, p.y + p.h - 1, std::max(3, drawing_pitch / 10),
                    std::max(1, drawing_pitch / 60), blue_pixel);
}

// The frame about the board of a complete tiling.
void frame_board()
{
    const int m = frame_margin + 1;  // outside the outline's own pixel
    const int left = box_left(0) - m, top = box_top(0) - m;
    draw_thick_box(left, top, left + drawing_pitch * board_columns + 2 * m,
                   top + drawing_pitch * board_rows + 2 * m, frame_half_width, blue_pixel);
}

void sample_free_cell(int left, int top) { fill_box(left, top, legend_sample_size); }
void sample_dead_end(int left, int top)
{
    draw_cross(left + legend_sample_size / 2, top + legend_sample_size / 2, legend_sample_size / 2,
               1);
}

// "board 4x3"
void instance(char* text, std::size_t size)
{
    std::snprintf(text, size, "board %dx%d", board_columns, board_rows);
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

// Why no domino fits on the cell: for each way a domino could lie, the cell it would need
// is covered, or the board has none there ("cell 9 is covered and it is in the last row").
// The words of the largest board keep the status line inside the page.
void write_dead_end_cause(int cell, char* text, std::size_t size)
{
    const bool last_column = (cell + 1) % board_columns == 0;
    const bool last_row = cell + board_columns >= cell_count;
    const int right = cell + 1, below = cell + board_columns;
    if (!last_column && !last_row) {
        std::snprintf(text, size, "cells %d and %d are covered", right, below);
    } else if (!last_column) {
        std::snprintf(text, size, "cell %d is covered and it is in the last row", right);
    } else if (!last_row) {
        std::snprintf(text, size, "it is in the last column; cell %d is covered", below);
    } else {
        std::snprintf(text, size, "it is in the last column and the last row");
    }
}

void describe(StepEvent event, char* text, std::size_t size)
{
    if (is_start_event(event)) {
        std::snprintf(text, size, "the empty board: %s",
                      cell_count % 2 == 0 ? "the search covers cell 0 first"
                                          : "an odd number of cells, no search");
        return;
    }
    const auto domino = static_cast<DominoCode>(step_item(event));
    const int a = first_cell(domino), b = second_cell(domino);
    char cause[64];
    switch (step_kind(event)) {
    case SearchStep::enter:
        std::snprintf(text, size, "place %d-%d on cell %d", a, b, a);
        return;
    case SearchStep::found:
        std::snprintf(text, size, "place %d-%d on cell %d: tiling %lld", a, b, a, steps_found());
        return;
    case SearchStep::dead_end: {
        const int cell = lowest_free_cell_shown();
        write_dead_end_cause(cell, cause, sizeof cause);
        std::snprintf(text, size, "dead end at cell %d: %s", cell, cause);
        return;
    }
    case SearchStep::back_up:
        std::snprintf(text, size, "back up: take %d-%d off%s", a, b,
                      step_path().empty() ? ", the board is empty again" : "");
        return;
    case SearchStep::turned_down:
        return;
    }
}

void draw(std::size_t index, StepFacts& facts)
{
    const StepEvent event = step_record.at(index);
    const bool start = is_start_event(event);
    const SearchStep step = step_kind(event);
    const auto domino = static_cast<DominoCode>(step_item(event));
    const bool ghost = !start && step == SearchStep::back_up;
    cover_path();
    const int free_cell = lowest_free_cell_shown();
    const bool searched = cell_count % 2 == 0;
    if ((start ? searched : step == SearchStep::enter) && free_cell < cell_count) {
        mark_free_cell(free_cell);
    }
    if (ghost) tint_ghost(domino);
    draw_grid();
    draw_cell_numbers();
    draw_path_dominoes(!start && (step == SearchStep::enter || step == SearchStep::found));
    if (ghost) outline_ghost(domino);
    if (!start && step == SearchStep::found) frame_board();
    if (!start && step == SearchStep::dead_end) {
        mark_dead_end(free_cell);
        draw_cell_number(free_cell, true);
    }
    describe(event, facts.words, sizeof facts.words);
    facts.depth = step_path().size();
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

// The call stack: a call is named by the domino it placed, a candidate by the cell it covers
// and the way it lies: the search tries the horizontal domino first, then the vertical one.
void call_words(const StackFrame& frame, char* text, std::size_t size)
{
    const auto domino = static_cast<DominoCode>(frame.item);
    std::snprintf(text, size, "%d-%d", first_cell(domino), second_cell(domino));
}

void candidate_words(const StackFrame& frame, char* text, std::size_t size)
{
    const auto domino = static_cast<DominoCode>(frame.candidate);
    const bool vertical = second_cell(domino) - first_cell(domino) == board_columns;
    std::snprintf(text, size, "cell %d %s, the %s of 2", first_cell(domino),
                  vertical ? "vertical" : "horizontal", vertical ? "2nd" : "1st");
}

// The dominoes that fit on the lowest free cell once the calls down to depth placed theirs.
// The path is the step's: the candidates are those of its lowest free cell.
int candidates(std::size_t, std::uint32_t* out, int most)
{
    cover_path();
    const int cell = lowest_free_cell_shown();
    int count = 0;
    if (cell == cell_count) return count;
    for (const int other : {right_of(cell), below(cell)}) {
        if (other == no_cell || covered[other]) continue;
        if (count < most) out[count] = static_cast<std::uint32_t>(domino_code(cell, other));
        ++count;
    }
    return count;
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
    .instance = instance,
    .header = header,
    .header_place = header_place,
    .legend = {.text_top = legend_top,
               .sample_top = legend_sample_top,
               .sample_width = legend_sample_size,
               .text_gap = legend_text_gap,
               .items = {{.left = legend_free_cell_left,
                          .sample = sample_free_cell,
                          .words = "lowest free cell: covered next"},
                         {.left = legend_dead_end_left,
                          .sample = sample_dead_end,
                          .words = "dead end: no domino fits"}}},
    .step_zero = true,
    .start = start,
    .draw = draw,
    .draw_end = draw_end,
    .call_words = {.call = call_words, .candidate = candidate_words},
    .candidates = candidates,
    .found_one = "tiling",
    .found_many = "tilings",
};

void show_tile_step(SearchStep step, DominoCode domino, int depth, int free_cell)
{
    TraceNode node;
    const bool reached = tile_trace_node(step, domino, depth, free_cell, node);
    take_step(step_event(step, static_cast<std::uint32_t>(domino)), reached ? &node : nullptr);
}
