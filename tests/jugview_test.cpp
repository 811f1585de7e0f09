// jugview under the dummy video driver: one picture pixel by pixel, the layout, and whole runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "jugview/jug_picture.h"
#include "page_reading.h"
#include "pixel_check.h"
#include "process.h"
#include "pour/pour.h"
#include "raster/page_files.h"
#include "raster/raster.h"
#include "raster/window.h"
#include "saved_pages.h"
#include "scripted_events.h"
#include "solutions.h"
#include "state_guard.h"
#include "step_pages.h"
#include "steps/step_player.h"

int jugview_main(int argc, char** argv);

// Lets a test make bar surfaces fail to appear, as when memory runs out.
static bool fail_surface_creation = false;
extern "C" SDL_Surface* __real_SDL_CreateRGBSurface(Uint32, int, int, int, Uint32, Uint32, Uint32,
                                                    Uint32);
extern "C" SDL_Surface* __wrap_SDL_CreateRGBSurface(Uint32 flags, int w, int h, int depth, Uint32 r,
                                                    Uint32 g, Uint32 b, Uint32 a)
{
    if (fail_surface_creation) {
        return nullptr;
    }
    return __real_SDL_CreateRGBSurface(flags, w, h, depth, r, g, b, a);
}

namespace {

constexpr int page_pixels = 800 * 600;

class JugviewTest : public DummyScreenTest {
  protected:
    void SetUp() override
    {
        DummyScreenTest::SetUp();
        if (HasFatalFailure()) return;
        white_pixel = SDL_MapRGB(screen->format, 255, 255, 255);
        black_pixel = SDL_MapRGB(screen->format, 0, 0, 0);
        red_pixel = SDL_MapRGB(screen->format, 255, 0, 0);
        SDL_FillRect(screen, nullptr, white_pixel);
        reset_script();
    }

  private:
    // The answers and pages a test leaves in the script are emptied at its end.
    const RestoreOnExit<void (*)()> script_emptied{reset_script};
};

// A stroke from the thick-line kit with half-width 1: a 3-pixel band that stops one pixel
// short of the end with the larger coordinate, where only the shaft pixel stands.
PixelSet base_stroke(int left, int y)
{
    return band(left, y - 1, left + 39, y + 1, {{left + 40, y}});
}
PixelSet wall_stroke(int x, int y, int height)
{
    return band(x - 1, y - height, x + 1, y - 1, {{x, y}});
}

struct ExpectedPicture {
    PixelSet black, red;
};

// The picture at (x, y) from its geometry: containers 40 wide, 10 apart, of the given
// heights; each piece of liquid 36 wide, 2 pixels inside the walls, covering the strokes,
// given as the rows it spans above the baseline (lowest, highest).
using Liquid = std::vector<std::pair<int, int>>;
ExpectedPicture picture_of(int x, int y, const int height[3], const Liquid liquid[3])
{
    ExpectedPicture p;
    for (int k = 0; k < 3; ++k) {
        const int left = x + 50 * k;
        p.black += base_stroke(left, y);
        p.black += wall_stroke(left, y, height[k]);
        p.black += wall_stroke(left + 40, y, height[k]);
        for (const auto& [lowest, highest] : liquid[k]) {
            p.red += rectangle(left + 2, y - highest, left + 37, y - lowest);
        }
    }
    for (const auto& r : p.red) p.black.erase(r);
    return p;
}

// The default jugs: 6 pixels a unit, one bar of 4 rows per unit, 6 apart.
ExpectedPicture expected_picture(int x, int y, Amounts amounts)
{
    const int height[3] = {60, 30, 18};
    Liquid bars[3];
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < amounts[k]; ++i) bars[k].push_back({6 * i + 1, 6 * i + 4});
    }
    return picture_of(x, y, height, bars);
}

void expect_picture_only(const char* name, const ExpectedPicture& e)
{
    EXPECT_TRUE(
        same_pixels(std::string(name) + "-black", pixels_with(screen, black_pixel), e.black));
    EXPECT_TRUE(same_pixels(std::string(name) + "-red", pixels_with(screen, red_pixel), e.red));
    EXPECT_EQ(pixels_with(screen, white_pixel).size(), page_pixels - e.black.size() - e.red.size());
}

void expect_picture_only(const char* name, int x, int y, Amounts amounts)
{
    expect_picture_only(name, expected_picture(x, y, amounts));
}

