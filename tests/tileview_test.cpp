// tileview under the dummy video driver: dominoes pixel by pixel, the pages, and whole runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>

#include "page_reading.h"
#include "pixel_check.h"
#include "raster/raster.h"
#include "saved_pages.h"
#include "scripted_events.h"
#include "state_guard.h"
#include "step_pages.h"
#include "steps/step_player.h"
#include "steps/step_stack.h"
#include "tiling/tiling.h"
#include "tileview/tiling_picture.h"

int tileview_main(int argc, char** argv);

namespace {

constexpr int page_pixels = 800 * 600;

class TileviewTest : public DummyScreenTest {
  protected:
    void SetUp() override
    {
        DummyScreenTest::SetUp();
        if (HasFatalFailure()) return;
        white_pixel = SDL_MapRGB(screen->format, 255, 255, 255);
        blue_pixel = SDL_MapRGB(screen->format, 0, 0, 250);
        red_pixel = SDL_MapRGB(screen->format, 255, 0, 0);
        black = SDL_MapRGB(screen->format, 0, 0, 0);
        SDL_FillRect(screen, nullptr, white_pixel);
        reset_script();
    }

    // Draws one domino on an empty screen and checks its blue and red pixels exactly.
    void expect_domino(const char* name, int a, int b, const PixelSet& bar, const PixelSet& red)
    {
        SDL_FillRect(screen, nullptr, white_pixel);
        draw_domino(a, b);
        PixelSet blue = bar;
        for (const auto& p : red) blue.erase(p);
        EXPECT_TRUE(same_pixels(std::string(name) + "-red", pixels_with(screen, red_pixel), red));
        EXPECT_TRUE(
            same_pixels(std::string(name) + "-blue", pixels_with(screen, blue_pixel), blue));
        EXPECT_EQ(pixels_with(screen, white_pixel).size(), page_pixels - bar.size());
    }

    Uint32 black = 0;

  private:
    // The answers and pages a test leaves in the script are emptied at its end.
    const RestoreOnExit<void (*)()> script_emptied{reset_script};
};

// Puts back what a run (in step mode, or of another board) leaves set for the next run or
// test.
void set_defaults()
{
    set_board(6, 4);
    tile_step_action = nullptr;
    drawing_diagrams = true;
    drawing_pitch = cell_pitch;
}

int run_tileview(const char* folder = BIN_DIR, const std::vector<std::string>& args = {})
{
    const RestoreOnExit defaults(set_defaults);
    cursor_x = page_margin;
    cursor_y = first_page_top;
    page_bottom = 0;
    return run_entry_in(folder, tileview_main, args);
}

}  // namespace

TEST_F(TileviewTest, HorizontalDominoIsOneBarWithAJoiningLine)
{
    cursor_x = 20;
    cursor_y = 50;
    const PixelSet bar = rectangle(15, 45, 40, 55);
    EXPECT_EQ(bar.size(), 286u);
    expect_domino("domino_0_1", 0, 1, bar, band(20, 49, 34, 51, {{35, 50}}));
}

TEST_F(TileviewTest, VerticalDominoIsOneBarWithAJoiningLine)
{
    cursor_x = 20;
    cursor_y = 50;
    expect_domino("domino_17_23", 17, 23, rectangle(90, 75, 100, 100),
                  band(94, 80, 96, 94, {{95, 95}}));
}

// Regression: from x 256 on, the last sample of the joining line lands exactly on the far
// end in single precision, and the band reaches the far column.
TEST_F(TileviewTest, JoiningLineReachesAFarEndFrom256On)
{
    cursor_x = 255;
    cursor_y = 130;
    expect_domino("domino_far_right", 0, 1, rectangle(250, 125, 275, 135),
                  rectangle(255, 129, 270, 131));
}

TEST_F(TileviewTest, NeighbouringBarsKeepAFourPixelGap)
{
    cursor_x = 20;
    cursor_y = 420;
    draw_domino(0, 1);
    draw_domino(2, 3);
    draw_domino(6, 12);
    EXPECT_EQ(pixels_with(screen, white_pixel).size(), page_pixels - 3 * 286u);
    for (int y = 415; y <= 425; ++y) {
        EXPECT_EQ(get_pixel(40, y), blue_pixel);
        for (int x = 41; x <= 44; ++x) EXPECT_EQ(get_pixel(x, y), white_pixel) << x << ", " << y;
        EXPECT_EQ(get_pixel(45, y), blue_pixel);
    }
    EXPECT_EQ(get_pixel(15, 425), blue_pixel);
    for (int y = 426; y <= 429; ++y) EXPECT_EQ(get_pixel(15, y), white_pixel) << y;
    EXPECT_EQ(get_pixel(15, 430), blue_pixel);
}

