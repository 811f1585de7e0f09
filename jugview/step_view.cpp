// jugview's step mode: the search drawn one step at a time, any step kept drawn again.
#include "jugview/step_view.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "jugview/jug_picture.h"
#include "pour/pour_trace.h"
#include "raster/raster.h"
#include "steps/step_player.h"
#include "steps/step_replay.h"
#include "raster/window.h"

Uint32 mark_pixel;
Uint32 newest_pixel;
Uint32 newest_frame_pixel;
Uint32 ghost_pixel;

namespace {

constexpr SDL_Color black = {0, 0, 0, 0};
constexpr SDL_Color ghost_colour = {110, 110, 110, 0};  // as ghost_pixel

// The header line names the puzzle as the options write it, with the solutions found; the
// legend stands at the right of the same line and says what the marks mean, each after a
// small one of its kind, its words in the label font on the header's baseline.
constexpr SDL_Rect header_place = {20, 10, 0, 0};
constexpr SDL_Rect no_solution_place = {20, 50, 0, 0};  // below the header line
constexpr int legend_top = 11;
constexpr int legend_sample_top = 17;  // the marks stand as tall as the words' small letters
constexpr int legend_sample_width = 18;
constexpr int legend_sample_height = 10;
constexpr int legend_text_gap = 6;  // between a mark and its words
// The frame and "the goal" (82 pixels), then 24 further the cross and "already on the path"
// (163), which end 20 pixels inside the page: clear of the longest header, which ends at 420.
constexpr int legend_goal_left = 511;
constexpr int legend_turned_down_left = 617;

constexpr int mark_margin = 4;  // between a picture and the frame or cross that marks it
constexpr int mark_half_width = 1;
// A cross runs on a white band this wide on each side, which parts it from the containers and
// the liquid it crosses.
constexpr int cross_casing_half_width = 4;
constexpr int amount_backing = 2;      // white about an amount that a cross runs under
constexpr int amount_backing_top = 2;  // below the baseline: the first row under the base
constexpr int ghost_dash = 8;          // the dashes of the outline where a state was taken away
constexpr int ghost_half_width = 2;

// The amounts stand under the pictures in the label font, their texts' tops on the
// baseline: the font's own blank rows above its digits leave them a gap under the
// containers' base, and they end amount_height rows below the baseline. The rows of
// pictures stand that much further apart than on a solution's page.
constexpr int amount_top = 0;
constexpr int amount_height = 17;
constexpr int step_row_gap = row_gap + amount_height;

void draw_box(int x0, int y0, int x1, int y1, bool crossed)
{
    if (crossed) {
        for (const auto& [width, colour] : {std::pair{cross_casing_half_width, white_pixel},
                                            std::pair{mark_half_width, mark_pixel}}) {
            draw_thick_line(x0, y0, x1, y1, width, colour);
            draw_thick_line(x0, y1, x1, y0, width, colour);
        }
        return;
    }
    draw_thick_box(x0, y0, x1, y1, mark_half_width, mark_pixel);
}

// The box about a picture and its amounts in which its marks stand.
SDL_Rect mark_box(int x, int y)
{
    return {static_cast<Sint16>(x - mark_margin),
            static_cast<Sint16>(y - row_height() - mark_margin),
            static_cast<Uint16>(picture_width + 2 * mark_margin),
            static_cast<Uint16>(row_height() + amount_height + 2 * mark_margin)};
}

// A goal is framed and a pour turned down crossed out, the picture with its amounts.
void mark_picture(int x, int y, bool crossed)
{
    const SDL_Rect b = mark_box(x, y);
    draw_box(b.x, b.y, b.x + b.w, b.y + b.h, crossed);
}

void sample_frame(int left, int top)
{
    draw_box(left, top, left + legend_sample_width, top + legend_sample_height, false);
}
void sample_cross(int left, int top)
{
    draw_box(left, top, left + legend_sample_width, top + legend_sample_height, true);
}

// "*,*,2": the goal as --goal writes it.
void write_goal(char* text, std::size_t size)
{
    char goal[3][4];
    for (int k = 0; k < jug_count; ++k) {
        if (jug_goal[k] == any_amount) {
            std::snprintf(goal[k], sizeof goal[k], "*");
        } else {
            std::snprintf(goal[k], sizeof goal[k], "%d", jug_goal[k]);
        }
    }
    std::snprintf(text, size, "%s,%s,%s", goal[0], goal[1], goal[2]);
}

// "jugs 10,5,3, goal *,*,2"
void instance(char* text, std::size_t size)
{
    char goal[16];
    write_goal(goal, sizeof goal);
    std::snprintf(text, size, "jugs %d,%d,%d, goal %s", jug_capacity[0], jug_capacity[1],
                  jug_capacity[2], goal);
}

// "jugs 10,5,3   goal *,*,2   solutions 3"
void header(char* text, std::size_t size, long long solutions)
{
    char goal[16];
    write_goal(goal, sizeof goal);
    std::snprintf(text, size, "jugs %d,%d,%d   goal %s   solutions %lld", jug_capacity[0],
                  jug_capacity[1], jug_capacity[2], goal, solutions);
}

// The amount of each jug under its container; with backed, each on white of its own, from
// under the containers' base to under its digits, over whatever was drawn there.
void draw_amounts(int x, int y, const std::int32_t amount[jug_count], SDL_Color colour,
                  bool backed = false)
{
    for (int k = 0; k < jug_count; ++k) {
        char number[12];  // any int
        std::snprintf(number, sizeof number, "%d", amount[k]);
        const int centre = x + k * (jug_width + jug_gap) + jug_width / 2;
        int width = 0, height = 0;
        if (backed && step_label_font != nullptr &&
            TTF_SizeUTF8(step_label_font, number, &width, &height) == 0) {
            const SDL_Rect backing = {static_cast<Sint16>(centre - width / 2 - amount_backing),
                                      static_cast<Sint16>(y + amount_backing_top),
                                      static_cast<Uint16>(width + 2 * amount_backing),
                                      static_cast<Uint16>(amount_height + amount_backing)};
            fill_rect(backing, white_pixel);
        }
        blit_text_centred(step_label_font, number, colour, centre, y + amount_top);
    }
}

// Moves a picture's place on as a solution's pictures flow, with room for the amounts under
// each row; every page of the path starts where a solution's first page does, below the
// header line.
bool next_step_place(int& x, int& y)
{
    return next_picture_place(x, y, step_row_gap, solution_top());
}

// How the last picture drawn is marked: the state the step reached (the newest, on a tinted
// ground in a green frame), a goal besides (framed in the marks' blue instead), a pour turned
// down (crossed out, its amounts over the cross), or the state the step took away (a ghost:
// its containers in grey, empty, in a dashed outline).
enum class LastPicture { newest, goal, turned_down, ghost };

// Draws the page that holds the last picture of the pictures, as a solution's pictures flow,
// and marks that picture.
void draw_path(const std::vector<std::uint32_t>& pictures, LastPicture last)
{
    // The page of the last picture starts at the picture after the last page break.
    std::size_t first_on_page = 0;
    int x = picture_left, y = solution_top();
    int page_x = x, page_y = y;
    for (std::size_t n = 1; n < pictures.size(); ++n) {
        if (next_step_place(x, y)) {
            first_on_page = n;
            page_x = x;
            page_y = y;
        }
    }
    x = page_x;
    y = page_y;
    for (std::size_t n = first_on_page; n < pictures.size(); ++n) {
        std::int32_t amount[jug_count];
        unpack_state(pictures[n], amount);
        if (n + 1 < pictures.size()) {
            draw_jug_picture(x, y, amount);
            draw_amounts(x, y, amount, black);
            next_step_place(x, y);
            continue;
        }
        SDL_Rect ground = mark_box(x, y);
        if (last == LastPicture::ghost) {
            draw_jug_outline(x, y, ghost_pixel);
            draw_amounts(x, y, amount, ghost_colour);
            draw_dashed_box(ground.x, ground.y, ground.x + ground.w, ground.y + ground.h,
                            ghost_dash, ghost_half_width, ghost_pixel);
            return;
        }
        if (last != LastPicture::turned_down) fill_rect(ground, newest_pixel);
        if (last == LastPicture::newest) {
            draw_thick_box(ground.x, ground.y, ground.x + ground.w, ground.y + ground.h,
                           mark_half_width, newest_frame_pixel);
        }
        draw_jug_picture(x, y, amount);
        if (last == LastPicture::goal) mark_picture(x, y, false);
        if (last == LastPicture::turned_down) mark_picture(x, y, true);
        draw_amounts(x, y, amount, black, last == LastPicture::turned_down);
    }
}

// "(2 5 3)"
void write_state(char* text, std::size_t size, std::uint32_t state)
{
    std::int32_t amount[jug_count];
    unpack_state(static_cast<JugState>(state), amount);
    std::snprintf(text, size, "(%d %d %d)", amount[0], amount[1], amount[2]);
}

// The pour that leads from one state to the next, and where it leads ("pour 1 into 2 → (5 5 0)");
// without a state before, the start.
// The jugs a pour from state before to state after runs from and into (from 0): the one that
// lost water and the one that gained it. Both are 0 where no water moved.
void find_pour(std::uint32_t before, std::uint32_t after, int& source, int& target)
{
    std::int32_t from[jug_count], to[jug_count];
    unpack_state(static_cast<JugState>(before), from);
    unpack_state(static_cast<JugState>(after), to);
    source = target = 0;
    for (int k = 0; k < jug_count; ++k) {
        if (to[k] < from[k]) source = k;
        if (to[k] > from[k]) target = k;
    }
}

void write_move(char* text, std::size_t size, const std::uint32_t* before, std::uint32_t after)
{
    char reached[24];
    write_state(reached, sizeof reached, after);
    if (before == nullptr) {
        std::snprintf(text, size, "start with %s", reached);
        return;
    }
    int source = 0, target = 0;
    find_pour(*before, after, source, target);
    std::snprintf(text, size, "pour %d into %d \u2192 %s", source + 1, target + 1, reached);
}

// Whether the call that the step backs up from turned every pour down: the steps before it
// back to the call's entry are all candidates turned down, with no call entered between.
bool every_pour_turned_down(std::size_t step)
{
    const std::size_t first = step_record.first_kept();
    std::size_t k = step;
    while (k > first && step_kind(step_record.at(k - 1)) == SearchStep::turned_down) --k;
    return k < step && k > first && step_kind(step_record.at(k - 1)) == SearchStep::enter;
}

// What the step did, in words, with the path as it stands after it.
void describe(std::size_t index, char* text, std::size_t size)
{
    const StepEvent event = step_record.at(index);
    const std::uint32_t state = step_item(event);
    const std::vector<std::uint32_t>& path = step_path();
    char move[64];
    switch (step_kind(event)) {
    case SearchStep::enter:
        write_move(text, size, path.size() > 1 ? &path[path.size() - 2] : nullptr, state);
        return;
    case SearchStep::found:
        write_move(move, sizeof move, path.size() > 1 ? &path[path.size() - 2] : nullptr, state);
        std::snprintf(text, size, "%s: solution %lld", move, steps_found());
        return;
    case SearchStep::turned_down:
        write_move(move, sizeof move, &path.back(), state);
        std::snprintf(text, size, "%s: already on the path", move);
        return;
    case SearchStep::back_up: {
        char from[24], to[24];
        write_state(from, sizeof from, state);
        if (path.empty()) {
            std::snprintf(text, size, "back up from the start %s: the search is over", from);
            return;
        }
        write_state(to, sizeof to, path.back());
        if (every_pour_turned_down(index)) {
            std::snprintf(text, size, "back up to %s: every pour from %s is turned down", to, from);
        } else {
            std::snprintf(text, size, "back up to %s", to);
        }
        return;
    }
    case SearchStep::dead_end:
        return;
    }
}

void draw(std::size_t index, StepFacts& facts)
{
    const StepEvent event = step_record.at(index);
    // A pour turned down and a state taken away stand at the next place for their own step.
    std::vector<std::uint32_t> shown = step_path();
    LastPicture last = LastPicture::newest;
    switch (step_kind(event)) {
    case SearchStep::found:
        last = LastPicture::goal;
        break;
    case SearchStep::turned_down:
        last = LastPicture::turned_down;
        shown.push_back(step_item(event));
        break;
    case SearchStep::back_up:
        last = LastPicture::ghost;
        shown.push_back(step_item(event));
        break;
    case SearchStep::enter:
    case SearchStep::dead_end:
        break;
    }
    draw_path(shown, last);
    describe(index, facts.words, sizeof facts.words);
    facts.depth = step_path().size();
}

// The call stack: a call is named by its state, a candidate by its pour and the pour's place
// among the six, which the search tries in this order whether or not they pour anything.
void call_words(const StackFrame& frame, char* text, std::size_t size)
{
    write_state(text, size, frame.item);
}

// "pour 1 into 2, the 1st of 6 pours": where it leads is the next call's to say.
void candidate_words(const StackFrame& frame, char* text, std::size_t size)
{
    static const char* const ordinals[max_pours] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    int source = 0, target = 0;
    find_pour(frame.item, frame.candidate, source, target);
    // A candidate always moves water; one that moved none would have no place among the pours.
    if (source == target) {
        std::snprintf(text, size, "pour %d into %d", source + 1, target + 1);
        return;
    }
    // The pours run source by source, each into the other jugs in order, as pour_results
    // tries them.
    const int rank = source * (jug_count - 1) + (target < source ? target : target - 1);
    std::snprintf(text, size, "pour %d into %d, the %s of %d pours", source + 1, target + 1,
                  ordinals[rank], max_pours);
}

int candidates(std::size_t depth, std::uint32_t* out, int most)
{
    // At the top the search has made its one call, from the start: nothing is left there.
    if (depth == 0) return 0;
    std::int32_t amount[jug_count];
    unpack_state(static_cast<JugState>(step_path()[depth - 1]), amount);
    JugState results[max_pours];
    const int count = pour_results(amount, results);
    for (int k = 0; k < count && k < most; ++k) out[k] = static_cast<std::uint32_t>(results[k]);
    return count;
}

// The page after the last step: the puzzle, and the status line that ends the run.
void draw_end()
{
    if (solution_count == 0) blit_text(step_font, no_solution_words, black, no_solution_place);
    show_step_status(last_step_number(), 0,
                     solution_count == 0 ? "the search is over: no solution"
                                         : "the search is over");
}

}  // namespace

const StepView pour_step_view = {
    .instance = instance,
    .header = header,
    .header_place = header_place,
    .legend = {.text_top = legend_top,
               .sample_top = legend_sample_top,
               .sample_width = legend_sample_width,
               .text_gap = legend_text_gap,
               .items = {{.left = legend_goal_left, .sample = sample_frame, .words = "the goal"},
                         {.left = legend_turned_down_left,
                          .sample = sample_cross,
                          .words = "already on the path"}}},
    .step_zero = false,
    .start = nullptr,
    .draw = draw,
    .draw_end = draw_end,
    .call_words = {.call = call_words, .candidate = candidate_words},
    .candidates = candidates,
    .found_one = "solution",
    .found_many = "solutions",
};

void show_pour_step(SearchStep step, JugState state, int depth)
{
    TraceNode node;
    const bool reached = pour_trace_node(step, state, depth, node);
    take_step(step_event(step, static_cast<std::uint32_t>(state)), reached ? &node : nullptr);
}