// Puts back what a run (in step mode, or of another puzzle) leaves set for the next run or
// test: the default puzzle, its pictures fitted to it, and no step action.
void set_defaults()
{
    const int capacity[3] = {10, 5, 3}, goal[3] = {any_amount, any_amount, 2};
    set_jug_puzzle(capacity, goal);
    fit_pictures_to_jugs();
    pour_step_action = nullptr;
}

// Runs jugview in-process from the folder that holds times.ttf.
int run_jugview(const char* folder = BIN_DIR, const std::vector<std::string>& args = {})
{
    const RestoreOnExit defaults(set_defaults);
    solution_count = 0;
    return run_entry_in(folder, jugview_main, args);
}

}  // namespace

TEST_F(JugviewTest, StartStateAtTheFirstPlace)
{
    cursor_x = 20;
    cursor_y = 100;
    draw_jug_state(10, 0, 0);
    expect_picture_only("start_state", 20, 100, {10, 0, 0});
    // Pinned by hand: walls of container 0 reach y 40; its top bar starts at y 42.
    EXPECT_EQ(get_pixel(20, 40), black_pixel);
    EXPECT_EQ(get_pixel(20, 39), white_pixel);
    EXPECT_EQ(get_pixel(22, 42), red_pixel);
    EXPECT_EQ(get_pixel(22, 41), white_pixel);
    EXPECT_EQ(block_surface, nullptr);
}

TEST_F(JugviewTest, GoalOnTheSecondRow)
{
    cursor_x = 20;
    cursor_y = 175;
    draw_jug_state(8, 0, 2);
    expect_picture_only("goal_802", 20, 175, {8, 0, 2});
    EXPECT_EQ(get_pixel(122, 171), red_pixel);
    EXPECT_EQ(get_pixel(122, 165), red_pixel);
    EXPECT_EQ(get_pixel(22, 129), red_pixel);
}

TEST_F(JugviewTest, FullSmallContainersKeepTheirTopBarBelowTheWalls)
{
    cursor_x = 190;
    cursor_y = 250;
    draw_jug_state(2, 5, 3);
    expect_picture_only("full_small_jugs", 190, 250, {2, 5, 3});
    EXPECT_EQ(get_pixel(242, 250 - 28), red_pixel);  // container 1's top bar
    EXPECT_EQ(get_pixel(242, 250 - 29), white_pixel);
    EXPECT_EQ(get_pixel(292, 250 - 16), red_pixel);  // container 2's top bar
    EXPECT_EQ(get_pixel(292, 250 - 17), white_pixel);
}

TEST_F(JugviewTest, MissingBarSurfacesStillGiveTheWholePicture)
{
    const SavedValue failing(fail_surface_creation, true);
    cursor_x = 20;
    cursor_y = 100;
    draw_jug_state(5, 2, 3);
    expect_picture_only("bars_without_surfaces", 20, 100, {5, 2, 3});
}

TEST_F(JugviewTest, PicturesFlowFourToARowAndPageWhenFull)
{
    cursor_x = 20;
    cursor_y = 100;
    // A solution page holds 24 pictures; the 24th wraps past the page and waits.
    for (int n = 0; n < 24; ++n) {
        EXPECT_EQ(cursor_x, 20 + 170 * (n % 4)) << "picture " << n + 1;
        EXPECT_EQ(cursor_y, 100 + 75 * (n / 4)) << "picture " << n + 1;
        draw_jug_state(10, 0, 0);
        EXPECT_EQ(script.pages.size(), n == 23 ? 1u : 0u) << "picture " << n + 1;
    }
    EXPECT_EQ(read_jug_picture(script.pages[0], 530, 475, red_pixel), (Amounts{10, 0, 0}));
    EXPECT_EQ(pixels_with(screen, white_pixel).size(),
              size_t(page_pixels));  // cleared after the wait
    // A continued page starts at baseline 70 and holds 28.
    for (int m = 0; m < 28; ++m) {
        EXPECT_EQ(cursor_x, 20 + 170 * (m % 4)) << "continued picture " << m + 1;
        EXPECT_EQ(cursor_y, 70 + 75 * (m / 4)) << "continued picture " << m + 1;
        draw_jug_state(4, 3, 3);
    }
    EXPECT_EQ(script.pages.size(), 2u);
    EXPECT_EQ(read_jug_picture(script.pages[1], 20, 70, red_pixel), (Amounts{4, 3, 3}));
    EXPECT_EQ(read_jug_picture(script.pages[1], 530, 520, red_pixel), (Amounts{4, 3, 3}));
    EXPECT_EQ(cursor_x, 20);
    EXPECT_EQ(cursor_y, 70);
}