TEST_F(TileviewTest, WholeRunPagesEveryTilingAndEndsWithTheCounts)
{
    EXPECT_EQ(run_tileview(), 0);
    ASSERT_EQ(script.pages.size(), 6u);

    std::set<std::set<int>> seen;
    for (size_t p = 0; p < 6; ++p) {
        const auto diagrams = read_diagram_page(script.pages[p], p == 0 ? 50 : 20, blue_pixel);
        EXPECT_EQ(diagrams.size(), p < 5 ? 49u : 36u) << "page " << p + 1;
        for (const auto& d : diagrams) {
            EXPECT_EQ(d.size(), 12u) << "page " << p + 1;
            seen.insert(d);
        }
    }
    EXPECT_EQ(seen.size(), 281u);
    EXPECT_EQ(read_diagram(script.pages[0], 20, 50, blue_pixel), all_horizontal_tiling());
    EXPECT_EQ(read_diagram(script.pages[5], 20, 420, blue_pixel), all_vertical_tiling());
    EXPECT_TRUE(read_diagram(script.pages[5], 130, 420, blue_pixel).empty());

    // The header on page 1 only, the summary on the last page only, in black.
    EXPECT_GT(count_colour(script.pages[0], black, 10, 10, 120, 35), 50);
    EXPECT_GT(count_colour(script.pages[5], black, 30, 550, 560, 580), 300);
    for (size_t p = 1; p < 6; ++p) {
        EXPECT_EQ(count_colour(script.pages[p], black, 0, 0, 799, 14), 0) << "page " << p + 1;
    }
    for (size_t p = 0; p < 5; ++p) {
        EXPECT_EQ(count_colour(script.pages[p], black, 0, 0, 799, 599),
                  p == 0 ? count_colour(script.pages[0], black, 0, 0, 799, 44) : 0)
            << "page " << p + 1;
    }
    // No diagram of the last page comes near the summary line.
    EXPECT_EQ(count_colour(script.pages[5], blue_pixel, 0, 471, 799, 599), 0);
    EXPECT_EQ(count_colour(script.pages[5], red_pixel, 0, 471, 799, 599), 0);
    char *title = nullptr, *icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    EXPECT_EQ(title, nullptr) << "page mode's window has no caption";
}

TEST_F(TileviewTest, CloseRequestTurnsThePageLikeAKey)
{
    EXPECT_EQ(run_tileview(), 0);
    const auto with_keys = script.pages;

    reset_script();
    script.answers = {WaitAnswer::key, WaitAnswer::close_request, WaitAnswer::close_request};
    EXPECT_EQ(run_tileview(), 0);
    ASSERT_EQ(script.pages.size(), with_keys.size());
    for (size_t p = 0; p < with_keys.size(); ++p) {
        EXPECT_TRUE(script.pages[p] == with_keys[p]) << "page " << p + 1;
    }
}

// Shift alone is a key like any other to a page without options, and turns it; in step mode
// it is no move at all, and leaves even the last page, which any other key ends, as it is.
TEST_F(TileviewTest, ShiftAloneTurnsAPageButIsNoStep)
{
    script.answers.assign(6, WaitAnswer::shift);
    EXPECT_EQ(run_tileview(), 0);
    EXPECT_EQ(script.waits, 6u) << "six pages, each turned by Shift";

    reset_script();
    script.answers = {WaitAnswer::nine, WaitAnswer::shift, WaitAnswer::left,
                      WaitAnswer::zero, WaitAnswer::right, WaitAnswer::shift};
    EXPECT_EQ(run_tileview(BIN_DIR, {"--board", "4x3", "--steps"}), 0);
    ASSERT_EQ(script.waits, 7u) << "only the space bar after the last Shift ended the run";
    EXPECT_TRUE(script.pages[2] == script.pages[1]) << "Shift keeps the last page";
    EXPECT_FALSE(script.pages[3] == script.pages[1]) << "and the left arrow goes back from it";
    EXPECT_TRUE(script.pages[6] == script.pages[5]);
}

