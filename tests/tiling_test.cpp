// The tiling enumeration linked with a display step that records every tiling.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tileview/tiling.h"

namespace {

using Tiling = std::vector<DominoCode>;  // in placement order
std::vector<Tiling> tilings;

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
    tile_search(domino_code(0, 1), 1);
    tile_search(domino_code(0, 6), 1);
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
    Tiling t(placed_dominoes + 2, placed_dominoes + domino_count + 1);
    t.push_back(last);
    tilings.push_back(t);
}

TEST(TileSearch, FindsEveryTilingOnceInAFixedOrder)
{
    reset_enumeration();
    tile_search(domino_code(0, 1), 1);
    EXPECT_EQ(tiling_count, 132);
    tile_search(domino_code(0, 6), 1);
    EXPECT_EQ(tiling_count, 281);
    EXPECT_EQ(tile_search_calls, 1328);
    EXPECT_EQ(tile_dead_ends, 15);
    ASSERT_EQ(tilings.size(), 281u);

    EXPECT_EQ(tilings[0],
              tiling_of("0-1 2-3 4-5 6-7 8-9 10-11 12-13 14-15 16-17 18-19 20-21 22-23"));
    EXPECT_EQ(tilings[1],
              tiling_of("0-1 2-3 4-5 6-7 8-9 10-11 12-13 14-15 16-22 17-23 18-19 20-21"));
    EXPECT_EQ(tilings[131],
              tiling_of("0-1 2-8 3-9 4-10 5-11 6-12 7-13 14-20 15-21 16-22 17-23 18-19"));
    EXPECT_EQ(tilings[132],
              tiling_of("0-6 1-2 3-4 5-11 7-8 9-10 12-13 14-15 16-17 18-19 20-21 22-23"));
    EXPECT_EQ(tilings[280],
              tiling_of("0-6 1-7 2-8 3-9 4-10 5-11 12-18 13-19 14-20 15-21 16-22 17-23"));
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

TEST(TileSearch, DeadEndCountsNothing)
{
    reset_enumeration();
    const Tiling path = tiling_of("0-1 2-3 4-5 6-7 8-14 9-10 11-17 12-13 15-21 16-22");
    std::copy(path.begin(), path.end(), placed_dominoes + 2);
    // Cell 20 is the lowest free one: in the bottom row, with cell 21 taken.
    tile_search(domino_code(18, 19), 11);
    EXPECT_EQ(tile_search_calls, 1);
    EXPECT_EQ(tile_dead_ends, 1);
    EXPECT_EQ(tiling_count, 0);
    EXPECT_TRUE(tilings.empty());
}

TEST(CellCovered, LooksAtTheLastDominoAndTheStoredSlots)
{
    reset_enumeration();
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

TEST(ClosedForm, ComesOutJustUnder281AndPrintsAs281)
{
    const double figure = closed_form_tiling_count();
    EXPECT_NEAR(figure, 280.998, 0.001);
    EXPECT_LT(figure, 281.0);  // pi is taken as 3.14159, not exactly
    char text[16];
    std::snprintf(text, sizeof text, "%3.0lf", figure);
    EXPECT_STREQ(text, "281");
}
