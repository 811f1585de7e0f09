// The window programs as a user runs them: in a real X server, from build/bin, answered with
// real key presses and real close requests.
#include <gtest/gtest.h>

#include <set>

#include "page_reading.h"
#include "pixel_check.h"
#include "raster/raster.h"
#include "solutions.h"
#include "state_guard.h"
#include "tileview/tiling_picture.h"
#include "x_session.h"

SDL_Surface* screen;

namespace {

// The colours as the X server holds them.
constexpr Uint32 white = 0xFFFFFF, black = 0x000000, red = 0xFF0000, blue = 0x0000FA;

RunRecord run(const char* program, const std::vector<UserAnswer>& answers = {})
{
    return run_on_own_server(BIN_DIR, program, answers, 20);
}

void expect_clean_run(const RunRecord& r, size_t waits)
{
    EXPECT_EQ(r.failure, "");
    EXPECT_TRUE(r.window_found);
    EXPECT_EQ(r.window_width, 800);
    EXPECT_EQ(r.window_height, 600);
    EXPECT_EQ(r.pages.size(), waits);
    EXPECT_EQ(r.exit_status, 0) << r.err;
}

// A region of a captured page against the same diagram drawn by the drawing code into
// memory: the window must show exactly what the code draws.
::testing::AssertionResult same_region_as_drawn(const char* name, const Page& page, int cx, int cy,
                                                const std::set<int>& tiling)
{
    const RestoreOnExit no_screen([] {
        SDL_FreeSurface(screen);
        screen = nullptr;
    });
    screen = make_offscreen_screen();
    white_pixel = white;
    blue_pixel = blue;
    red_pixel = red;
    SDL_FillRect(screen, nullptr, white);
    cursor_x = cx;
    cursor_y = cy;
    for (int code : tiling) draw_domino(code / 24, code % 24);
    PixelSet want, got;
    for (int y = cy - 5; y <= cy + 50; ++y) {
        for (int x = cx - 5; x <= cx + 80; ++x) {
            if (get_pixel(x, y) != white) want.insert({x, y});
            if (page_pixel(page, x, y) != get_pixel(x, y)) got.insert({x, y});
        }
    }
    if (!got.empty()) {
        return ::testing::AssertionFailure() << name << ": " << got.size() << " pixels differ";
    }
    return ::testing::AssertionSuccess() << want.size();
}

}  // namespace

TEST(EndToEnd, JugviewShowsEverySolutionThenABlankPage)
{
    const RunRecord r = run("jugview");
    expect_clean_run(r, 15);
    ASSERT_EQ(r.pages.size(), 15u);
    const auto solutions = reference_solutions();
    for (size_t n = 0; n < 14; ++n) {
        EXPECT_EQ(read_solution_page(r.pages[n], red, black), solutions[n]) << "solution " << n + 1;
        EXPECT_GT(count_colour(r.pages[n], black, 20, 10, 60, 35), 20) << "label of " << n + 1;
    }
    // Solution 4: five pictures, four on the first row and the goal below.
    EXPECT_EQ(read_jug_picture(r.pages[3], 530, 100, red), (Amounts{8, 2, 0}));
    EXPECT_EQ(read_jug_picture(r.pages[3], 20, 175, red), (Amounts{8, 0, 2}));
    EXPECT_EQ(count_colour(r.pages[3], black, 190, 110, 799, 599), 0);
    EXPECT_TRUE(all_of_colour(r.pages[14], white));
}

TEST(EndToEnd, JugviewCloseRequestTurnsThePageAndEndsTheLastWait)
{
    const RunRecord keys = run("jugview");
    std::vector<UserAnswer> answers(15, UserAnswer::key);
    answers[3] = UserAnswer::close_request;
    answers[14] = UserAnswer::close_request;
    const RunRecord closes = run("jugview", answers);
    expect_clean_run(closes, 15);
    ASSERT_EQ(closes.pages.size(), keys.pages.size());
    for (size_t n = 0; n < keys.pages.size(); ++n) {
        EXPECT_TRUE(closes.pages[n] == keys.pages[n]) << "page " << n + 1;
    }
}

TEST(EndToEnd, TileviewShowsSixPagesOfDiagramsAndTheCounts)
{
    const RunRecord r = run("tileview");
    expect_clean_run(r, 6);
    ASSERT_EQ(r.pages.size(), 6u);
    std::set<std::set<int>> seen;
    for (size_t p = 0; p < 6; ++p) {
        const auto diagrams = read_diagram_page(r.pages[p], p == 0 ? 50 : 20, blue);
        EXPECT_EQ(diagrams.size(), p < 5 ? 49u : 36u) << "page " << p + 1;
        seen.insert(diagrams.begin(), diagrams.end());
        const bool header = p == 0, summary = p == 5;
        EXPECT_EQ(count_colour(r.pages[p], black, 10, 10, 120, 35) > 50, header)
            << "page " << p + 1;
        EXPECT_EQ(count_colour(r.pages[p], black, 30, 550, 560, 580) > 300, summary)
            << "page " << p + 1;
    }
    EXPECT_EQ(seen.size(), 281u);
    EXPECT_TRUE(same_region_as_drawn("first diagram", r.pages[0], 20, 50, all_horizontal_tiling()));
    EXPECT_TRUE(same_region_as_drawn("last diagram", r.pages[5], 20, 420, all_vertical_tiling()));
}

TEST(EndToEnd, TileviewCloseRequestEndsAPageWaitLikeAKey)
{
    const RunRecord keys = run("tileview");
    const RunRecord closes =
        run("tileview", {UserAnswer::close_request, UserAnswer::key, UserAnswer::close_request});
    expect_clean_run(closes, 6);
    ASSERT_EQ(closes.pages.size(), keys.pages.size());
    for (size_t p = 0; p < keys.pages.size(); ++p) {
        EXPECT_TRUE(closes.pages[p] == keys.pages[p]) << "page " << p + 1;
    }
}
