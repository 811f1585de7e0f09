// A step's page in step mode drawn as a step shows it, at scale 1 and at the scale that Present
// asks for on a 1920x1080 screen, with the picture or the tree view: the steps of the program's
// search recorded first, as step mode records them, and the pages of 150 of them drawn in turn,
// each timed.
#ifndef BENCH_STEP_PAGES_H
#define BENCH_STEP_PAGES_H

#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

#include "median.h"
#include "raster/page_size.h"
#include "raster/raster.h"
#include "raster/window.h"
#include "steps/step_navigation.h"
#include "steps/step_paces.h"
#include "steps/step_player.h"
#include "steps/step_tree.h"
#include "steps/tree_view.h"

// The scale of the picture in Present at 1920x1080: the canvas is shown 1,270 pixels wide
// (tests/web/classroom_test.js prints it), which scale 2 covers.
constexpr int present_scale_1920 = 2;
constexpr std::size_t pages_drawn = 150;

// What the step action keeps of each step, as take_step does, without showing it.
inline void record_bench_step(StepEvent event, const TraceNode* node)
{
    step_record.add(event);
    add_step_to_tree(node);
}

// Step mode's fonts, from the build's bin folder, where the font is.
inline StepFonts bench_step_fonts()
{
    static const StepFonts fonts = [] {
        if (chdir(BIN_DIR) != 0) return StepFonts{};
        return StepFonts{open_text_font("bench"), open_text_font("bench", label_font_size),
                         open_text_font("bench", small_font_size),
                         open_text_font("bench", tree_label_font_size)};
    }();
    return fonts;
}

// Seconds of the thread's processor time.
inline double thread_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Draws the pages of pages_drawn steps from first on, each as a step shows it (the page drawn
// and flipped), at the scale range(0), with the tree view when range(1) is 1; an iteration
// draws them all. record_steps runs the search into the record once step mode has started.
// Besides the time of an iteration, the median time of one page, wall and processor.
template <class Record>
void bench_step_pages(benchmark::State& state, const StepView& view, std::size_t first,
                      Record record_steps)
{
    const int scale = static_cast<int>(state.range(0));
    screen = SDL_SetVideoMode(scale * screen_width, scale * screen_height, screen_depth,
                              SDL_HWSURFACE | SDL_DOUBLEBUF);
    draw_scale = scale;
    start_steps(bench_step_fonts(), no_pace, view,
                state.range(1) != 0 ? StepShown::tree : StepShown::picture);
    record_steps();
    std::vector<double> wall, processor;
    for (auto _ : state) {
        for (std::size_t step = first; step < first + pages_drawn; ++step) {
            const auto start = std::chrono::steady_clock::now();
            const double start_processor = thread_seconds();
            show_step_page(step);
            processor.push_back(thread_seconds() - start_processor);
            wall.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    state.counters["page_ms"] = median(wall) * 1e3;
    state.counters["page_cpu_ms"] = median(processor) * 1e3;
    draw_scale = 1;
    screen =
        SDL_SetVideoMode(screen_width, screen_height, screen_depth, SDL_HWSURFACE | SDL_DOUBLEBUF);
}

#define STEP_PAGE_ARGUMENTS                                                                        \
    ArgNames({"scale", "tree"})                                                                    \
        ->Args({1, 0})                                                                             \
        ->Args({present_scale_1920, 0})                                                            \
        ->Args({1, 1})                                                                             \
        ->Args({present_scale_1920, 1})                                                            \
        ->Unit(benchmark::kMillisecond)

#endif