TEST_F(TileviewTest, RunsWithoutTextsWhenTheFontIsMissing)
{
    EXPECT_EQ(run_tileview("/"), 0);
    ASSERT_EQ(script.pages.size(), 6u);
    EXPECT_EQ(read_diagram_page(script.pages[0], 50, blue_pixel).size(), 49u);
    EXPECT_EQ(read_diagram_page(script.pages[5], 20, blue_pixel).size(), 36u);
    for (const auto& page : script.pages) {
        EXPECT_EQ(count_colour(page, black, 0, 0, 799, 599), 0);
    }
}

// Other boards fill rows and pages as they fit: 4x5 has 95 tilings, 60 on the first page
// (6 rows of 10) and 35 on the last; 10x2 has 89, and its last page is full to the bottom,
// so the counts get a page of their own.
TEST_F(TileviewTest, OtherBoardsFlowAsManyDiagramsAsFit)
{
    struct Case {
        Board board;
        std::vector<size_t> diagrams;  // on each page
    };
    for (const Case& c : {Case{{4, 5}, {60, 35}}, Case{{10, 2}, {44, 45, 0}}}) {
        const std::string name =
            std::to_string(c.board.columns) + "x" + std::to_string(c.board.rows);
        reset_script();
        EXPECT_EQ(run_tileview(BIN_DIR, {"--board", name}), 0);
        ASSERT_EQ(script.pages.size(), c.diagrams.size()) << name;
        std::set<std::set<int>> seen;
        for (size_t p = 0; p < c.diagrams.size(); ++p) {
            const auto diagrams =
                read_diagram_page(script.pages[p], p == 0 ? 50 : 20, blue_pixel, c.board);
            EXPECT_EQ(diagrams.size(), c.diagrams[p]) << name << " page " << p + 1;
            for (const auto& d : diagrams) {
                EXPECT_EQ(d.size(), size_t(c.board.columns * c.board.rows / 2)) << name;
                seen.insert(d);
            }
            const auto box = drawn_extent(script.pages[p], white_pixel);
            EXPECT_GE(box[0], 10) << name << " page " << p + 1;
            EXPECT_LE(box[2], 790) << name << " page " << p + 1;
            EXPECT_LE(box[3], 590) << name << " page " << p + 1;
        }
        size_t total = 0;
        for (size_t n : c.diagrams) total += n;
        EXPECT_EQ(seen.size(), total) << name;
        // The counts on the last page only, clear of the diagrams above them.
        const Page& last = script.pages.back();
        EXPECT_GT(count_colour(last, black, 30, 550, 560, 580), 300) << name;
        EXPECT_EQ(count_colour(last, blue_pixel, 0, 545, 799, 599), 0) << name;
    }
}

namespace {

struct RecordedStep {
    SearchStep step;
    std::set<int> dominoes;  // on the board after the step
    int cell;
};
std::vector<RecordedStep> recorded_steps;
std::vector<int> placed_now;

void record_step(SearchStep step, DominoCode domino, int depth, int free_cell)
{
    placed_now.resize(static_cast<size_t>(depth - 1));
    if (step != SearchStep::back_up) placed_now.push_back(domino);
    recorded_steps.push_back({step, {placed_now.begin(), placed_now.end()}, free_cell});
}

// The large board of step mode read back from its pixels: the dominoes whose bars (in one
// of the colours) cover the cell centres and run on across the gap between them.
std::set<int> read_board(const Page& page, int pitch, int left, int top,
                         const std::set<Uint32>& colours)
{
    auto covered = [&](int x, int y) { return colours.count(page_pixel(page, x, y)) != 0; };
    std::set<int> dominoes;
    for (int a = 0; a < 24; ++a) {
        const int x = left + pitch * (a % 6), y = top + pitch * (a / 6);
        if (!covered(x, y)) continue;
        if (a % 6 != 5 && covered(x + pitch / 2, y)) dominoes.insert(a * 24 + a + 1);
        if (a < 18 && covered(x, y + pitch / 2)) dominoes.insert(a * 24 + a + 6);
    }
    return dominoes;
}

}  // namespace

