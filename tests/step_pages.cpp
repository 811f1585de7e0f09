// What the step-mode tests of both window programs share.
#include "step_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "raster/window.h"
#include "state_guard.h"
#include "steps/step_player.h"
#include "steps/step_stack.h"
#include "steps/step_tree.h"

TTF_Font* open_test_font(const char* bin_dir, int size)
{
    TTF_Init();
    return TTF_OpenFont((std::string(bin_dir) + "/times.ttf").c_str(), size);
}

TestFont::~TestFont()
{
    if (font_ != nullptr) TTF_CloseFont(font_);
    TTF_Quit();
}

PixelSet text_pixels(TTF_Font* font, const char* text, int x, int y, bool centred)
{
    PixelSet pixels;
    SDL_Surface* s = TTF_RenderText_Solid(font, text, SDL_Color{0, 0, 0, 0});
    if (s == nullptr) return pixels;
    const int left = centred ? x - s->w / 2 : x;
    // A solid text is one byte a pixel, 0 where its background lets the page show.
    for (int j = 0; j < s->h; ++j) {
        for (int i = 0; i < s->w; ++i) {
            if (static_cast<const Uint8*>(s->pixels)[j * s->pitch + i] != 0) {
                pixels.insert({left + i, y + j});
            }
        }
    }
    SDL_FreeSurface(s);
    return pixels;
}

PixelSet page_pixels_with(const Page& page, Uint32 colour, int x0, int y0, int x1, int y1)
{
    PixelSet pixels;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (page_pixel(page, x, y) == colour) pixels.insert({x, y});
    return pixels;
}

void add_end_summary(const char* bin_dir, int font_size, const std::string& outcome,
                     const char* counts, PixelSet& pixels)
{
    // Where the end page's two lines stand.
    constexpr int left = 20, outcome_top = 80, counts_top = 110;
    const TestFont font(bin_dir, font_size), label(bin_dir, label_font_size);
    ASSERT_TRUE(font.get() != nullptr && label.get() != nullptr);
    pixels +=
        text_pixels(font.get(), ("the search is over: " + outcome).c_str(), left, outcome_top);
    pixels += text_pixels(label.get(), counts, left, counts_top);
}

std::vector<KeyAndStep> tour_of_steps(std::size_t found1, std::size_t found2)
{
    using K = WaitAnswer;
    return {{K::right, 1},         {K::key, 2},    {K::right, 3},  {K::left, 2},
            {K::backspace, 1},     {K::right, 2},  {K::right, 3},  {K::right, 4},
            {K::home, 0},          {K::end, 4},    {K::n, found1}, {K::p, found1},
            {K::left, found1 - 1}, {K::n, found1}, {K::n, found2}, {K::p, found1},
            {K::end, found2},      {K::p, found1}};
}

void expect_moves_show_steps(const std::function<int()>& run_steps,
                             const std::vector<KeyAndStep>& moves)
{
    std::size_t furthest = 0;
    reset_script();
    script.kept_waits = {0};
    for (const KeyAndStep& m : moves) {
        furthest = std::max(furthest, m.step);
        script.kept_waits.insert(m.step);
    }
    script.answers.assign(furthest + 1, WaitAnswer::right);
    script.answers[furthest] = WaitAnswer::escape;
    ASSERT_EQ(run_steps(), 0);
    ASSERT_EQ(script.pages.size(), script.kept_waits.size());
    std::map<std::size_t, Page> forward;
    auto page = script.pages.begin();
    for (const std::size_t step : script.kept_waits) forward[step] = *page++;

    reset_script();
    for (const KeyAndStep& m : moves) script.answers.push_back(m.key);
    script.answers.push_back(WaitAnswer::escape);
    ASSERT_EQ(run_steps(), 0);
    ASSERT_EQ(script.pages.size(), moves.size() + 1);
    const Page& white = forward.at(0);  // its marker's rows are blank
    const auto marker_rows = static_cast<long>(step_marker_place.y) * 800;
    std::size_t newest = 0;
    for (std::size_t n = 0; n <= moves.size(); ++n) {
        const std::size_t step = n == 0 ? 0 : moves[n - 1].step;
        newest = std::max(newest, step);
        const Page& shown = script.pages[n];
        EXPECT_TRUE(
            std::equal(shown.begin(), shown.begin() + marker_rows, forward.at(step).begin()))
            << "page " << n << " is step " << step;
        const bool blank =
            std::equal(shown.begin() + marker_rows, shown.end(), white.begin() + marker_rows);
        EXPECT_EQ(blank, step == newest) << "the marker of step " << step << ", page " << n;
    }
}

