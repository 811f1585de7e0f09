// jugview's step mode: the search drawn one step at a time.
#include "jugview/step_view.h"

#include <cstdio>
#include <vector>

#include "jugview/jug_picture.h"
#include "raster/raster.h"
#include "raster/step_pace.h"
#include "raster/window.h"

Uint32 mark_pixel;

namespace {

// The states of the path the search stands on, the start first.
std::vector<JugState> path;

constexpr int mark_margin = 4;  // between a picture and the frame or cross that marks it
constexpr int mark_half_width = 1;

// The pictures' box at (x, y), widened by the margin: x0, y0, x1, y1.
void marked_box(int x, int y, int box[4])
{
    box[0] = x - mark_margin;
    box[1] = y - row_height() - mark_margin;
    box[2] = x + picture_width + mark_margin;
    box[3] = y + mark_margin;
}

// A goal is framed.
void frame(int x, int y)
{
    int b[4];
    marked_box(x, y, b);
    draw_thick_line(b[0], b[1], b[2], b[1], mark_half_width, mark_pixel);
    draw_thick_line(b[2], b[1], b[2], b[3], mark_half_width, mark_pixel);
    draw_thick_line(b[2], b[3], b[0], b[3], mark_half_width, mark_pixel);
    draw_thick_line(b[0], b[3], b[0], b[1], mark_half_width, mark_pixel);
}

// A pour turned down is crossed out.
void cross_out(int x, int y)
{
    int b[4];
    marked_box(x, y, b);
    draw_thick_line(b[0], b[1], b[2], b[3], mark_half_width, mark_pixel);
    draw_thick_line(b[0], b[3], b[2], b[1], mark_half_width, mark_pixel);
}

// Draws the page that holds the last picture of the path, as a solution's pictures flow,
// and marks that picture as the step asks.
void draw_path(PourStep step)
{
    SDL_FillRect(screen, nullptr, white_pixel);
    if (path.empty()) return;
    // The page of the last picture starts at the picture after the last page break.
    size_t first_on_page = 0;
    int x = picture_left, y = solution_top();
    int page_x = x, page_y = y;
    for (size_t n = 1; n < path.size(); ++n) {
        if (next_picture_place(x, y)) {
            first_on_page = n;
            page_x = x;
            page_y = y;
        }
    }
    x = page_x;
    y = page_y;
    for (size_t n = first_on_page; n < path.size(); ++n) {
        std::int32_t amount[jug_count];
        unpack_state(path[n], amount);
        draw_jug_picture(x, y, amount);
        if (n + 1 == path.size()) {
            if (step == PourStep::goal) frame(x, y);
            if (step == PourStep::turned_down) cross_out(x, y);
        } else {
            next_picture_place(x, y);
        }
    }
}

// What the step did, in words.
void describe(PourStep step, JugState state, int depth, char* text, size_t size)
{
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    switch (step) {
    case PourStep::enter: {
        if (depth == 1) {
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
    case PourStep::goal:
        std::snprintf(text, size, "solution %d", static_cast<int>(solution_count));
        return;
    case PourStep::turned_down:
        std::snprintf(text, size, "(%d %d %d) is already on the path", amount[0], amount[1],
                      amount[2]);
        return;
    case PourStep::back_up:
        std::snprintf(text, size, "back up");
        return;
    }
}

}  // namespace

void start_step_view(TTF_Font* font, int delay_ms)
{
    start_steps(font, delay_ms);
    path.clear();
}

void show_pour_step(PourStep step, JugState state, int depth)
{
    if (step != PourStep::turned_down) path.resize(static_cast<size_t>(depth - 1));
    if (step == PourStep::enter || step == PourStep::goal) path.push_back(state);
    char words[80];
    describe(step, state, depth, words, sizeof words);
    // A pour turned down stands at the next place for its own step only.
    const bool shown_for_a_step = step == PourStep::turned_down;
    if (shown_for_a_step) path.push_back(state);
    draw_path(step);
    if (shown_for_a_step) path.pop_back();
    take_step(path.size(), "solutions", solution_count, words);
}

void show_step_view_end()
{
    SDL_FillRect(screen, nullptr, white_pixel);
    path.clear();
    show_last_step_status(path.size(), "solutions", solution_count, "the search is over");
}