// Step mode on the 6x4 board: each step's board drawn large with its grid and the numbers
// of its free cells, a step per key, and Escape ends the run at once.
TEST_F(TileviewTest, StepModeShowsTheBoardAtEveryStep)
{
    // Where the search's first dead end and first tiling come, from the search itself.
    recorded_steps.clear();
    placed_now.clear();
    {
        const SavedValue action(tile_step_action, record_step);
        enumerate_tilings();
    }
    size_t dead_end = 0, tiling = 0;
    while (recorded_steps[dead_end].step != SearchStep::dead_end) ++dead_end;
    while (recorded_steps[tiling].step != SearchStep::found) ++tiling;
    ASSERT_LT(tiling + 1, dead_end);

    reset_script();
    script.kept_waits = {0, 1, tiling + 1, tiling + 2, dead_end + 1};
    script.answers.assign(dead_end + 3, WaitAnswer::key);
    script.answers[dead_end + 2] = WaitAnswer::escape;
    EXPECT_EQ(run_tileview(BIN_DIR, {"--steps"}), 0);
    EXPECT_EQ(script.waits, dead_end + 3) << "step 0, the search's steps, Escape at once";
    ASSERT_EQ(script.pages.size(), 5u);

    // The board is as large as the page allows: a pitch of 125, cell 0 centred at (82, 107),
    // its box from (20, 45). The newest domino is green, the others blue, and the line
    // joining a domino's cells pale: red is the dead end's alone.
    constexpr int pitch = 125, left = 82, top = 107;
    const Uint32 newest = SDL_MapRGB(screen->format, 0, 120, 50);
    const Uint32 join = SDL_MapRGB(screen->format, 170, 200, 255);
    const std::set<Uint32> ink = {blue_pixel, newest, join};
    const auto inked = [&](const Page& page, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (const Uint32 colour : ink) n += count_colour(page, colour, x0, y0, x1, y1);
        return n;
    };
    EXPECT_EQ(inked(script.pages[0], 0, 45, 799, 545), 0) << "step 0: the empty board";
    const Page& first = script.pages[1];
    EXPECT_EQ(read_board(first, pitch, left, top, ink), (std::set<int>{1}));
    // Bar 0-1 alone on the board, the newest, of 3:1 against what is around it.
    EXPECT_EQ(inked(first, 0, 45, 799, 545), 208 * 83);
    EXPECT_GE(lowest_contrast(first, newest, {newest, join}, 0, 45, 799, 545), 3.0);
    EXPECT_EQ(count_colour(first, newest, 41, 66, 248, 148) +
                  count_colour(first, join, 41, 66, 248, 148),
              208 * 83);
    // The grid: the line between the free cells 3 and 4 and the one under cells 2 to 5.
    const Uint32 grid = SDL_MapRGB(screen->format, 200, 200, 200);
    EXPECT_EQ(count_colour(first, grid, 520, 46, 520, 169), 124);
    EXPECT_EQ(count_colour(first, grid, 271, 170, 769, 170), 499);
    // Every free cell's number in its middle, in the header's font: cell 9 exactly.
    TTF_Font* font = open_test_font(BIN_DIR, 20);
    ASSERT_NE(font, nullptr);
    const Uint32 number = SDL_MapRGB(screen->format, 96, 96, 96);
    const auto number_in = [&](int cell) {
        return text_pixels(font, std::to_string(cell).c_str(), left + pitch * (cell % 6),
                           top + pitch * (cell / 6) - 11, true);
    };
    EXPECT_TRUE(
        same_pixels("number_9", page_pixels_with(first, number, 396, 171, 519, 294), number_in(9)));
    // The lowest free cell, 2, filled inside the grid, its number on it.
    const Uint32 free_cell = SDL_MapRGB(screen->format, 255, 220, 100);
    const int filled = 124 * 124 - static_cast<int>(number_in(2).size());
    EXPECT_EQ(count_colour(first, free_cell, 271, 46, 394, 169), filled);
    EXPECT_EQ(count_colour(first, free_cell, 0, 45, 799, 599), filled);
    TTF_CloseFont(font);
    TTF_Quit();

    // The first tiling: the newest, 22-23, green; the board framed 7 pixels outside its
    // box, in 3-pixel lines.
    const Page& tiling_page = script.pages[2];
    EXPECT_EQ(read_board(tiling_page, pitch, left, top, ink), all_horizontal_tiling());
    EXPECT_EQ(count_colour(tiling_page, newest, 0, 0, 799, 599),
              count_colour(tiling_page, newest, 541, 441, 748, 523));
    EXPECT_GT(count_colour(tiling_page, newest, 541, 441, 748, 523), 208 * 83 / 2);
    PixelSet frame = band(13, 37, 776, 39, {{777, 38}});
    frame += band(13, 551, 776, 553, {{777, 552}});
    frame += band(12, 38, 14, 551, {{13, 552}});
    frame += band(776, 38, 778, 551, {{777, 552}});
    PixelSet outside = page_pixels_with(tiling_page, blue_pixel, 0, 36, 799, 43);
    for (const auto& [x0, y0, x1, y1] :
         {std::array<int, 4>{0, 44, 18, 554}, {773, 44, 799, 554}, {0, 548, 799, 555}})
        outside += page_pixels_with(tiling_page, blue_pixel, x0, y0, x1, y1);
    EXPECT_TRUE(same_pixels("tiling_frame", outside, frame));
    // The next step takes 22-23 off: its ghost, a pale tint in a dashed blue outline, stands
    // where the bar stood and nowhere else; no domino is framed or newest.
    const Page& ghost_page = script.pages[3];
    EXPECT_EQ(read_board(ghost_page, pitch, left, top, ink), recorded_steps[tiling + 1].dominoes);
    EXPECT_EQ(recorded_steps[tiling + 1].dominoes.size(), 11u);
    const Uint32 ghost = SDL_MapRGB(screen->format, 220, 228, 255);
    EXPECT_GT(count_colour(ghost_page, ghost, 541, 441, 748, 523), 208 * 83 / 2);
    EXPECT_EQ(count_colour(ghost_page, ghost, 0, 0, 799, 599),
              count_colour(ghost_page, ghost, 541, 441, 748, 523));
    const int dashes = count_colour(ghost_page, blue_pixel, 541, 441, 748, 441);  // its top
    EXPECT_TRUE(dashes > 208 / 3 && dashes < 208 * 2 / 3) << dashes;
    EXPECT_GE(lowest_contrast(ghost_page, blue_pixel, {blue_pixel}, 535, 435, 754, 529), 3.0);
    EXPECT_EQ(count_colour(ghost_page, newest, 0, 0, 799, 599) +
                  count_colour(ghost_page, blue_pixel, 0, 36, 799, 43),
              0);

    const RecordedStep& dead = recorded_steps[dead_end];
    const Page& dead_page = script.pages[4];
    EXPECT_EQ(read_board(dead_page, pitch, left, top, ink), dead.dominoes);
    const int dx = left + pitch * (dead.cell % 6), dy = top + pitch * (dead.cell / 6);
    EXPECT_GT(count_colour(dead_page, red_pixel, dx - 50, dy - 50, dx + 50, dy + 50), 500)
        << "the dead end's cell " << dead.cell << " is crossed out";
    EXPECT_EQ(count_colour(dead_page, red_pixel, 0, 0, 799, 599),
              count_colour(dead_page, red_pixel, dx - 50, dy - 50, dx + 50, dy + 50) +
                  count_colour(dead_page, red_pixel, 560, 10, 799, 35))
        << "red in the cross and the legend's only";
    for (const Page& page : script.pages) {
        EXPECT_GT(count_colour(page, black, 20, 560, 799, 590), 100) << "status line";
        EXPECT_GT(count_colour(page, black, 10, 10, 120, 35), 50) << "header";
        EXPECT_GT(count_colour(page, black, 320, 10, 799, 35), 50) << "legend";
    }
}

