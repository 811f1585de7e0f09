// tileview's step mode: the search drawn one step at a time on one large board.
#include "tileview/step_view.h"

#include <algorithm>
#include <cstdio>

#include "raster/raster.h"
#include "raster/step_pace.h"
#include "raster/window.h"
#include "tileview/tiling_picture.h"

Uint32 mark_pixel;

namespace {

// The board fills the page between the header, which stays as the program wrote it, and
// the status line.
constexpr int board_left = 20;
constexpr int board_top = 45;
constexpr int board_right = 780;
constexpr int board_bottom = 545;
constexpr int below_header = 40;

// Clears the page below the header.
void clear_below_header()
{
    SDL_Rect below = {0, below_header, static_cast<Uint16>(screen->w),
                      static_cast<Uint16>(screen->h - below_header)};
    SDL_FillRect(screen, &below, white_pixel);
}

// The centre of a cell on the large board.
int centre_x(int cell) { return cursor_x + drawing_pitch * (cell % board_columns); }
int centre_y(int cell) { return cursor_y + drawing_pitch * (cell / board_columns); }

// The lowest free cell: a black square on it.
void mark_free_cell(int cell)
{
    const int half = drawing_pitch / 6;
    SDL_Rect square = {static_cast<Sint16>(centre_x(cell) - half),
                       static_cast<Sint16>(centre_y(cell) - half),
                       static_cast<Uint16>(2 * half + 1), static_cast<Uint16>(2 * half + 1)};
    SDL_FillRect(screen, &square, mark_pixel);
}

// A dead end: the cell that can take no domino crossed out in red.
void mark_dead_end(int cell)
{
    const int half = drawing_pitch / 3;
    const int x = centre_x(cell), y = centre_y(cell);
    const int width = std::max(1, drawing_pitch / 15);
    draw_thick_line(x - half, y - half, x + half, y + half, width, red_pixel);
    draw_thick_line(x - half, y + half, x + half, y - half, width, red_pixel);
}

void describe(TileStep step, DominoCode domino, int free_cell, char* text, size_t size)
{
    switch (step) {
    case TileStep::enter:
        std::snprintf(text, size, "place %d-%d", first_cell(domino), second_cell(domino));
        return;
    case TileStep::tiling:
        std::snprintf(text, size, "tiling %lld", static_cast<long long>(tiling_count));
        return;
    case TileStep::dead_end:
        std::snprintf(text, size, "dead end at cell %d", free_cell);
        return;
    case TileStep::back_up:
        std::snprintf(text, size, "back up");
        return;
    }
}

}  // namespace

void start_step_view(TTF_Font* font, int delay_ms)
{
    start_steps(font, delay_ms);
    drawing_diagrams = false;
    // As large as the page allows, cell centres half a pitch inside the board's edges.
    drawing_pitch = std::min((board_right - board_left) / board_columns,
                             (board_bottom - board_top) / board_rows);
    cursor_x = board_left + drawing_pitch / 2;
    cursor_y = board_top + drawing_pitch / 2;
}

void show_tile_step(TileStep step, DominoCode domino, int depth, int free_cell)
{
    // On the board: the dominoes of the slots below depth, which the search keeps, and the
    // step's own unless the step took it away.
    const bool taken_away = step == TileStep::back_up;
    clear_below_header();
    draw_placed_dominoes(depth);
    if (!taken_away) draw_domino(first_cell(domino), second_cell(domino));
    if (step == TileStep::enter && free_cell < cell_count) mark_free_cell(free_cell);
    if (step == TileStep::dead_end) mark_dead_end(free_cell);
    char words[80];
    describe(step, domino, free_cell, words, sizeof words);
    const size_t placed = static_cast<size_t>(depth - (taken_away ? 1 : 0));
    take_step(placed, "tilings", tiling_count, words);
}

void show_step_view_end() { clear_below_header(); }
