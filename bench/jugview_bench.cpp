// jugview's drawing: one solution page, a step's page, single lines, and the full-screen fill
// as the floor.
#include <benchmark/benchmark.h>

#include "jugview/jug_picture.h"
#include "jugview/step_view.h"
#include "pour/pour.h"
#include "pour/pour_trace.h"
#include "step_pages.h"
#include "window_setup.h"

// As in step mode: the step that reaches the goal shows it.
void report_solution(JugState, int) { ++solution_count; }

// The page benchmarks run with the flips and without them: the difference is SDL's work of
// presenting the screen, the rest is our own drawing.
static bool flips_on = true;
extern "C" int __real_SDL_Flip(SDL_Surface* surface);
extern "C" int __wrap_SDL_Flip(SDL_Surface* surface)
{
    return flips_on ? __real_SDL_Flip(surface) : 0;
}

// Solution 12, the deepest: 15 pictures, each with its flip.
static void BM_jugview_solution_page(benchmark::State& state)
{
    flips_on = state.range(0) != 0;
    static const int states[15][3] = {{10, 0, 0}, {7, 0, 3}, {7, 3, 0}, {4, 3, 3}, {4, 5, 1},
                                      {9, 0, 1},  {9, 1, 0}, {6, 1, 3}, {6, 4, 0}, {3, 4, 3},
                                      {2, 5, 3},  {5, 5, 0}, {5, 2, 3}, {8, 2, 0}, {8, 0, 2}};
    for (auto _ : state) {
        SDL_FillRect(screen, nullptr, white_pixel);
        cursor_x = 20;
        cursor_y = 100;
        for (const auto& s : states) draw_jug_state(s[0], s[1], s[2]);
    }
}
BENCHMARK(BM_jugview_solution_page)
    ->ArgName("flips")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

static void record_pour_step(SearchStep step, JugState state, int depth)
{
    TraceNode node;
    const bool reached = pour_trace_node(step, state, depth, node);
    record_bench_step(step_event(step, static_cast<std::uint32_t>(state)),
                      reached ? &node : nullptr);
}

// Steps 101 to 250 of the default jugs' 394, the first solution among them.
static void BM_jugview_step_page(benchmark::State& state)
{
    flips_on = true;
    bench_step_pages(state, pour_step_view, 100, [] {
        solution_count = 0;
        pour_step_action = record_pour_step;
        start_pour_search();
        pour_step_action = nullptr;
    });
}
BENCHMARK(BM_jugview_step_page)->STEP_PAGE_ARGUMENTS;

static void BM_draw_thick_line_60(benchmark::State& state)
{
    for (auto _ : state) draw_thick_line(100, 100, 160, 100, 1, black_pixel);
}
BENCHMARK(BM_draw_thick_line_60)->Unit(benchmark::kMicrosecond);

static void BM_draw_line_60(benchmark::State& state)
{
    for (auto _ : state) draw_line(100, 100, 160, 130, black_pixel);
}
BENCHMARK(BM_draw_line_60);

static void BM_fill_screen(benchmark::State& state)
{
    for (auto _ : state) SDL_FillRect(screen, nullptr, white_pixel);
}
BENCHMARK(BM_fill_screen)->Unit(benchmark::kMicrosecond);

// One liquid bar as a picture makes it: a surface of its own, filled and blitted.
static void BM_bar_surface(benchmark::State& state)
{
    const SDL_PixelFormat* f = screen->format;
    for (auto _ : state) {
        SDL_Surface* bar = SDL_CreateRGBSurface(SDL_SWSURFACE, 36, 4, f->BitsPerPixel, f->Rmask,
                                                f->Gmask, f->Bmask, f->Amask);
        SDL_FillRect(bar, nullptr, red_pixel);
        SDL_Rect place = {22, 96, 0, 0};
        SDL_BlitSurface(bar, nullptr, screen, &place);
        SDL_FreeSurface(bar);
    }
}
BENCHMARK(BM_bar_surface);

// What one flip of the screen costs on this driver: a page pays it once per picture.
static void BM_flip(benchmark::State& state)
{
    flips_on = true;
    for (auto _ : state) SDL_Flip(screen);
}
BENCHMARK(BM_flip)->Unit(benchmark::kMicrosecond);

BENCH_MAIN_WITH_SCREEN(map_jug_colours)