TEST_F(JugviewTest, WholeRunShowsEachSolutionOnItsOwnPage)
{
    EXPECT_EQ(run_jugview(), 0);
    const auto solutions = reference_solutions();
    ASSERT_EQ(solutions.size(), 14u);
    ASSERT_EQ(script.pages.size(), 15u);
    for (size_t n = 0; n < 14; ++n) {
        EXPECT_EQ(read_solution_page(script.pages[n], red_pixel, black_pixel), solutions[n])
            << "solution " << n + 1;
        EXPECT_GT(count_colour(script.pages[n], black_pixel, 20, 10, 60, 35), 20)
            << "label of solution " << n + 1;
    }
    // Solution 4: five pictures, the goal alone on the second row.
    EXPECT_EQ(read_jug_picture(script.pages[3], 20, 175, red_pixel), (Amounts{8, 0, 2}));
    EXPECT_EQ(read_jug_picture(script.pages[11], 360, 325, red_pixel), (Amounts{8, 0, 2}));
    EXPECT_TRUE(all_of_colour(script.pages[14], white_pixel));
}

TEST_F(JugviewTest, CloseRequestTurnsThePageLikeAKey)
{
    EXPECT_EQ(run_jugview(), 0);
    const auto with_keys = script.pages;

    reset_script();
    script.answers.assign(15, WaitAnswer::key);
    script.answers[2] = WaitAnswer::close_request;
    script.answers[9] = WaitAnswer::close_request;
    EXPECT_EQ(run_jugview(), 0);
    ASSERT_EQ(script.pages.size(), with_keys.size());
    for (size_t n = 0; n < with_keys.size(); ++n) {
        EXPECT_TRUE(script.pages[n] == with_keys[n]) << "page " << n + 1;
    }
}

TEST_F(JugviewTest, RunsWithoutLabelsWhenTheFontIsMissing)
{
    EXPECT_EQ(run_jugview("/"), 0);
    ASSERT_EQ(script.pages.size(), 15u);
    const auto solutions = reference_solutions();
    for (size_t n = 0; n < 14; ++n) {
        EXPECT_EQ(read_solution_page(script.pages[n], red_pixel, black_pixel), solutions[n])
            << "solution " << n + 1;
        EXPECT_EQ(count_colour(script.pages[n], black_pixel, 0, 0, 799, 35), 0) << "page " << n + 1;
    }
}

// Where a unit has no room for a bar and its gap, the liquid is one block, rounded up to
// whole rows, and the containers keep to 60 pixels for the largest jug.
TEST_F(JugviewTest, SmallUnitsGiveOneBlockOfLiquid)
{
    const RestoreOnExit defaults(set_defaults);
    const int capacity[3] = {30, 20, 10}, goal[3] = {any_amount, any_amount, 1};
    set_jug_puzzle(capacity, goal);
    fit_pictures_to_jugs();
    EXPECT_EQ(unit_height, 0);
    EXPECT_EQ(row_height(), 60);
    cursor_x = 20;
    cursor_y = 100;
    draw_jug_state(15, 12, 3);
    const int height[3] = {60, 40, 20};
    const Liquid blocks[3] = {{{1, 30}}, {{1, 24}}, {{1, 6}}};
    expect_picture_only("block_liquid", picture_of(20, 100, height, blocks));

    // One unit of 99 still shows as a row; the 1-unit jug beside it stands 12 pixels tall,
    // full to the top.
    const int large[3] = {99, 98, 1};
    set_jug_puzzle(large, goal);
    fit_pictures_to_jugs();
    SDL_FillRect(screen, nullptr, white_pixel);
    cursor_x = 20;
    cursor_y = 100;
    draw_jug_state(1, 97, 1);
    const int large_height[3] = {60, 60, 12};
    const Liquid large_blocks[3] = {{{1, 1}}, {{1, 59}}, {{1, 12}}};
    expect_picture_only("one_unit_of_99", picture_of(20, 100, large_height, large_blocks));

    set_defaults();
    EXPECT_EQ(unit_height, 6);
}

