// tileview's drawing: one full page of 49 diagrams, shown with its flip.
#include <benchmark/benchmark.h>

#include "tiling/tiling.h"
#include "tileview/tiling_picture.h"
#include "window_setup.h"

static void map_bench_colours()
{
    white_pixel = SDL_MapRGB(screen->format, 255, 255, 255);
    blue_pixel = SDL_MapRGB(screen->format, 0, 0, 250);
    red_pixel = SDL_MapRGB(screen->format, 255, 0, 0);
}

// Stores a whole tiling as the search leaves it for the display step.
static DominoCode store_tiling(bool horizontal)
{
    int slot = 2;
    DominoCode last = 0;
    for (int a = 0; a < cell_count; ++a) {
        const bool starts = horizontal ? a % 2 == 0 : a % (2 * board_columns) < board_columns;
        if (!starts) continue;
        last = domino_code(a, a + (horizontal ? 1 : board_columns));
        if (slot <= domino_count) placed_dominoes[slot++] = last;
    }
    return last;
}

// A page with its flip (flips:1) and the drawing alone (flips:0).
static void BM_tileview_page(benchmark::State& state)
{
    for (auto _ : state) {
        SDL_FillRect(screen, nullptr, white_pixel);
        for (int n = 0; n < 49; ++n) {
            const DominoCode last = store_tiling(n % 2 == 0);
            cursor_x = page_margin + diagram_advance_x() * (n % 7);
            cursor_y = page_margin + diagram_advance_y() * (n / 7);
            draw_placed_dominoes(domino_count);
            draw_domino(first_cell(last), second_cell(last));
        }
        if (state.range(0) != 0) SDL_Flip(screen);
    }
}
BENCHMARK(BM_tileview_page)->ArgName("flips")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

BENCH_MAIN_WITH_SCREEN()
