// The pouring search linked with a goal action that records every solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "pour/pour.h"

namespace {

std::vector<std::vector<JugState>> solutions;
bool start_on_path_at_every_goal = true;

void reset_search()
{
    solutions.clear();
    solution_count = 0;
    pour_search_calls = 0;
    std::fill(std::begin(state_path), std::end(state_path), 0);
    start_on_path_at_every_goal = true;
}

void run_full_search()
{
    reset_search();
    pour_search(jug_capacity[0] * 10000, 1);
}

}  // namespace

void report_solution(JugState goal, int depth)
{
    ++solution_count;
    std::vector<JugState> states(state_path + 2, state_path + depth + 1);
    states.push_back(goal);
    solutions.push_back(states);
    if (depth >= 2 && path_contains(100000, depth) != 1) {
        start_on_path_at_every_goal = false;
    }
}

TEST(JugState, PacksAndUnpacksWithTwoDigitsPerSmallJug)
{
    EXPECT_EQ(pack_state(10, 0, 0), 100000);
    EXPECT_EQ(pack_state(8, 0, 2), 80002);
    EXPECT_EQ(pack_state(3, 5, 2), 30502);
    std::int32_t a[jug_count];
    unpack_state(30502, a);
    EXPECT_EQ(a[0], 3);
    EXPECT_EQ(a[1], 5);
    EXPECT_EQ(a[2], 2);
    unpack_state(99999, a);
    EXPECT_EQ(a[0], 9);
    EXPECT_EQ(a[1], 99);
    EXPECT_EQ(a[2], 99);
}

TEST(PathContains, ScansOnlySlotsTwoToDepth)
{
    reset_search();
    state_path[0] = 555;
    state_path[1] = 555;
    EXPECT_EQ(path_contains(555, 1), 0);
    EXPECT_EQ(path_contains(555, 0), 0);
    EXPECT_EQ(path_contains(555, 5), 0);
    state_path[4] = 555;
    EXPECT_EQ(path_contains(555, 3), 0);  // slot 4 lies above depth 3
    EXPECT_EQ(path_contains(555, 4), 1);
    EXPECT_EQ(path_contains(555, 9), 1);
}

TEST(PourSearch, FindsFourteenSolutionsInHundredAndOneCalls)
{
    run_full_search();
    EXPECT_EQ(pour_search_calls, 101);
    EXPECT_EQ(solution_count, 14);
    ASSERT_EQ(solutions.size(), 14u);

    const std::vector<size_t> depths = {13, 14, 13, 5, 7, 7, 9, 10, 11, 13, 13, 15, 11, 9};
    for (size_t n = 0; n < solutions.size(); ++n) {
        EXPECT_EQ(solutions[n].size(), depths[n]) << "solution " << n + 1;
        const bool ends_in_352 = n == 0 || n == 1 || n == 2 || n == 12;
        EXPECT_EQ(solutions[n].back(), ends_in_352 ? 30502 : 80002) << "solution " << n + 1;
    }
    EXPECT_TRUE(start_on_path_at_every_goal);
}

TEST(PourSearch, EverySolutionIsASimplePathOfConservedLiquid)
{
    run_full_search();
    std::set<std::vector<JugState>> distinct(solutions.begin(), solutions.end());
    EXPECT_EQ(distinct.size(), solutions.size());
    for (const auto& s : solutions) {
        EXPECT_EQ(s.front(), 100000);
        EXPECT_EQ(std::set<JugState>(s.begin(), s.end()).size(), s.size());
        for (size_t k = 0; k < s.size(); ++k) {
            std::int32_t a[jug_count];
            unpack_state(s[k], a);
            EXPECT_EQ(a[0] + a[1] + a[2], 10);
            // Only the last state is a goal.
            EXPECT_EQ(a[2] == goal_amount, k + 1 == s.size());
        }
    }
}

TEST(PourSearch, SolutionsComeOutInMoveOrder)
{
    run_full_search();
    ASSERT_EQ(solutions.size(), 14u);
    const std::vector<JugState> first = {100000, 50500, 20503, 70003, 70300, 40303, 40501,
                                         90001,  90100, 60103, 60400, 30403, 30502};
    const std::vector<JugState> shortest = {100000, 50500, 50203, 80200, 80002};
    const std::vector<JugState> deepest = {100000, 70003, 70300, 40303, 40501, 90001, 90100, 60103,
                                           60400,  30403, 20503, 50500, 50203, 80200, 80002};
    EXPECT_EQ(solutions[0], first);
    EXPECT_EQ(solutions[3], shortest);
    EXPECT_EQ(solutions[11], deepest);
    // 0->1 from the start is explored first; from solution 5 on, every path begins 0->2.
    for (size_t n = 0; n < 4; ++n) EXPECT_EQ(solutions[n][1], 50500);
    for (size_t n = 4; n < 14; ++n) EXPECT_EQ(solutions[n][1], 70003);
}

TEST(PourSearch, NeverDescendsPastTheLastPathSlot)
{
    // Entered just below the store's end, the search may fill the last slot but must not
    // go further: without the bound the next descent would write past the array.
    reset_search();
    pour_search(100000, path_slots - 2);
    EXPECT_EQ(state_path[path_slots - 1], 100000);
    EXPECT_EQ(pour_search_calls, 3);  // the start and its two children, which stop there
    EXPECT_EQ(solution_count, 0);

    // A goal at the deepest depth is still reported.
    reset_search();
    pour_search(80002, path_slots - 1);
    EXPECT_EQ(solution_count, 1);
}