// 8,5,3 split in two halves: 7 pixels a unit, 16 solutions on pages of their own, every
// picture inside the page.
TEST_F(JugviewTest, AnotherPuzzleRunsPageByPage)
{
    const ProcessResult listing = run_process(JUGLIST_PATH " --no-wait --jugs 8,5,3 --goal 4,4,*");
    const auto solutions = solutions_in_listing(listing.out);
    ASSERT_EQ(solutions.size(), 16u);
    EXPECT_EQ(run_jugview(BIN_DIR, {"--jugs", "8,5,3", "--goal=4,4,*"}), 0);
    ASSERT_EQ(script.pages.size(), 17u);
    const JugLayout jugs = {{8, 5, 3}, 7};
    for (size_t n = 0; n < 16; ++n) {
        EXPECT_EQ(read_solution_page(script.pages[n], red_pixel, black_pixel, jugs), solutions[n])
            << "solution " << n + 1;
        const auto box = drawn_extent(script.pages[n], white_pixel);
        EXPECT_GE(box[0], 19) << "solution " << n + 1;
        EXPECT_LE(box[2], 20 + 3 * 170 + 141) << "solution " << n + 1;
        EXPECT_LE(box[3], 585) << "solution " << n + 1;
    }
    EXPECT_TRUE(all_of_colour(script.pages[16], white_pixel));
}

