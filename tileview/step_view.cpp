// tileview's step mode: the search drawn one step at a time on one large board.
#include "tileview/step_view.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "raster/raster.h"
#include "raster/step_pace.h"
#include "raster/window.h"
#include "tileview/tiling_picture.h"

Uint32 mark_pixel;

namespace {

TTF_Font* text_font;
int step_delay_ms = -1;
long long step_number;

// The dominoes placed so far, in the order they were placed.
std::vector<DominoCode> placed;

// The board fills the page between the header and the status line.
constexpr int board_left = 20;
constexpr int board_top = 45;
constexpr int board_right = 780;
constexpr int board_bottom = 545;
constexpr SDL_Rect header_place = {10, 10, 0, 0};
constexpr SDL_Color text_colour = {0, 0, 0, 0};

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

void show_header()
{
    char line[40];
    std::snprintf(line, sizeof line, "M*N =  %d*%d", board_columns, board_rows);
    blit_text(text_font, line, text_colour, header_place);
}

void show_texts(const char* words)
{
    show_header();
    show_step_status(text_font, step_number, placed.size(), "tilings", tiling_count, words);
}

}  // namespace

void start_step_view(TTF_Font* font, int delay_ms)
{
    text_font = font;
    step_delay_ms = delay_ms;
    step_number = 0;
    placed.clear();
    drawing_diagrams = false;
    // As large as the page allows, cell centres half a pitch inside the board's edges.
    drawing_pitch = std::min((board_right - board_left) / board_columns,
                             (board_bottom - board_top) / board_rows);
    cursor_x = board_left + drawing_pitch / 2;
    cursor_y = board_top + drawing_pitch / 2;
}

void show_tile_step(TileStep step, DominoCode domino, int depth, int free_cell)
{
    ++step_number;
    placed.resize(static_cast<size_t>(depth - 1));
    if (step != TileStep::back_up) placed.push_back(domino);

    SDL_FillRect(screen, nullptr, white_pixel);
    for (const DominoCode d : placed) draw_domino(first_cell(d), second_cell(d));
    if (step == TileStep::enter && free_cell < cell_count) mark_free_cell(free_cell);
    if (step == TileStep::dead_end) mark_dead_end(free_cell);
    char words[80];
    describe(step, domino, free_cell, words, sizeof words);
    show_texts(words);
    SDL_Flip(screen);
    if (!wait_for_step(step_delay_ms)) throw StepModeQuit();
}

void show_step_view_end()
{
    SDL_FillRect(screen, nullptr, white_pixel);
    show_header();
}
