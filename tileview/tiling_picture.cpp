// A tiling drawn as a small diagram of blue bars, and the pages of diagrams.
#include "tileview/tiling_picture.h"

#include <algorithm>
#include <cstdio>

#include "raster/raster.h"
#include "tileview/step_view.h"

int cursor_x = page_margin;
int cursor_y = first_page_top;

Uint32 white_pixel;
Uint32 blue_pixel;
Uint32 red_pixel;

void map_tiling_colours(const SDL_PixelFormat* format)
{
    white_pixel = SDL_MapRGB(format, 255, 255, 255);
    blue_pixel = SDL_MapRGB(format, 0, 0, 250);
    red_pixel = SDL_MapRGB(format, 255, 0, 0);
    mark_pixel = SDL_MapRGB(format, 255, 220, 100);
    grid_pixel = SDL_MapRGB(format, 200, 200, 200);
    newest_pixel = SDL_MapRGB(format, 0, 120, 50);
    join_pixel = SDL_MapRGB(format, 170, 200, 255);
    ghost_pixel = SDL_MapRGB(format, 220, 228, 255);
}

int page_bottom;
bool drawing_diagrams = true;
int drawing_pitch = cell_pitch;

// Each cell's half of a bar reaches a third of the pitch past its centre on the outer
// sides, so two dominoes side by side keep pitch - 2 * outer - 1 background pixels between
// them (4 in a diagram): that gap shows where one domino ends and the next begins. Towards
// the partner cell it reaches half the pitch, so that the two halves meet without
// overlapping. The joining line's half-width is a fifteenth of the pitch, at least 1.
static int bar_outer() { return drawing_pitch / 3; }
static int bar_inner() { return (drawing_pitch - 1) / 2; }
static int line_half_width() { return std::max(1, drawing_pitch / 15); }

// The pixels (cx + dx, cy + dy) for dx from -left to right and dy from -up to down.
static SDL_Rect block(int cx, int cy, int left, int right, int up, int down)
{
    return {static_cast<Sint16>(cx - left), static_cast<Sint16>(cy - up),
            static_cast<Uint16>(left + right + 1), static_cast<Uint16>(up + down + 1)};
}

SDL_Rect domino_bar(int a, int b)
{
    const int xa = cursor_x + drawing_pitch * (a % board_columns);
    const int ya = cursor_y + drawing_pitch * (a / board_columns);
    const int outer = bar_outer();
    const int length = drawing_pitch * (b == a + board_columns ? 0 : 1);
    const int height = drawing_pitch * (b == a + board_columns ? 1 : 0);
    return block(xa, ya, outer, outer + length, outer, outer + height);
}

void draw_domino(int a, int b, Uint32 bar_colour, Uint32 line_colour)
{
    const int xa = cursor_x + drawing_pitch * (a % board_columns);
    const int ya = cursor_y + drawing_pitch * (a / board_columns);
    const int xb = cursor_x + drawing_pitch * (b % board_columns);
    const int yb = cursor_y + drawing_pitch * (b / board_columns);
    // The first cell's half reaches bar_inner() towards the second, and the second's the rest
    // of the pitch, so that they meet at an even pitch too.
    const int outer = bar_outer(), inner = bar_inner(), inner_b = drawing_pitch - 1 - inner;

    // On a board one column wide the cell after a is the one below it: vertical first.
    SDL_Rect halves[2] = {};
    if (b == a + board_columns) {
        halves[0] = block(xa, ya, outer, outer, outer, inner);
        halves[1] = block(xb, yb, outer, outer, inner_b, outer);
    } else if (b == a + 1) {
        halves[0] = block(xa, ya, outer, inner, outer, outer);
        halves[1] = block(xb, yb, inner_b, outer, outer, outer);
    }
    for (SDL_Rect& half : halves) {
        if (half.w > 0) fill_rect(half, bar_colour);
    }
    draw_thick_line(xa, ya, xb, yb, line_half_width(), line_colour);
}

void draw_placed_dominoes(int k)
{
    if (k < 2) {
        return;  // a one-domino tiling has nothing stored
    }
    if (k > 2) {
        draw_placed_dominoes(k - 1);
    }
    draw_domino(first_cell(placed_dominoes[k]), second_cell(placed_dominoes[k]));
}

void show_tiling(DominoCode last)
{
    if (!drawing_diagrams) {
        return;
    }
    draw_placed_dominoes(domino_count);
    draw_domino(first_cell(last), second_cell(last));
    page_bottom = cursor_y + cell_pitch * (board_rows - 1) + bar_outer();

    cursor_x += diagram_advance_x();
    if (cursor_x > diagram_right_limit()) {
        cursor_y += diagram_advance_y();
        cursor_x = page_margin;
    }
    if (cursor_y > diagram_bottom_limit()) {
        SDL_Flip(screen);
        wait_key_or_quit();
        SDL_FillRect(screen, nullptr, white_pixel);
        cursor_x = page_margin;
        cursor_y = page_margin;
        page_bottom = 0;
    }
}

void show_tiling_counts(TTF_Font* font)
{
    constexpr SDL_Color black = {0, 0, 0, 0};
    // Room for the closed form of the largest board, a figure of over 230 digits.
    char text[512];
    std::snprintf(text, sizeof text,
                  "Number of tilings (theoretic and experimental)=  %3.0lf   %lld",
                  closed_form_tiling_count(), static_cast<long long>(tiling_count));
    blit_text(font, text, black, tiling_counts_place);
}