// Step mode: the path the search stands on, its pictures flowing as a solution's with the
// amounts under each (in the label font) and the rows further apart for them, the newest on
// a tinted ground; each step waits for a key, and Escape ends the run at once.
TEST_F(JugviewTest, StepModeDrawsThePathAtEveryStep)
{
    reset_script();
    script.kept_waits = {1, 4, 30, 31};
    script.answers.assign(41, WaitAnswer::key);
    script.answers[40] = WaitAnswer::escape;
    EXPECT_EQ(run_jugview(BIN_DIR, {"--steps"}), 0);
    EXPECT_EQ(script.waits, 41u) << "Escape ends the run without the final page";
    ASSERT_EQ(script.pages.size(), 4u);
    const Page &descent = script.pages[0], &turned_down = script.pages[1], &goal = script.pages[2],
               &back_up = script.pages[3];
    const Uint32 mark = SDL_MapRGB(screen->format, 0, 0, 250);
    const auto solutions = reference_solutions();
    const JugLayout steps = {{10, 5, 3}, 6, 32};
    for (const Page* page : {&descent, &turned_down, &goal, &back_up}) {
        EXPECT_GT(count_colour(*page, black_pixel, 20, 560, 799, 590), 100) << "status line";
        EXPECT_GT(count_colour(*page, black_pixel, 20, 10, 200, 35), 100) << "header";
        EXPECT_GT(count_colour(*page, mark, 400, 10, 799, 35), 40) << "legend";
    }

    // Step 2 pours 1 into 2: two pictures, each with its amounts under it, the newest, (5 5
    // 0), on its ground from 4 pixels left of it and above its tallest container to 4 under
    // its amounts, framed about the ground's edge in a green of 3:1 against what is around.
    TTF_Font* small = open_test_font(BIN_DIR, label_font_size);
    ASSERT_NE(small, nullptr);
    const auto amounts_under = [small](int x, int y, Amounts amounts) {
        PixelSet pixels;
        for (int k = 0; k < 3; ++k) {
            pixels +=
                text_pixels(small, std::to_string(amounts[k]).c_str(), x + 50 * k + 20, y, true);
        }
        return pixels;
    };
    ExpectedPicture two = expected_picture(20, 100, {10, 0, 0});
    const ExpectedPicture second = expected_picture(190, 100, {5, 5, 0});
    two.black += second.black;
    two.red += second.red;
    two.black += amounts_under(20, 100, {10, 0, 0});
    two.black += amounts_under(190, 100, {5, 5, 0});
    EXPECT_TRUE(same_pixels("step_2-black", page_pixels_with(descent, black_pixel, 0, 40, 799, 555),
                            two.black));
    EXPECT_TRUE(
        same_pixels("step_2-red", page_pixels_with(descent, red_pixel, 0, 40, 799, 555), two.red));
    const Uint32 frame = SDL_MapRGB(screen->format, 0, 120, 50);
    const PixelSet newest_frame = page_pixels_with(descent, frame);
    EXPECT_EQ(newest_frame, page_pixels_with(descent, frame, 185, 35, 335, 122));
    EXPECT_GT(newest_frame.size(), 4u * (148 + 85));
    EXPECT_GE(lowest_contrast(descent, frame, {frame}, 0, 0, 799, 599), 3.0);
    PixelSet ground = rectangle(186, 36, 333, 120);
    for (const PixelSet* drawn :
         {&std::as_const(two.black), &std::as_const(two.red), &newest_frame})
        for (const auto& p : *drawn) ground.erase(p);
    const Uint32 newest = SDL_MapRGB(screen->format, 215, 245, 215);
    EXPECT_TRUE(same_pixels("step_2-newest", page_pixels_with(descent, newest), ground));
    EXPECT_EQ(count_colour(descent, white_pixel, 0, 36, 799, 555),
              800 * 520 - static_cast<int>(two.black.size() + two.red.size() + ground.size()) -
                  count_colour(descent, frame, 0, 36, 799, 555));

    // Step 5: from (7 0 3), pouring 1 into 2 gives (2 5 3), already on the path: shown at
    // the next place, (20, 192), and crossed out there on a white band, its amounts whole
    // over the cross.
    auto shown = read_solution_page(turned_down, red_pixel, black_pixel, steps);
    ASSERT_EQ(shown.size(), 5u);
    shown.pop_back();  // the crossed-out picture is checked pixel by pixel below
    EXPECT_EQ(shown, std::vector<Amounts>(solutions[0].begin(), solutions[0].begin() + 4));
    ExpectedPicture plain = expected_picture(20, 192, {2, 5, 3});
    const PixelSet amounts = amounts_under(20, 192, {2, 5, 3});
    plain.black += amounts;
    EXPECT_TRUE(same_pixels(
        "step_5-amounts", page_pixels_with(turned_down, black_pixel, 15, 194, 165, 214), amounts));
    EXPECT_GE(lowest_contrast(turned_down, mark, {mark}, 15, 127, 165, 214), 3.0);
    int crossed = 0, wrong = 0;
    for (int y = 127; y <= 214; ++y) {
        for (int x = 15; x <= 165; ++x) {
            const Uint32 p = page_pixel(turned_down, x, y);
            const Uint32 want = plain.red.count({x, y})     ? red_pixel
                                : plain.black.count({x, y}) ? black_pixel
                                                            : white_pixel;
            crossed += p == mark;
            wrong += p != mark && p != want && p != white_pixel;
        }
    }
    EXPECT_EQ(wrong, 0) << "the turned-down picture is (2 5 3), crossed out";
    EXPECT_GT(crossed, 300);
    EXPECT_EQ(count_colour(turned_down, mark, 0, 40, 799, 599), crossed);

    // Step 31 reaches solution 1: the path is the solution, the goal framed with its amounts.
    EXPECT_EQ(read_solution_page(goal, red_pixel, black_pixel, steps), solutions[0]);
    const int framed = count_colour(goal, mark, 15, 311, 165, 398);
    EXPECT_GT(framed, 300);
    EXPECT_EQ(count_colour(goal, mark, 0, 40, 799, 599), framed);

    // Step 32 backs up from the goal: the path without it, and the goal's ghost in a grey of
    // 3:1 against the page at its place, in 5-pixel dashes.
    const std::vector<Amounts> path(solutions[0].begin(), solutions[0].end() - 1);
    EXPECT_EQ(read_solution_page(back_up, red_pixel, black_pixel, steps), path);
    EXPECT_EQ(count_colour(back_up, mark, 0, 40, 799, 599), 0);
    const Uint32 ghost = SDL_MapRGB(screen->format, 110, 110, 110);
    EXPECT_GT(count_colour(back_up, ghost, 14, 310, 166, 399), 300);
    EXPECT_EQ(count_colour(back_up, ghost, 0, 0, 799, 599),
              count_colour(back_up, ghost, 14, 310, 166, 399));
    EXPECT_GE(lowest_contrast(back_up, ghost, {ghost}, 0, 0, 799, 599), 3.0);
    TTF_CloseFont(small);
    TTF_Quit();
}

// Every step shown can be seen again as it was drawn: back, forward, Home, End, n and p.
TEST_F(JugviewTest, StepModeGoesBackAndForth)
{
    const auto run = [] { return run_jugview(BIN_DIR, {"--steps"}); };
    const auto goals = found_steps(run, 200, 2);
    ASSERT_EQ(goals.size(), 2u);
    EXPECT_EQ(goals[0], 30u) << "step 31 reaches solution 1";
    expect_moves_show_steps(run, tour_of_steps(goals[0], goals[1]));
}

