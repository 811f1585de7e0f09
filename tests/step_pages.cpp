// What the step-mode tests of both window programs share.
#include "step_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "state_guard.h"
#include "steps/step_player.h"

TTF_Font* open_test_font(const char* bin_dir, int size)
{
    TTF_Init();
    return TTF_OpenFont((std::string(bin_dir) + "/times.ttf").c_str(), size);
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

std::vector<std::size_t> found_steps(const std::function<int()>& run_steps, std::size_t steps,
                                     std::size_t count)
{
    static std::vector<SearchStep> kinds;
    kinds.clear();
    const SavedValue shown(step_shown_action, [](std::size_t step, const char*) {
        kinds.resize(step + 1);
        kinds[step] = step_kind(step_record.at(step));
    });
    reset_script();
    script.kept_waits = {steps};  // none of them are kept
    script.answers.assign(steps, WaitAnswer::right);
    script.answers.back() = WaitAnswer::escape;
    run_steps();
    std::vector<std::size_t> found;
    for (std::size_t k = 0; k < kinds.size() && found.size() < count; ++k) {
        if (kinds[k] == SearchStep::found) found.push_back(k);
    }
    return found;
}

std::vector<std::string> step_status_lines(const std::function<int()>& run_steps)
{
    static std::vector<std::string> lines;
    lines.clear();
    const SavedValue shown(step_shown_action, [](std::size_t step, const char* status_line) {
        lines.resize(step + 1);
        lines[step] = status_line;
    });
    reset_script();
    run_steps();
    return lines;
}