// The call stack of every step on a 4x3 board: a line for each domino's call on the path, as
// the tree names it, trying the horizontal domino on the lowest free cell first, then the
// vertical one.
TEST_F(TileviewTest, TheCallStackOfEveryStepIsThePathOfItsTree)
{
    const auto stacks = step_stacks([] {
        return run_tileview(BIN_DIR, {"--board", "4x3", "--steps", "--delay", "0"});
    });
    expect_stacks_as_the_tree_has_them(stacks);
    ASSERT_GE(stacks.size(), 6u);
    EXPECT_EQ(stacks[5].back(),
              "depth 1  0-1  trying cell 2 horizontal, the 1st of 2: 0 turned down, 0 gone deeper");
    const auto tried = [&stacks](const char* words) {
        return std::any_of(stacks.begin(), stacks.end(), [words](const auto& lines) {
            return std::any_of(lines.begin(), lines.end(), [words](const std::string& line) {
                return line.find(words) != std::string::npos;
            });
        });
    };
    EXPECT_TRUE(tried("vertical, the 2nd of 2: 0 turned down, 1 gone deeper"));

    // Asked at the first tiling (step 6), the question lists no candidate: the board is full.
    static std::vector<std::string> asked;
    const SavedValue hook(step_shown_action, [](std::size_t step, const char*) {
        if (step == 6) asked = question_lines(step);
    });
    reset_script();
    run_tileview(BIN_DIR, {"--board", "4x3", "--steps", "--delay", "0"});
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1],
              "The call at depth 6, 10-11, and its candidates in the order it tries them:");
    EXPECT_EQ(asked[2], "  none: the configuration is complete, so the call goes back");

    // At the last step no call is open: the search stands at the top, both of cell 0's
    // dominoes tried.
    static std::vector<std::string> last;
    const SavedValue at_last(step_shown_action,
                             [](std::size_t step, const char*) { last = question_lines(step); });
    reset_script();
    run_tileview(BIN_DIR, {"--board", "4x3", "--steps", "--delay", "0"});
    ASSERT_EQ(last.size(), 4u);
    EXPECT_EQ(last[1], "No call is open: the search stands at the top, with its candidates:");
    EXPECT_EQ(last[2].rfind("  tried:  ", 0), 0u) << last[2];
    EXPECT_EQ(last[3].rfind("  tried:  ", 0), 0u) << last[3];
}