// A goal that no state reaches: the last page says so, in page mode and at the end of step
// mode, to which n runs the search; there with the summary of the search as a trace's summary
// counts it (juglist --goal '1,*,*' --trace | tracetree), every step counted.
TEST_F(JugviewTest, NoSolutionSaysSo)
{
    TTF_Font* font = open_test_font(BIN_DIR, 20);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(run_jugview(BIN_DIR, {"--goal", "1,*,*"}), 0);
    ASSERT_EQ(script.pages.size(), 1u);
    const PixelSet words = text_pixels(font, "no solution", 20, 10);
    EXPECT_TRUE(same_pixels("no_solution", page_pixels_with(script.pages[0], black_pixel), words));
    EXPECT_EQ(count_colour(script.pages[0], white_pixel, 0, 0, 799, 599),
              page_pixels - static_cast<int>(words.size()));

    reset_script();
    script.answers = {WaitAnswer::n};
    EXPECT_EQ(run_jugview(BIN_DIR, {"--steps", "--goal=1,*,*"}), 0);
    ASSERT_EQ(script.pages.size(), 2u) << "the first step, then the end";
    const Page& end = script.pages[1];
    PixelSet end_words = text_pixels(font, "no solution", 20, 50);
    ASSERT_NO_FATAL_FAILURE(
        add_end_summary(BIN_DIR, 20, "no solution",
                        "281 calls, 0 found, 684 turned down, 0 dead ends, depth 16", end_words));
    EXPECT_TRUE(same_pixels("no_solution_steps",
                            page_pixels_with(end, black_pixel, 0, 40, 799, 555), end_words));
    EXPECT_EQ(count_colour(end, red_pixel, 0, 0, 799, 599), 0);
    EXPECT_GT(count_colour(end, black_pixel, 20, 560, 799, 590), 100) << "status line";
    TTF_CloseFont(font);
    TTF_Quit();
}

// --save draws, with no display, the pages the window shows at its waits, pixel for pixel and
// texts included. The second puzzle goes into the same folder: its pages replace the first's.
TEST_F(JugviewTest, SavedPagesAreTheWindowsPages)
{
    const TempFolder scratch;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"--jugs", "8,5,3", "--goal=4,4,*"}}) {
        reset_script();
        EXPECT_EQ(run_jugview(BIN_DIR, arguments), 0);
        EXPECT_EQ(script.pages.size(), arguments.empty() ? 15u : 17u);
        expect_saved_pages(scratch.path(), "jugview", arguments, script.pages);
    }
}

