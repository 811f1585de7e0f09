// The drawing kit on an offscreen 800x600 screen, and its key wait under the dummy video driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "pixel_check.h"
#include "raster/raster.h"
#include "state_guard.h"

SDL_Surface* screen;

namespace {

constexpr Uint32 ink = 0x00123456;

class RasterTest : public ::testing::Test {
  protected:
    void SetUp() override { screen = make_offscreen_screen(); }
    void TearDown() override
    {
        SDL_FreeSurface(screen);
        screen = nullptr;
    }
};

PixelSet points(std::initializer_list<std::pair<int, int>> list) { return PixelSet(list); }

struct DrawCase {
    const char* name;
    std::function<void()> draw;
    PixelSet expected;
};

// Pixel sets that pin the kit's exact rounding, each named after what it pins.
std::vector<DrawCase> edge_cases()
{
    return {
        {"line_single_point", [] { draw_line(5, 5, 5, 5, ink); }, points({{5, 5}})},
        {"line_shallow_steps_late", [] { draw_line(0, 0, 4, 1, ink); },
         points({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}})},
        {"line_shallow_reversed", [] { draw_line(4, 1, 0, 0, ink); },
         points({{4, 1}, {3, 1}, {2, 1}, {1, 1}, {0, 0}})},
        {"line_steep", [] { draw_line(0, 0, 1, 3, ink); },
         points({{0, 0}, {0, 1}, {0, 2}, {1, 3}})},
        {"line_diagonal", [] { draw_line(0, 0, 3, 3, ink); },
         points({{0, 0}, {1, 1}, {2, 2}, {3, 3}})},
        {"line_horizontal_leftwards", [] { draw_line(5, 5, 3, 5, ink); },
         points({{5, 5}, {4, 5}, {3, 5}})},
        {"thick_single_point", [] { draw_thick_line(50, 60, 50, 60, 1, ink); }, points({{50, 60}})},
        {"thick_horizontal", [] { draw_thick_line(10, 10, 20, 10, 1, ink); },
         band(10, 9, 19, 11, {{20, 10}})},
        {"thick_horizontal_reversed", [] { draw_thick_line(20, 10, 10, 10, 1, ink); },
         band(10, 9, 19, 11, {{20, 10}})},
        {"thick_vertical_upwards", [] { draw_thick_line(10, 20, 10, 10, 1, ink); },
         band(9, 10, 11, 19, {{10, 20}})},
        {"thick_vertical_downwards", [] { draw_thick_line(10, 10, 10, 20, 1, ink); },
         band(9, 10, 11, 19, {{10, 20}})},
        {"thick_container_wall", [] { draw_thick_line(100, 200, 100, 182, 1, ink); },
         band(99, 182, 101, 199, {{100, 200}})},
        {"thick_half_width_three", [] { draw_thick_line(10, 10, 20, 10, 3, ink); },
         band(10, 7, 19, 13, {{20, 10}})},
        {"thick_short_reaches_far_end", [] { draw_thick_line(100, 100, 104, 100, 1, ink); },
         rectangle(100, 99, 104, 101)},
        {"thick_short_reversed_spills_left", [] { draw_thick_line(104, 100, 100, 100, 1, ink); },
         band(100, 99, 103, 101, {{104, 100}, {99, 99}, {99, 101}})},
        {"thick_short_stops_short", [] { draw_thick_line(10, 10, 14, 10, 1, ink); },
         band(10, 9, 13, 11, {{14, 10}})},
        {"thick_short_stops_short_reversed", [] { draw_thick_line(14, 10, 10, 10, 1, ink); },
         band(10, 9, 13, 11, {{14, 10}})},
    };
}

// The closed form of a segment: k steps along the long axis and floor(k * short / n)
// along the short one, k = 0..n.
PixelSet closed_form_segment(int x1, int y1, int x2, int y2)
{
    const int adx = std::abs(x2 - x1), ady = std::abs(y2 - y1);
    const int sx = x2 > x1 ? 1 : -1, sy = y2 > y1 ? 1 : -1;
    const int n = std::max(adx, ady);
    PixelSet r;
    for (int k = 0; k <= n; ++k) {
        if (adx >= ady)
            r.insert({x1 + sx * k, y1 + sy * (n == 0 ? 0 : k * ady / n)});
        else
            r.insert({x1 + sx * (k * adx / n), y1 + sy * k});
    }
    return r;
}

}  // namespace

TEST_F(RasterTest, EdgeCasesSetExactlyTheirPixels)
{
    for (const DrawCase& c : edge_cases()) {
        SDL_FillRect(screen, nullptr, 0);
        c.draw();
        EXPECT_TRUE(same_pixels(c.name, pixels_with(screen, ink), c.expected));
    }
}

TEST_F(RasterTest, RandomSegmentsFollowTheClosedForm)
{
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        std::mt19937 rng(seed);
        std::uniform_int_distribution<int> x(0, 799), y(0, 599);
        const int x1 = x(rng), y1 = y(rng);
        // Mostly short segments, so that the whole screen need not be scanned each time.
        std::uniform_int_distribution<int> d(-40, 40);
        const int x2 = std::clamp(x1 + d(rng), 0, 799), y2 = std::clamp(y1 + d(rng), 0, 599);
        SDL_FillRect(screen, nullptr, 0);
        draw_line(x1, y1, x2, y2, ink);
        const PixelSet actual = pixels_with(screen, ink);
        const PixelSet expected = closed_form_segment(x1, y1, x2, y2);
        ASSERT_EQ(actual, expected)
            << "seed " << seed << ": (" << x1 << ", " << y1 << ")-(" << x2 << ", " << y2 << ")";
        ASSERT_EQ(actual.size(), size_t(std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1));
    }
}

