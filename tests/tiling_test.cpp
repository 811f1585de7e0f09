// The tiling enumeration linked with a display step that records every tiling.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "row_count.h"
#include "state_guard.h"
#include "tiling/tiling.h"

namespace {

using Tiling = std::vector<DominoCode>;  // in placement order
std::vector<Tiling> tilings;
// Off for boards with more tilings than are worth keeping: they are only counted.
bool keep_tilings = true;
// Every sampled tiling has each cell of the board asked of cell_covered; these count the
// tilings asked about and the answers that were not 1.
int sample_every = 0;
std::int64_t sampled_tilings;
std::int64_t uncovered_answers;

void reset_enumeration()
{
    tilings.clear();
    tiling_count = 0;
    tile_search_calls = 0;
    tile_dead_ends = 0;
    std::fill(std::begin(placed_dominoes), std::end(placed_dominoes), 0);
}

void run_full_enumeration()
{
    reset_enumeration();
    enumerate_tilings();
}

void set_default_board() { set_board(6, 4); }

// Enumerates another board, then sets the default one back for the other tests.
void run_enumeration_of(int columns, int rows)
{
    const RestoreOnExit default_board(set_default_board);
    reset_enumeration();
    set_board(columns, rows);
    enumerate_tilings();
}

// Dominoes written as "a-b c-d ...", in placement order.
Tiling tiling_of(const std::string& cells)
{
    Tiling t;
    std::istringstream in(cells);
    int a, b;
    char dash;
    while (in >> a >> dash >> b) t.push_back(domino_code(a, b));
    return t;
}

}  // namespace

void show_tiling(DominoCode last)
{
    if (sample_every > 0 && tiling_count % sample_every == 1) {
        ++sampled_tilings;
        for (int cell = 0; cell < cell_count; ++cell) {
            if (cell_covered(cell, last, domino_count) != 1) ++uncovered_answers;
        }
    }
    if (!keep_tilings) return;
    Tiling t(placed_dominoes + 2, placed_dominoes + domino_count + 1);
    t.push_back(last);
    tilings.push_back(t);
}

TEST(TileSearch, FindsEveryTilingOnceInAFixedOrder)
{
    run_full_enumeration();
    EXPECT_EQ(tiling_count, 281);
    EXPECT_EQ(tile_search_calls, 1328);
    EXPECT_EQ(tile_dead_ends, 15);
    ASSERT_EQ(tilings.size(), 281u);

    EXPECT_EQ(tilings[0],
              tiling_of("0-1 2-3 4-5 6-7 8-9 10-11 12-13 14-15 16-17 18-19 20-21 22-23"));
    EXPECT_EQ(tilings[1],
              tiling_of("0-1 2-3 4-5 6-7 8-9 10-11 12-13 14-15 16-22 17-23 18-19 20-21"));
    // The 132 tilings with a horizontal domino on cell 0 come first.
    EXPECT_EQ(tilings[131],
              tiling_of("0-1 2-8 3-9 4-10 5-11 6-12 7-13 14-20 15-21 16-22 17-23 18-19"));
    EXPECT_EQ(tilings[132],
              tiling_of("0-6 1-2 3-4 5-11 7-8 9-10 12-13 14-15 16-17 18-19 20-21 22-23"));
    EXPECT_EQ(tilings[280],
              tiling_of("0-6 1-7 2-8 3-9 4-10 5-11 12-18 13-19 14-20 15-21 16-22 17-23"));
    // Every domino placed was taken off again: the board is empty, every slot clear.
    EXPECT_EQ(lowest_free_cell(), 0);
    EXPECT_TRUE(std::all_of(std::begin(placed_dominoes), std::end(placed_dominoes),
                            [](DominoCode d) { return d == no_domino; }));
}

