// The counts of --count, --jobs and --part against the listings' searches, and the estimates
// of --estimate against the exact sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pour/pour.h"
#include "pour/pour_count.h"
#include "run/workers.h"
#include "state_guard.h"
#include "tiling/tiling.h"
#include "tiling/tiling_count.h"

namespace {

std::vector<std::int32_t> listed_depths, counted_depths;

void take_depth(std::int32_t depth) { counted_depths.push_back(depth); }

void set_puzzle(const std::vector<int>& puzzle)
{
    set_jug_puzzle(puzzle.data(), puzzle.data() + 3);
    solution_count = 0;
    pour_search_calls = 0;
    listed_depths.clear();
}

void set_counted_board(int columns, int rows)
{
    set_board(columns, rows);
    prepare_tiling_count();
    tiling_count = 0;
    tile_search_calls = 0;
}

const std::vector<int> jug_puzzles[] = {
    {10, 5, 3, any_amount, any_amount, 2},
    {8, 5, 3, 4, 4, any_amount},
    {99, 97, 3, any_amount, 50, any_amount},
    {12, 8, 5, 6, 6, any_amount},
    {10, 6, 4, any_amount, any_amount, 1},
    {10, 5, 3, any_amount, any_amount, any_amount},  // the start is a goal
};

// The default instances, set back at the end of each test that sets others.
void set_default_puzzle() { set_puzzle(jug_puzzles[0]); }
void set_default_board() { set_counted_board(6, 4); }

}  // namespace

void report_solution(JugState, int depth)
{
    ++solution_count;
    listed_depths.push_back(depth);
}
void show_tiling(DominoCode) {}

// The count walks the listing's tree call for call: the same calls, and the solutions at
// the same depths in the same order, with any number of threads.
TEST(PourCount, EveryThreadCountFindsTheListingsSolutions)
{
    const RestoreOnExit default_puzzle(set_default_puzzle);
    for (const std::vector<int>& puzzle : jug_puzzles) {
        set_puzzle(puzzle);
        start_pour_search();
        for (const int jobs : {1, 2, 7}) {
            const std::string name = std::to_string(puzzle[0]) + "," + std::to_string(puzzle[1]) +
                                     " on " + std::to_string(jobs);
            EXPECT_EQ(count_pour_solutions(jobs, 1, 1), solution_count) << name;
            counted_depths.clear();
            each_counted_depth(take_depth);
            EXPECT_EQ(counted_depths, listed_depths) << name;
            EXPECT_EQ(tallies_so_far().calls, static_cast<double>(pour_search_calls)) << name;
        }
    }
}

TEST(PourCount, PartsAddUpToTheWhole)
{
    const RestoreOnExit default_puzzle(set_default_puzzle);
    for (const std::vector<int>& puzzle : {jug_puzzles[1], jug_puzzles[3]}) {
        set_puzzle(puzzle);
        const std::int64_t whole = count_pour_solutions(1, 1, 1);
        for (const int parts : {1, 2, 7, 64}) {
            std::int64_t sum = 0;
            for (int part = 1; part <= parts; ++part) sum += count_pour_solutions(2, part, parts);
            EXPECT_EQ(sum, whole) << puzzle[0] << "," << puzzle[1] << " in " << parts;
        }
    }
}

// Every board up to 6x6, and larger ones: the count's tilings and calls are the listing's.
TEST(TilingCount, EveryThreadCountFindsTheListingsTilings)
{
    const RestoreOnExit default_board(set_default_board);
    std::vector<std::pair<int, int>> boards = {{8, 8},  {9, 4},  {4, 9}, {3, 12},
                                               {20, 2}, {2, 20}, {7, 6}};
    for (int columns = 1; columns <= 6; ++columns) {
        for (int rows = 1; rows <= 6; ++rows) boards.emplace_back(columns, rows);
    }
    for (const auto& [columns, rows] : boards) {
        set_counted_board(columns, rows);
        enumerate_tilings();
        for (const int jobs : {1, 2, 7}) {
            const std::string name = std::to_string(columns) + "x" + std::to_string(rows) + " on " +
                                     std::to_string(jobs);
            EXPECT_EQ(count_tilings(jobs, 1, 1), static_cast<std::uint64_t>(tiling_count)) << name;
            EXPECT_EQ(tallies_so_far().calls, static_cast<double>(tile_search_calls)) << name;
        }
    }
}

TEST(TilingCount, PartsAddUpToTheWholeAndAreAboutEven)
{
    const RestoreOnExit default_board(set_default_board);
    for (const auto& [columns, rows] : {std::pair{6, 6}, std::pair{8, 7}}) {
        set_counted_board(columns, rows);
        const std::uint64_t whole = count_tilings(2, 1, 1);
        for (const int parts : {1, 2, 7, 64}) {
            std::uint64_t sum = 0, largest = 0;
            for (int part = 1; part <= parts; ++part) {
                const std::uint64_t count = count_tilings(2, part, parts);
                sum += count;
                largest = std::max(largest, count);
            }
            const std::string name = std::to_string(columns) + "x" + std::to_string(rows) + " in " +
                                     std::to_string(parts);
            EXPECT_EQ(sum, whole) << name;
            if (columns == 8) {
                EXPECT_LT(largest, 2 * whole / parts) << name;
            }
        }
    }
}

// With the fixed seed, the estimates of the default instances and of 8x8 come within a
// quarter of the true calls and configurations, and no number of threads changes them.
TEST(Estimate, ComesWithinAQuarterOfTheExactSizes)
{
    struct Case {
        Probe probe;
        int columns, rows;  // a board, or 0 for the jug puzzle
        double calls, found;
    };
    const Case cases[] = {{probe_pour_search, 0, 0, 101, 14},
                          {probe_tilings, 6, 4, 1328, 281},
                          {probe_tilings, 8, 8, 75690366, 12988816}};
    const RestoreOnExit default_board(set_default_board);
    set_puzzle(jug_puzzles[0]);
    for (const Case& c : cases) {
        if (c.columns > 0) set_counted_board(c.columns, c.rows);
        const TreeEstimate estimate = estimate_tree(c.probe, 10000, 1, 1);
        EXPECT_NEAR(estimate.calls, c.calls, c.calls / 4) << c.columns;
        EXPECT_NEAR(estimate.configurations, c.found, c.found / 4) << c.columns;
        const TreeEstimate threaded = estimate_tree(c.probe, 10000, 1, 3);
        EXPECT_EQ(threaded.calls, estimate.calls) << c.columns;
        EXPECT_EQ(threaded.configurations, estimate.configurations) << c.columns;
    }
}