// Every step shown can be seen again as it was drawn: back, forward, Home, End, n and p.
TEST_F(TileviewTest, StepModeGoesBackAndForth)
{
    const auto run = [] { return run_tileview(BIN_DIR, {"--board", "4x3", "--steps"}); };
    const auto tilings = found_steps(run, 100, 2);
    ASSERT_EQ(tilings.size(), 2u);
    EXPECT_EQ(tilings[0], 6u) << "step 0, then six dominoes, the last one the tiling";
    expect_moves_show_steps(run, tour_of_steps(tilings[0], tilings[1]));
    // The tree view too: a step seen again shows the tree as it stood at that step.
    expect_moves_show_steps(
        [] {
            return run_tileview(BIN_DIR, {"--board", "4x3", "--steps", "--view", "tree"});
        },
        tour_of_steps(tilings[0], tilings[1]));
}

// The digit keys choose the pace: 0 a step per key, so that the step stays until a key
// comes; 9 plays every step by itself, the run then waiting only on its last page, the page
// a run that plays from the start ends on.
TEST_F(TileviewTest, StepModeDigitKeysChooseThePace)
{
    const std::vector<std::string> board = {"--board", "4x3", "--steps"};
    script.answers = {WaitAnswer::zero, WaitAnswer::key, WaitAnswer::nine};
    EXPECT_EQ(run_tileview(BIN_DIR, board), 0);
    const auto stepped = script.pages;
    ASSERT_EQ(stepped.size(), 4u) << "two steps, the second held at 9, then the last page";
    EXPECT_TRUE(stepped[1] == stepped[0]) << "0 keeps the step shown";
    EXPECT_FALSE(stepped[2] == stepped[1]) << "a key then takes the next";

    reset_script();
    std::vector<std::string> played = board;
    played.insert(played.end(), {"--delay", "0"});
    EXPECT_EQ(run_tileview(BIN_DIR, played), 0);
    ASSERT_EQ(script.pages.size(), 1u);
    EXPECT_TRUE(script.pages[0] == stepped[3]) << "9 played to the last page";
}