namespace {

// What of makes of each step that a run in step mode shows, by step, read by the step-shown
// hook; the hook is a plain function pointer, so what it fills is static.
template <typename T, T (*of)(std::size_t step, const char* status_line)>
std::vector<T> each_step_shown(const std::function<int()>& run_steps)
{
    static std::vector<T> seen;
    seen.clear();
    const SavedValue shown(step_shown_action, [](std::size_t step, const char* status_line) {
        seen.resize(step + 1);
        seen[step] = of(step, status_line);
    });
    run_steps();
    return std::exchange(seen, {});
}

SearchStep kind_of_step(std::size_t step, const char*) { return step_kind(step_record.at(step)); }

std::string status_line_of_step(std::size_t, const char* status_line) { return status_line; }

std::vector<std::string> stack_of_step(std::size_t step, const char*)
{
    return stack_lines(stack_at(step), step_call_words, 10000);
}

}  // namespace

std::vector<std::size_t> found_steps(const std::function<int()>& run_steps, std::size_t steps,
                                     std::size_t count)
{
    reset_script();
    script.kept_waits = {steps};  // none of them are kept
    script.answers.assign(steps, WaitAnswer::right);
    script.answers.back() = WaitAnswer::escape;
    const auto kinds = each_step_shown<SearchStep, kind_of_step>(run_steps);
    std::vector<std::size_t> found;
    for (std::size_t k = 0; k < kinds.size() && found.size() < count; ++k) {
        if (kinds[k] == SearchStep::found) found.push_back(k);
    }
    return found;
}

std::vector<std::string> step_status_lines(const std::function<int()>& run_steps)
{
    reset_script();
    return each_step_shown<std::string, status_line_of_step>(run_steps);
}

std::vector<std::vector<std::string>> step_stacks(const std::function<int()>& run_steps)
{
    reset_script();
    return each_step_shown<std::vector<std::string>, stack_of_step>(run_steps);
}

namespace {

// A node's title without its note: what the stack names the call by.
std::string before_note(const char* title)
{
    const std::string t = title;
    return t.substr(0, t.find("  "));
}

// The words a stack's line ends with for a call that took up so many candidates.
std::string counts(int turned_down, int gone_deeper, int found_below)
{
    std::string words = std::to_string(turned_down) + " turned down, " +
                        std::to_string(gone_deeper) + " gone deeper";
    return found_below > 0 ? words + ", " + std::to_string(found_below) + " found below" : words;
}

}  // namespace

void expect_stacks_as_the_tree_has_them(const std::vector<std::vector<std::string>>& stacks)
{
    ASSERT_EQ(stacks.size(), steps_in_step_tree());
    for (std::size_t step = 0; step < stacks.size(); ++step) {
        const int count = step_tree_count(step), current = step_tree_current(step);
        const StepEvent event = step_record.at(step);
        const SearchStep kind = step_kind(event);
        const bool leaf = !is_start_event(event) &&
                          (kind == SearchStep::turned_down || kind == SearchStep::dead_end);
        // The calls the search stands in, the first one first; the leaf a step reached is not one.
        std::vector<int> calls;
        for (int k = leaf ? step_tree.node(current).parent : current; k >= 0;
             k = step_tree.node(k).parent) {
            calls.insert(calls.begin(), k);
        }
        const std::vector<std::string>& lines = stacks[step];
        ASSERT_EQ(lines.size(), calls.size()) << "step " << step;
        for (std::size_t depth = 1; depth <= calls.size(); ++depth) {
            const int call = calls[depth - 1];
            // Its children up to the step, those before the candidate it stands at counted.
            const int stop = depth < calls.size() ? calls[depth] : leaf ? current : count;
            int turned_down = 0, gone_deeper = 0, found_below = 0;
            for (int k = call + 1; k < count; ++k) {
                int up = k;
                while (up >= 0 && up != call) up = step_tree.node(up).parent;
                if (up != call) continue;
                const TreeNode& node = step_tree.node(k);
                if (node.kind == SearchStep::found) ++found_below;
                if (node.parent != call || k >= stop) continue;
                if (node.kind == SearchStep::turned_down) ++turned_down;
                if (node.kind == SearchStep::enter || node.kind == SearchStep::found) ++gone_deeper;
            }
            const std::string& line = lines[calls.size() - depth];
            const std::string head =
                "depth " + std::to_string(depth) + "  " + before_note(step_tree.title(call)) + "  ";
            EXPECT_EQ(line.rfind(head, 0), 0u) << "step " << step << ": " << line;
            const bool counted = line.find(" turned down, ") != std::string::npos;
            if (counted) {
                const std::string tail = ": " + counts(turned_down, gone_deeper, found_below);
                EXPECT_TRUE(line.size() >= tail.size() &&
                            line.compare(line.size() - tail.size(), tail.size(), tail) == 0)
                    << "step " << step << ": " << line << " should end " << tail;
            }
        }
    }
}