TEST(TileSearch, EveryTilingCoversTheBoardWithNeighbouringCells)
{
    run_full_enumeration();
    std::set<std::set<DominoCode>> distinct;
    for (const Tiling& t : tilings) {
        ASSERT_EQ(t.size(), size_t(domino_count));
        std::vector<int> covered(cell_count, 0);
        for (DominoCode d : t) {
            const int a = first_cell(d), b = second_cell(d);
            EXPECT_TRUE((b == a + 1 && a % board_columns != board_columns - 1) ||
                        b == a + board_columns)
                << a << "-" << b;
            ++covered[a];
            ++covered[b];
        }
        EXPECT_TRUE(std::all_of(covered.begin(), covered.end(), [](int n) { return n == 1; }));
        distinct.insert(std::set<DominoCode>(t.begin(), t.end()));
    }
    EXPECT_EQ(distinct.size(), 281u);
}

// Every dead end is a leaf: the search backs up from it at once, without a tiling.
TEST(TileSearch, DeadEndCountsNothing)
{
    static std::vector<SearchStep> steps;
    static std::vector<std::int64_t> tilings_at;
    steps.clear();
    tilings_at.clear();
    const SavedValue action(tile_step_action, [](SearchStep step, DominoCode, int, int) {
        steps.push_back(step);
        tilings_at.push_back(tiling_count);
    });
    run_full_enumeration();
    int dead_ends = 0;
    for (size_t k = 0; k + 1 < steps.size(); ++k) {
        if (steps[k] != SearchStep::dead_end) continue;
        ++dead_ends;
        EXPECT_EQ(steps[k - 1], SearchStep::enter) << "step " << k;
        EXPECT_EQ(steps[k + 1], SearchStep::back_up) << "step " << k;
        EXPECT_EQ(tilings_at[k + 1], tilings_at[k - 1]) << "step " << k;
    }
    EXPECT_EQ(dead_ends, 15);
    EXPECT_EQ(tile_dead_ends, 15);
}

TEST(CellCovered, LooksAtTheLastDominoAndTheStoredSlots)
{
    reset_enumeration();
    const RestoreOnExit slots_cleared(reset_enumeration);
    placed_dominoes[0] = domino_code(4, 5);
    placed_dominoes[1] = domino_code(4, 5);
    placed_dominoes[2] = domino_code(0, 1);
    placed_dominoes[3] = domino_code(2, 8);
    const DominoCode last = domino_code(3, 9);
    // At depth 1 only the last domino counts.
    EXPECT_EQ(cell_covered(3, last, 1), 1);
    EXPECT_EQ(cell_covered(9, last, 1), 1);
    EXPECT_EQ(cell_covered(0, last, 1), 0);
    EXPECT_EQ(cell_covered(4, last, 1), 0);
    EXPECT_EQ(cell_covered(4, last, 3), 0);  // slots 0 and 1 are never read
    EXPECT_EQ(cell_covered(8, last, 2), 0);  // slot 3 lies above depth 2
    EXPECT_EQ(cell_covered(8, last, 3), 1);
    EXPECT_EQ(cell_covered(1, last, 3), 1);
    for (int depth = 0; depth <= domino_count; ++depth) {
        EXPECT_EQ(cell_covered(3, last, depth), 1);
        EXPECT_EQ(cell_covered(9, last, depth), 1);
    }
}

TEST(ClosedForm, GivesTheExactCountAndPrintsAs281)
{
    const double figure = closed_form_tiling_count();
    EXPECT_NEAR(figure, 281.0, 1e-9);
    char text[16];
    std::snprintf(text, sizeof text, "%3.0lf", figure);
    EXPECT_STREQ(text, "281");
}

// Regression: with pi taken as 3.14159 the figure was 12,988,572 for 8x8 and printed 1 for
// 5x5, and with pi in full 9x9 still printed 37 until the middle factor was made exactly 0.
TEST(ClosedForm, PrintsTheExactCountOnEveryBoardUpToTenByTen)
{
    const RestoreOnExit default_board(set_default_board);
    for (int columns = 1; columns <= 10; ++columns) {
        for (int rows = 1; rows <= 10; ++rows) {
            set_board(columns, rows);
            char text[32], count[32];
            std::snprintf(text, sizeof text, "%3.0lf", closed_form_tiling_count());
            std::snprintf(count, sizeof count, "%3llu",
                          static_cast<unsigned long long>(tilings_by_rows(columns, rows)));
            EXPECT_STREQ(text, count) << columns << "x" << rows;
        }
    }
    EXPECT_EQ(tilings_by_rows(8, 8), 12988816u);
    EXPECT_EQ(tilings_by_rows(10, 10), 258584046368u);
}