// Saving starts no part of SDL and never asks it for an event.
TEST(JugviewSaving, StartsNoPartOfSdl)
{
    const TempFolder scratch;
    const SavedValue no_screen(screen);
    const RestoreOnExit pages_closed(close_page_files);
    reset_script();
    solution_count = 0;
    EXPECT_EQ(run_entry_in(BIN_DIR, jugview_main, {"--save", scratch.path() + "/pages"}), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    EXPECT_EQ(script.pages.size(), 0u);
}

// The status line names each step's pour and its result, where a back-up goes, and when the
// state it leaves had every pour turned down (not when a pour of it was entered); the
// window's title names the puzzle.
TEST_F(JugviewTest, StepStatusLinesSayWhy)
{
    const auto lines = step_status_lines([] {
        return run_jugview(BIN_DIR, {"--steps", "--delay", "0"});
    });
    ASSERT_EQ(lines.size(), 394u);
    EXPECT_EQ(lines[1], "step 2   depth 2   pour 1 into 2 \u2192 (5 5 0)");
    EXPECT_EQ(lines[4], "step 5   depth 4   pour 1 into 2 \u2192 (2 5 3): already on the path");
    EXPECT_EQ(lines[31], "step 32   depth 12   back up to (3 4 3)");
    EXPECT_EQ(lines[98], "step 99   depth 5   back up to (7 0 3)");
    EXPECT_EQ(lines[106],
              "step 107   depth 4   back up to (7 0 3): every pour from (2 5 3) is turned down");
    char *title = nullptr, *icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    EXPECT_STREQ(title, "jugview \u2014 jugs 10,5,3, goal *,*,2");
}

// The call stack of every step: a line for each call on the path, as the search tree names
// it, with what its loop has done; at step 16, eight calls, the newest trying its first pour.
// --view stack writes the same lines in the picture's place.
TEST_F(JugviewTest, TheCallStackOfEveryStepIsThePathOfItsTree)
{
    const auto stacks = step_stacks([] {
        return run_jugview(BIN_DIR, {"--steps", "--delay", "0"});
    });
    expect_stacks_as_the_tree_has_them(stacks);
    ASSERT_GE(stacks.size(), 16u);
    const std::string top =
        "depth 8  (9 0 1)  trying pour 1 into 2, the 1st of 6 pours: 0 turned down, 0 gone deeper";
    ASSERT_EQ(stacks[15].size(), 8u);
    EXPECT_EQ(stacks[15][0], top);

    reset_script();
    script.kept_waits = {15};
    script.answers.assign(16, WaitAnswer::right);
    script.answers.back() = WaitAnswer::escape;
    EXPECT_EQ(run_jugview(BIN_DIR, {"--steps", "--view", "stack"}), 0);
    ASSERT_EQ(script.pages.size(), 1u);
    TTF_Font* font = open_test_font(BIN_DIR, label_font_size);
    ASSERT_NE(font, nullptr);
    const Page& page = script.pages[0];
    EXPECT_TRUE(same_pixels("the newest call's line", page_pixels_with(page, 0, 0, 40, 799, 67),
                            text_pixels(font, top.c_str(), 20, 44)));
    TTF_CloseFont(font);
    TTF_Quit();

    // Drawn at twice the size, the stack clears the whole view: below its lines the view is
    // white from edge to edge, the picture of the step gone.
    reset_script();
    script.kept_waits = {15};
    script.answers.assign(16, WaitAnswer::right);
    script.answers.back() = WaitAnswer::escape;
    EXPECT_EQ(run_jugview(BIN_DIR, {"--steps", "--view", "stack", "--scale", "2"}), 0);
    ASSERT_EQ(script.pages.size(), 1u);
    const Page& large = script.pages[0];
    ASSERT_EQ(large.size(), 4u * screen_width * screen_height);
    int not_white = 0;
    for (int y = 2 * 250; y < 2 * 540; ++y) {
        for (int x = 0; x < 2 * screen_width; ++x) {
            not_white +=
                (large[static_cast<std::size_t>(y) * 2 * screen_width + x] & 0xffffff) != 0xffffff;
        }
    }
    EXPECT_EQ(not_white, 0);
}

// Predict mode: with ? on, a move forward first asks what happens next, holding the step
// back, and the next one shows it as ever; a move back goes back from the step shown.
TEST_F(JugviewTest, PredictAsksBeforeEachStepAndTheNextMoveShowsIt)
{
    static std::vector<std::string> shown;
    shown.clear();
    const SavedValue hook(step_shown_action, [](std::size_t, const char* status_line) {
        shown.push_back(status_line);
    });
    reset_script();
    // A key that is no move of its own (0, a step per key) leaves the question standing.
    script.answers = {WaitAnswer::right,    WaitAnswer::right, WaitAnswer::right,
                      WaitAnswer::question, WaitAnswer::right, WaitAnswer::zero,
                      WaitAnswer::right,    WaitAnswer::left,  WaitAnswer::escape};
    EXPECT_EQ(run_jugview(BIN_DIR, {"--steps"}), 0);
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown[3], "step 4   depth 4   pour 2 into 1 \u2192 (7 0 3)");
    EXPECT_EQ(shown[4], "step 5   depth 4   what happens next?");
    EXPECT_EQ(shown[5], "step 5   depth 4   pour 1 into 2 \u2192 (2 5 3): already on the path");
    EXPECT_EQ(shown[6], shown[3]);

    // Asked at the last step, which backs up from the start, the question finds no call open
    // and nothing left to try.
    static std::vector<std::string> last;
    const SavedValue asked(step_shown_action,
                           [](std::size_t step, const char*) { last = question_lines(step); });
    reset_script();
    EXPECT_EQ(run_jugview(BIN_DIR, {"--steps", "--delay", "0"}), 0);
    EXPECT_EQ(last, (std::vector<std::string>{
                        "What happens next?",
                        "No call is open: the search stands at the top, with its candidates:",
                        "  none left: the search is over"}));
}

