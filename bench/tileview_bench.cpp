// tileview's drawing: one full page of 49 diagrams, shown with its flip, and a step's page.
#include <benchmark/benchmark.h>

#include "step_pages.h"
#include "tileview/step_view.h"
#include "tileview/tiling_picture.h"
#include "tiling/tiling.h"
#include "tiling/tiling_trace.h"
#include "window_setup.h"

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

static void record_tile_step(SearchStep step, DominoCode domino, int depth, int free_cell)
{
    TraceNode node;
    const bool reached = tile_trace_node(step, domino, depth, free_cell, node);
    record_bench_step(step_event(step, static_cast<std::uint32_t>(domino)),
                      reached ? &node : nullptr);
}

// Steps 1,000 to 1,149 of the 6x4 board's search, on its large board. The diagram pages drawn
// before are put back as they were.
static void BM_tileview_step_page(benchmark::State& state)
{
    bench_step_pages(state, tile_step_view, 1000, [] {
        record_bench_step(start_event(), nullptr);
        tile_step_action = record_tile_step;
        enumerate_tilings();
        tile_step_action = nullptr;
    });
    drawing_diagrams = true;
    drawing_pitch = cell_pitch;
}
BENCHMARK(BM_tileview_step_page)->STEP_PAGE_ARGUMENTS;

BENCH_MAIN_WITH_SCREEN(map_tiling_colours)