// The tree view: the search tree explored so far, drawn from its first step, the path down
// to the current node in blue and that node framed, one level further down at each step as
// the search descends; t switches back to the board of the same step.
TEST_F(TileviewTest, StepModeShowsTheTreeExploredSoFar)
{
    script.kept_waits = {3};
    script.answers = {WaitAnswer::key, WaitAnswer::key, WaitAnswer::key, WaitAnswer::escape};
    EXPECT_EQ(run_tileview(BIN_DIR, {"--board", "4x3", "--steps"}), 0);
    const Page board_at_third_step = script.pages.at(0);

    reset_script();
    script.answers = {WaitAnswer::key, WaitAnswer::key, WaitAnswer::key, WaitAnswer::t,
                      WaitAnswer::escape};
    EXPECT_EQ(run_tileview(BIN_DIR, {"--board", "4x3", "--steps", "--view", "tree"}), 0);
    ASSERT_EQ(script.pages.size(), 5u) << "step 0, whose tree is empty, and three steps";
    EXPECT_TRUE(script.pages[4] == board_at_third_step) << "t shows the board of the same step";
    EXPECT_FALSE(script.pages[3] == board_at_third_step);

    // Steps 1 to 3 place 0-1, 2-3 and 4-5: a path of one, two, three calls, drawn as the
    // picture lays them out, enlarged 16/11 times for labels in the 16-pixel font. The frame
    // of the current node stands 17 pixels above and below its centre, a level (52 of the
    // picture's units) lower each step; nothing is blue below it; its label is the domino.
    const Uint32 blue = SDL_MapRGB(screen->format, 0x1f, 0x5f, 0xd6);
    const Uint32 ink = SDL_MapRGB(screen->format, 0x22, 0x22, 0x22);
    constexpr double scale = 16.0 / 11;
    // The view's top, its legend, the margins, half a node.
    constexpr double first_centre = 40 + (12 + 24 + 12 + 9) * scale;
    TTF_Font* font = open_test_font(BIN_DIR, 16);
    ASSERT_NE(font, nullptr);
    const auto from_corner = [](const PixelSet& pixels) {
        int x0 = 799, y0 = 599;
        for (const auto& [x, y] : pixels) x0 = std::min(x0, x), y0 = std::min(y0, y);
        PixelSet moved;
        for (const auto& [x, y] : pixels) moved.insert({x - x0, y - y0});
        return moved;
    };
    for (int k = 0; k < 3; ++k) {
        const Page& page = script.pages[static_cast<size_t>(k) + 1];
        const int centre = static_cast<int>(first_centre + 52 * scale * k);
        EXPECT_GT(count_colour(page, blue, 0, centre - 17, 799, centre - 17), 20)
            << "step " << k + 1;
        EXPECT_GT(count_colour(page, blue, 0, centre + 17, 799, centre + 17), 20)
            << "step " << k + 1;
        EXPECT_EQ(count_colour(page, blue, 0, centre + 21, 799, 549), 0) << "step " << k + 1;
        EXPECT_GT(count_colour(page, blue, 0, static_cast<int>(first_centre - 9 * scale), 799,
                               static_cast<int>(first_centre - 9 * scale)),
                  5)
            << "the root's outline, on the path";
        EXPECT_GT(count_colour(page, ink, 20, 52, 799, 90), 100) << "the tree's legend";
        const char* domino = k == 0 ? "0-1" : k == 1 ? "2-3" : "4-5";
        EXPECT_TRUE(
            same_pixels(std::string("tree_label_") + domino,
                        from_corner(page_pixels_with(page, ink, 0, centre - 12, 799, centre + 12)),
                        from_corner(text_pixels(font, domino, 0, 0))));
    }
    TTF_CloseFont(font);
    TTF_Quit();
}

// A board of an odd number of cells: after step 0, the end of step mode says why it has no
// tiling, and sums up a search that made no call.
TEST_F(TileviewTest, NoTilingSaysSo)
{
    EXPECT_EQ(run_tileview(BIN_DIR, {"--board", "3x3", "--steps"}), 0);
    ASSERT_EQ(script.pages.size(), 2u);
    script.pages.erase(script.pages.begin());
    const TestFont font(BIN_DIR, 20);
    ASSERT_NE(font.get(), nullptr);
    PixelSet words = text_pixels(
        font.get(), "no tiling: a domino covers two cells, and the board has 9", 20, 50);
    ASSERT_NO_FATAL_FAILURE(add_end_summary(
        BIN_DIR, 20, "no tiling", "0 calls, 0 found, 0 turned down, 0 dead ends, depth 0", words));
    EXPECT_TRUE(
        same_pixels("no_tiling", page_pixels_with(script.pages[0], black, 0, 40, 799, 540), words));
    EXPECT_GT(count_colour(script.pages[0], black, 30, 550, 560, 580), 300) << "the counts";
}

// --save draws, with no display, the pages the window shows at its waits, pixel for pixel and
// texts included; 10x2 also gives the counts a page of their own; in step mode every step
// is a page: the 2x2 board's two tilings take 8 steps after step 0.
TEST_F(TileviewTest, SavedPagesAreTheWindowsPages)
{
    const std::vector<std::pair<std::vector<std::string>, size_t>> runs = {
        {{"--board", "6x4"}, 6}, {{"--board", "10x2"}, 3}, {{"--board", "2x2", "--steps"}, 10}};
    for (const auto& [arguments, pages] : runs) {
        const TempFolder scratch;
        reset_script();
        EXPECT_EQ(run_tileview(BIN_DIR, arguments), 0);
        EXPECT_EQ(script.pages.size(), pages);
        expect_saved_pages(scratch.path(), "tileview", arguments, script.pages);
    }
}