// The longest status line of each kind, on the largest instances of both programs, fits the
// page's width: written on a page twice as wide, none of it stands past the page's edge.
TEST(StepStatusLines, TheLongestOfEachKindFitThePage)
{
    TTF_Font* font = open_test_font(BIN_DIR, font_size);
    ASSERT_NE(font, nullptr);
    const std::pair<const char*, std::size_t> lines[] = {
        {"pour 3 into 2 \u2192 (99 99 99): solution 99999999", path_slots},
        {"pour 3 into 2 \u2192 (99 99 99): already on the path", path_slots},
        {"back up to (99 99 99): every pour from (99 99 99) is turned down", path_slots},
        {"back up from the start (99 99 99): the search is over", path_slots},
        {"place 1870-1871 on cell 1870: tiling 99999999", 936},
        {"dead end at cell 1234: cells 1235 and 1287 are covered", 936},
        {"dead end at cell 1870: cell 1871 is covered and it is in the last row", 936},
        {"dead end at cell 1819: it is in the last column; cell 1871 is covered", 936}};
    SDL_Surface* wide =
        SDL_CreateRGBSurface(0, 2 * screen_width, step_status_place.y + 40, 32, screen_red_mask,
                             screen_green_mask, screen_blue_mask, 0);
    ASSERT_NE(wide, nullptr);
    {
        const SavedValue page(screen, wide);
        const SavedValue status_font(step_font, font);
        const Uint32 white = SDL_MapRGB(screen->format, 255, 255, 255);
        for (const auto& [words, depth] : lines) {
            SDL_FillRect(screen, nullptr, white);
            show_step_status(99999999, depth, words);
            int rightmost = 0;
            for (int y = step_status_place.y; y < screen->h; ++y) {
                for (int x = 0; x < screen->w; ++x) {
                    if (get_pixel(x, y) != white) rightmost = std::max(rightmost, x);
                }
            }
            EXPECT_GT(rightmost, step_status_place.x) << words;
            EXPECT_LT(rightmost, screen_width) << words;
        }
    }
    SDL_FreeSurface(wide);
    TTF_CloseFont(font);
    TTF_Quit();
}

// The tree view of a step deeper than the view holds (step 31 reaches solution 1, twelve
// levels below the root): the root stays at the top of the view, whole, the current node at
// the bottom, and the levels between give way to a dashed path with their count beside it.
TEST_F(JugviewTest, TheTreeViewOfADeepStepKeepsThePathToTheRoot)
{
    reset_script();
    script.kept_waits = {30};
    script.answers.assign(32, WaitAnswer::key);
    script.answers[31] = WaitAnswer::escape;
    EXPECT_EQ(run_jugview(BIN_DIR, {"--steps", "--view", "tree"}), 0);
    ASSERT_EQ(script.pages.size(), 1u);
    const Page& page = script.pages[0];
    const Uint32 blue = SDL_MapRGB(screen->format, 0x1f, 0x5f, 0xd6);
    const Uint32 grey = SDL_MapRGB(screen->format, 0x77, 0x77, 0x77);
    constexpr double scale = 16.0 / 11;
    constexpr double root_top = 40 + (12 + 24 + 12) * scale;  // the view, legend and margins
    EXPECT_GT(
        count_colour(page, blue, 0, static_cast<int>(root_top), 799, static_cast<int>(root_top)), 5)
        << "the root's outline, on the path";
    // The root stands left of the part of the tree in view: it is drawn whole at the view's
    // left side, its outline (a pixel either side of its line) 4 pixels in from the edge.
    const int root_y = static_cast<int>(root_top + 9 * scale);
    EXPECT_EQ(count_colour(page, blue, 0, root_y - 14, 2, root_y + 14), 0) << "cut off at the side";
    EXPECT_GT(count_colour(page, blue, 3, root_y - 8, 3, root_y + 8), 4) << "not at the side";
    EXPECT_GT(count_colour(page, blue, 0, 450, 799, 549), 100) << "the current node, framed";

    // The words stand among the grey texts of the page, a level's count in them.
    const PixelSet greys = page_pixels_with(page, grey, 0, 40, 799, 549);
    TTF_Font* font = open_test_font(BIN_DIR, 16);
    ASSERT_NE(font, nullptr);
    int counted = 0;
    for (int levels = 1; levels < 12 && counted == 0; ++levels) {
        const PixelSet words =
            text_pixels(font, (std::to_string(levels) + " levels left out").c_str(), 0, 0);
        const int x0 = words.begin()->first, y0 = words.begin()->second;
        for (const auto& at : greys) {
            const int dx = at.first - x0, dy = at.second - y0;
            const bool all = std::all_of(words.begin(), words.end(), [&](const auto& p) {
                return greys.count({p.first + dx, p.second + dy}) > 0;
            });
            if (all) counted = levels;
        }
    }
    EXPECT_GT(counted, 0) << "no count of the levels left out";
    TTF_CloseFont(font);
    TTF_Quit();
}