TEST_F(RasterTest, RandomThickLinesStayInTheirWidenedBox)
{
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        std::mt19937 rng(seed);
        std::uniform_int_distribution<int> x(10, 789), y(10, 589), d(-60, 60), s(1, 4);
        const int x1 = x(rng), y1 = y(rng), hw = s(rng);
        const int x2 = std::clamp(x1 + d(rng), hw, 799 - hw);
        const int y2 = std::clamp(y1 + d(rng), hw, 599 - hw);
        SDL_FillRect(screen, nullptr, 0);
        draw_thick_line(x1, y1, x2, y2, hw, ink);
        const PixelSet actual = pixels_with(screen, ink);
        for (const auto& p : actual) {
            ASSERT_TRUE(p.first >= std::min(x1, x2) - hw && p.first <= std::max(x1, x2) + hw &&
                        p.second >= std::min(y1, y2) - hw && p.second <= std::max(y1, y2) + hw)
                << "seed " << seed << ": (" << p.first << ", " << p.second << ") outside";
        }
        // The shaft is always part of the figure.
        for (const auto& p : closed_form_segment(x1, y1, x2, y2)) {
            ASSERT_TRUE(actual.count(p)) << "seed " << seed;
        }
    }
}

TEST_F(RasterTest, GetPixelReadsWhatPutPixelWrote)
{
    put_pixel(0, 0, 0x11);
    put_pixel(799, 599, 0x22);
    put_pixel(400, 300, 0x33);
    EXPECT_EQ(get_pixel(0, 0), 0x11u);
    EXPECT_EQ(get_pixel(799, 599), 0x22u);
    EXPECT_EQ(get_pixel(400, 300), 0x33u);
    EXPECT_EQ(get_pixel(401, 300), 0u);
    // The packed screen's word x + y * w.
    EXPECT_EQ(static_cast<Uint32*>(screen->pixels)[400 + 300 * 800], 0x33u);
}

// Drawing far outside the screen must not touch memory around the pixels, and a
// surface whose rows are padded is addressed row by row.
TEST(RasterMemory, FarOutsideCoordinatesWriteNothingOutsideThePixels)
{
    constexpr int w = 800, h = 600;
    constexpr std::ptrdiff_t pitch_words = 808, guard = 4096;
    constexpr Uint32 guard_value = 0xDEADBEEF;
    std::vector<Uint32> memory(guard + pitch_words * h + guard, guard_value);
    Uint32* pixels = memory.data() + guard;
    std::fill(pixels, pixels + pitch_words * h, 0u);
    // The screen goes before the memory it draws into.
    const RestoreOnExit no_screen([] {
        SDL_FreeSurface(screen);
        screen = nullptr;
    });
    screen = SDL_CreateRGBSurfaceFrom(pixels, w, h, 32, pitch_words * 4, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(screen, nullptr);

    std::mt19937 rng(7);
    std::uniform_int_distribution<int> far(-5000, 5000), s(1, 3);
    for (int k = 0; k < 3000; ++k) {
        draw_line(far(rng), far(rng), far(rng), far(rng), ink);
        put_pixel(far(rng), far(rng), ink);
    }
    for (int k = 0; k < 200; ++k) {
        draw_thick_line(far(rng), far(rng), far(rng), far(rng), s(rng), ink);
    }
    EXPECT_EQ(get_pixel(-1, 0), 0u);
    EXPECT_EQ(get_pixel(800, 0), 0u);
    EXPECT_EQ(get_pixel(0, 600), 0u);

    EXPECT_TRUE(std::all_of(memory.begin(), memory.begin() + guard,
                            [](Uint32 v) { return v == guard_value; }));
    EXPECT_TRUE(
        std::all_of(memory.end() - guard, memory.end(), [](Uint32 v) { return v == guard_value; }));
    for (int y = 0; y < h; ++y) {
        for (int x = w; x < pitch_words; ++x) {
            ASSERT_EQ(pixels[y * pitch_words + x], 0u) << "row padding written at row " << y;
        }
    }

    std::fill(pixels, pixels + pitch_words * h, 0u);
    put_pixel(3, 2, ink);
    EXPECT_EQ(pixels[2 * pitch_words + 3], ink);
    EXPECT_EQ(get_pixel(3, 2), ink);
}

// The wait runs under the dummy video driver with events pushed by the test. A user event
// pushed after the one that should end the wait shows whether the wait stopped there.
class KeyWaitTest : public DummyScreenTest {
  protected:
    static Uint8 next_event_type()
    {
        SDL_Event e;
        return SDL_PollEvent(&e) ? e.type : 0;
    }
};

TEST_F(KeyWaitTest, KeyPressEndsTheWaitAndOtherEventsDoNot)
{
    push_event(SDL_MOUSEMOTION);
    push_event(SDL_KEYUP);
    push_event(SDL_MOUSEBUTTONDOWN);
    push_event(SDL_KEYDOWN);
    push_event(SDL_USEREVENT);
    wait_key_or_quit();
    EXPECT_EQ(next_event_type(), SDL_USEREVENT);
}

TEST_F(KeyWaitTest, CloseRequestEndsTheWaitLikeAKey)
{
    push_event(SDL_MOUSEMOTION);
    push_event(SDL_QUIT);
    push_event(SDL_USEREVENT);
    wait_key_or_quit();
    EXPECT_EQ(next_event_type(), SDL_USEREVENT);
}