// Regression: at an even pitch, as step mode's large board can have, the two halves of a bar
// left a white line between them. At every pitch a domino is one solid bar.
TEST_F(TileviewTest, ABarIsSolidAtEveryPitch)
{
    const SavedValue pitch_back(drawing_pitch);
    for (const int pitch : {15, 16, 125, 166}) {
        drawing_pitch = pitch;
        const int outer = pitch / 3;
        for (const bool vertical : {false, true}) {
            SDL_FillRect(screen, nullptr, white_pixel);
            cursor_x = 200;
            cursor_y = 150;
            draw_domino(0, vertical ? 6 : 1);
            const int x1 = 200 + (vertical ? 0 : pitch) + outer;
            const int y1 = 150 + (vertical ? pitch : 0) + outer;
            const Page page = copy_screen();
            const int area = (x1 - 200 + outer + 1) * (y1 - 150 + outer + 1);
            EXPECT_EQ(count_colour(page, white_pixel, 200 - outer, 150 - outer, x1, y1), 0)
                << "pitch " << pitch << (vertical ? " vertical" : " horizontal");
            EXPECT_EQ(count_colour(page, white_pixel, 0, 0, 799, 599), page_pixels - area)
                << "pitch " << pitch << (vertical ? " vertical" : " horizontal");
        }
    }
}

// The status line names each domino placed and taken off, and why a dead end is one; the
// window's title names the board.
TEST_F(TileviewTest, StepStatusLinesSayWhy)
{
    const auto lines = step_status_lines([] {
        return run_tileview(BIN_DIR, {"--board", "4x3", "--steps", "--delay", "0"});
    });
    ASSERT_EQ(lines.size(), 94u);
    EXPECT_EQ(lines[0], "step 0   depth 0   the empty board: the search covers cell 0 first");
    EXPECT_EQ(lines[24], "step 24   depth 4   place 5-9 on cell 5");
    EXPECT_EQ(lines[33], "step 33   depth 3   back up: take 5-9 off");
    EXPECT_EQ(lines[52], "step 52   depth 0   back up: take 0-1 off, the board is empty again");
    EXPECT_EQ(
        lines[64],
        "step 64   depth 5   dead end at cell 8: cell 9 is covered and it is in the last row");
    char *title = nullptr, *icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    EXPECT_STREQ(title, "tileview \u2014 board 4x3");
}

// On the last page the keys of step mode keep their meaning: after 9 has played every step,
// 0, t and the right arrow leave the window open, the right arrow saying that the search is
// over; a move back goes to the last step and forward again; the space bar ends the run.
TEST_F(TileviewTest, TheLastPageKeepsTheKeysOfStepMode)
{
    using K = WaitAnswer;
    script.answers = {K::nine, K::zero, K::t, K::t, K::right, K::left, K::right, K::key};
    EXPECT_EQ(run_tileview(BIN_DIR, {"--board", "4x3", "--steps"}), 0);
    ASSERT_EQ(script.waits, 8u) << "only the space bar ended the run";
    const std::vector<Page>& pages = script.pages;  // [1] is the last page
    EXPECT_TRUE(pages[2] == pages[1]) << "0";
    EXPECT_FALSE(pages[3] == pages[1]) << "t shows the tree";
    EXPECT_TRUE(pages[4] == pages[1]) << "t again";
    EXPECT_FALSE(pages[6] == pages[1]) << "the left arrow shows the last step";
    EXPECT_TRUE(pages[7] == pages[1]);
    const auto marker_rows = static_cast<long>(step_marker_place.y) * 800;
    EXPECT_TRUE(std::equal(pages[5].begin(), pages[5].begin() + marker_rows, pages[1].begin()));
    // The summary of the search, as tilelist --board 4x3 --trace | tracetree counts it.
    PixelSet summary;
    ASSERT_NO_FATAL_FAILURE(
        add_end_summary(BIN_DIR, font_size, "11 tilings",
                        "46 calls, 11 found, 0 turned down, 1 dead ends, depth 6", summary));
    EXPECT_TRUE(
        same_pixels("summary", page_pixels_with(pages[1], black, 0, 40, 799, 540), summary));
    TTF_Font* small = open_test_font(BIN_DIR, small_font_size);
    ASSERT_NE(small, nullptr);
    EXPECT_TRUE(same_pixels(
        "search_over",
        page_pixels_with(pages[5], SDL_MapRGB(screen->format, 96, 96, 96), 0, step_marker_place.y),
        text_pixels(small, "the search is over: no step comes after this page", step_marker_place.x,
                    step_marker_place.y)));
    TTF_CloseFont(small);
    TTF_Quit();
}
