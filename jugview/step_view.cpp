// jugview's step mode: the search drawn one step at a time, any step kept drawn again.
#include "jugview/step_view.h"

#include <cstdio>
#include <vector>

#include "jugview/jug_picture.h"
#include "pour/pour_trace.h"
#include "raster/raster.h"
#include "raster/step_pace.h"
#include "raster/window.h"

Uint32 mark_pixel;

namespace {

constexpr SDL_Color black = {0, 0, 0, 0};

// The header line names the puzzle as the options write it; the legend beside it says what
// the marks mean, each after a small one of its kind.
constexpr SDL_Rect header_place = {20, 10, 0, 0};
constexpr SDL_Rect no_solution_place = {20, 50, 0, 0};  // below the header line
constexpr int legend_top = 14;                          // the legend's texts, in the small font
constexpr int legend_sample_top = 16;                   // its marks, as tall as its letters
constexpr int legend_sample_width = 18;
constexpr int legend_sample_height = 10;
constexpr int legend_text_gap = 6;            // between a mark and its words
constexpr int legend_goal_left = 440;         // the frame and its words
constexpr int legend_turned_down_left = 590;  // the cross and its words

constexpr int mark_margin = 4;  // between a picture and the frame or cross that marks it
constexpr int mark_half_width = 1;

// The amounts stand under the pictures, their texts' tops amount_top rows below the
// baseline: with the small font's own blank rows above its digits that leaves the digits a
// gap under the containers' base, and they end amount_height rows below the baseline. The
// rows of pictures stand that much further apart than on a solution's page.
constexpr int amount_top = 2;
constexpr int amount_height = 14;
constexpr int step_row_gap = row_gap + amount_height;

void draw_box(int x0, int y0, int x1, int y1, bool crossed)
{
    if (crossed) {
        draw_thick_line(x0, y0, x1, y1, mark_half_width, mark_pixel);
        draw_thick_line(x0, y1, x1, y0, mark_half_width, mark_pixel);
        return;
    }
    draw_thick_box(x0, y0, x1, y1, mark_half_width, mark_pixel);
}

// A goal is framed and a pour turned down crossed out, the picture with its amounts.
void mark_picture(int x, int y, bool crossed)
{
    draw_box(x - mark_margin, y - row_height() - mark_margin, x + picture_width + mark_margin,
             y + amount_height + mark_margin, crossed);
}

void sample_frame(int left, int top)
{
    draw_box(left, top, left + legend_sample_width, top + legend_sample_height, false);
}
void sample_cross(int left, int top)
{
    draw_box(left, top, left + legend_sample_width, top + legend_sample_height, true);
}

// "jugs 10,5,3   goal *,*,2"
void header(char* text, std::size_t size, long long)
{
    char goal[3][4];
    for (int k = 0; k < jug_count; ++k) {
        if (jug_goal[k] == any_amount) {
            std::snprintf(goal[k], sizeof goal[k], "*");
        } else {
            std::snprintf(goal[k], sizeof goal[k], "%d", jug_goal[k]);
        }
    }
    std::snprintf(text, size, "jugs %d,%d,%d   goal %s,%s,%s", jug_capacity[0], jug_capacity[1],
                  jug_capacity[2], goal[0], goal[1], goal[2]);
}

// The amount of each jug under its container.
void draw_amounts(int x, int y, const std::int32_t amount[jug_count])
{
    for (int k = 0; k < jug_count; ++k) {
        char number[12];  // any int
        std::snprintf(number, sizeof number, "%d", amount[k]);
        blit_text_centred(step_small_font, number, black,
                          x + k * (jug_width + jug_gap) + jug_width / 2, y + amount_top);
    }
}

// Moves a picture's place on as a solution's pictures flow, with room for the amounts under
// each row; every page of the path starts where a solution's first page does, below the
// header line.
bool next_step_place(int& x, int& y)
{
    return next_picture_place(x, y, step_row_gap, solution_top());
}

// Draws the page that holds the last picture of the path, as a solution's pictures flow,
// and marks that picture as the step asks.
void draw_path(const std::vector<std::uint32_t>& path, SearchStep step)
{
    // The page of the last picture starts at the picture after the last page break.
    std::size_t first_on_page = 0;
    int x = picture_left, y = solution_top();
    int page_x = x, page_y = y;
    for (std::size_t n = 1; n < path.size(); ++n) {
        if (next_step_place(x, y)) {
            first_on_page = n;
            page_x = x;
            page_y = y;
        }
    }
    x = page_x;
    y = page_y;
    for (std::size_t n = first_on_page; n < path.size(); ++n) {
        std::int32_t amount[jug_count];
        unpack_state(path[n], amount);
        draw_jug_picture(x, y, amount);
        draw_amounts(x, y, amount);
        if (n + 1 == path.size()) {
            if (step == SearchStep::found) mark_picture(x, y, false);
            if (step == SearchStep::turned_down) mark_picture(x, y, true);
        } else {
            next_step_place(x, y);
        }
    }
}

// What the step did, in words.
void describe(SearchStep step, JugState state, char* text, std::size_t size)
{
    const std::vector<std::uint32_t>& path = step_path();
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    switch (step) {
    case SearchStep::enter: {
        if (path.size() == 1) {
            std::snprintf(text, size, "start with (%d %d %d)", amount[0], amount[1], amount[2]);
            return;
        }
        std::int32_t before[jug_count];
        unpack_state(path[path.size() - 2], before);
        int from = 0, to = 0;
        for (int k = 0; k < jug_count; ++k) {
            if (amount[k] < before[k]) from = k + 1;
            if (amount[k] > before[k]) to = k + 1;
        }
        std::snprintf(text, size, "pour %d into %d", from, to);
        return;
    }
    case SearchStep::found:
        std::snprintf(text, size, "solution %lld", steps_found());
        return;
    case SearchStep::turned_down:
        std::snprintf(text, size, "(%d %d %d) is already on the path", amount[0], amount[1],
                      amount[2]);
        return;
    case SearchStep::back_up:
        std::snprintf(text, size, "back up");
        return;
    case SearchStep::dead_end:
        return;
    }
}

void draw(std::size_t index, StepFacts& facts)
{
    const StepEvent event = step_record.at(index);
    const SearchStep step = step_kind(event);
    const JugState state = static_cast<JugState>(step_item(event));
    // A pour turned down stands at the next place for its own step only.
    std::vector<std::uint32_t> shown = step_path();
    if (step == SearchStep::turned_down) shown.push_back(step_item(event));
    draw_path(shown, step);
    describe(step, state, facts.words, sizeof facts.words);
    facts.depth = step_path().size();
    facts.found = steps_found();
}

// The page after the last step: the puzzle, and the status line that ends the run.
void draw_end()
{
    if (solution_count == 0) blit_text(step_font, no_solution_words, black, no_solution_place);
    show_step_status(static_cast<long long>(step_record.end()), 0, solution_count,
                     solution_count == 0 ? "the search is over: no solution"
                                         : "the search is over");
}

}  // namespace

const StepView pour_step_view = {
    "solutions",
    header,
    header_place,
    {legend_top,
     legend_sample_top,
     legend_sample_width,
     legend_text_gap,
     {{legend_goal_left, sample_frame, "the goal"},
      {legend_turned_down_left, sample_cross, "already on the path"}}},
    nullptr,
    draw,
    draw_end,
};

void show_pour_step(SearchStep step, JugState state, int depth)
{
    TraceNode node;
    const bool reached = pour_trace_node(step, state, depth, node);
    take_step(step_event(step, static_cast<std::uint32_t>(state)), reached ? &node : nullptr);
}