TEST(TileSearch, OtherBoardsGiveEveryTilingOnce)
{
    std::uint64_t fibonacci[12] = {1, 2};
    for (int n = 2; n < 12; ++n) fibonacci[n] = fibonacci[n - 1] + fibonacci[n - 2];
    for (int columns = 1; columns <= 7; ++columns) {
        for (int rows = 1; rows <= 6; ++rows) {
            run_enumeration_of(columns, rows);
            const std::string board = std::to_string(columns) + "x" + std::to_string(rows);
            EXPECT_EQ(static_cast<std::uint64_t>(tiling_count), tilings_by_rows(columns, rows))
                << board;
            EXPECT_EQ(tilings.size(), static_cast<size_t>(tiling_count)) << board;
            std::set<std::set<DominoCode>> distinct;
            for (const Tiling& t : tilings)
                distinct.insert(std::set<DominoCode>(t.begin(), t.end()));
            EXPECT_EQ(distinct.size(), tilings.size()) << board;
            if (columns == 2) {
                EXPECT_EQ(tiling_count, fibonacci[rows - 1]) << board;
            }
        }
    }
    run_enumeration_of(4, 4);
    EXPECT_EQ(tiling_count, 36);
    run_enumeration_of(1, 1);  // no domino fits
    EXPECT_EQ(tiling_count, 0);
    EXPECT_EQ(tile_search_calls, 0);
    run_enumeration_of(7, 5);  // odd: not searched at all
    EXPECT_EQ(tile_search_calls, 0);
}

// Boards past one word of cells, and 8x8, counted against the row method (by symmetry, on
// the narrow side of the board); a sample of the tilings found has every cell covered.
TEST(TileSearch, LargeBoardsCountAsTheRowMethodDoes)
{
    const std::pair<int, int> boards[] = {{8, 8}, {3, 22}, {22, 3}, {1, 130}, {130, 1}, {2, 24}};
    const RestoreOnExit default_board(set_default_board);
    const SavedValue counted_only(keep_tilings, false);
    const SavedValue sampled(sample_every, 997);
    for (const auto& [columns, rows] : boards) {
        reset_enumeration();
        sampled_tilings = 0;
        uncovered_answers = 0;
        set_board(columns, rows);
        enumerate_tilings();
        const std::string board = std::to_string(columns) + "x" + std::to_string(rows);
        EXPECT_EQ(static_cast<std::uint64_t>(tiling_count),
                  tilings_by_rows(std::min(columns, rows), std::max(columns, rows)))
            << board;
        EXPECT_EQ(sampled_tilings, (tiling_count + sample_every - 1) / sample_every) << board;
        EXPECT_EQ(uncovered_answers, 0) << board;
    }
    EXPECT_EQ(tiling_count, 75025);  // 2x24: the 25th Fibonacci number
}

// Codes are taken apart by a multiplication in place of a division: it must give the
// quotient and remainder of a division for every code of every board size.
TEST(DominoCode, TakesApartAsADivisionWouldOnEveryBoardSize)
{
    const RestoreOnExit default_board(set_default_board);
    for (int cells = 1; cells <= max_cell_count; ++cells) {
        set_board(cells, 1);
        for (int first : {0, 1, cells / 2, cells - 2, cells - 1}) {
            for (int second : {0, 1, cells - 1}) {
                if (first < 0 || second < 0) continue;
                const DominoCode code = domino_code(first, second);
                ASSERT_EQ(first_cell(code), code / cells) << cells << ": " << code;
                ASSERT_EQ(second_cell(code), code % cells) << cells << ": " << code;
            }
        }
    }
}
