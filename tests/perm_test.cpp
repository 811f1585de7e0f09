// The permutation search linked with a goal action that records every ordering.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "perm/perm.h"
#include "perm/perm_estimate.h"
#include "state_guard.h"

namespace {

std::vector<std::vector<std::int32_t>> orderings;

struct Steps {
    long long calls = 0, turned_down = 0, backed_up = 0;
    std::vector<std::vector<std::int32_t>> found;
} watched;

void watch(SearchStep step, std::int32_t, std::int32_t)
{
    if (step == SearchStep::enter || step == SearchStep::found) ++watched.calls;
    if (step == SearchStep::turned_down) ++watched.turned_down;
    if (step == SearchStep::back_up) ++watched.backed_up;
    if (step == SearchStep::found) watched.found.push_back(orderings.back());
}

void set_default_size() { set_perm_size(7); }

// Runs the search of another size, watched or not, then sets the default size and no step
// action back for the other tests.
void run_search(int size, bool watching)
{
    const RestoreOnExit default_size(set_default_size);
    const SavedValue action(perm_step_action, watching ? watch : nullptr);
    set_perm_size(size);
    orderings.clear();
    perm_count = 0;
    perm_search_calls = 0;
    watched = Steps();
    start_perm_search();
}

}  // namespace

void report_ordering(std::int32_t last)
{
    std::vector<std::int32_t> ordering(perm_prefix + 1, perm_prefix + leaf_level + 1);
    ordering.push_back(last);
    orderings.push_back(ordering);
}

// The listing and --trace watch the same search: the calls the listing makes are the calls
// the trace shows, and the orderings it completes are the ones the trace finds.
TEST(PermSearch, TheListingAndItsTraceAreOneSearch)
{
    run_search(4, false);
    const long long listing_calls = perm_search_calls;
    const auto listed = orderings;
    EXPECT_EQ(listing_calls, 4 + 12 + 24 + 24);
    EXPECT_EQ(listing_calls, static_cast<long long>(perm_tree_calls(4)));
    ASSERT_EQ(listed.size(), 24u);
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));

    run_search(4, true);
    EXPECT_EQ(watched.calls, listing_calls);
    EXPECT_EQ(watched.backed_up, listing_calls);
    EXPECT_EQ(watched.found, listed);
    // Each call below the leaves tries all four numbers and turns down those placed.
    EXPECT_EQ(watched.turned_down, 4 * 1 + 12 * 2 + 24 * 3);

    // The trace of the default size turns down 46,921 numbers as already placed.
    run_search(7, true);
    EXPECT_EQ(watched.turned_down, 46921);
    EXPECT_EQ(perm_count, 5040);
}

// The tree of the orderings is even: every probe of --estimate, whatever its random choices,
// walks through as many candidates at each level as the search has, and so gives the exact
// calls and orderings of every size.
TEST(PermEstimate, EveryProbeGivesTheExactSize)
{
    const RestoreOnExit default_size(set_default_size);
    for (int size = 1; size <= max_perm_size; ++size) {
        set_perm_size(size);
        for (std::uint64_t seed = 0; seed < 200; ++seed) {
            ProbeRandom random(seed);
            double orderings = 0;
            const double calls = probe_orderings(random, orderings);
            ASSERT_EQ(calls, perm_tree_calls(size)) << size << ", seed " << seed;
            ASSERT_EQ(orderings, factorial(size)) << size << ", seed " << seed;
        }
    }
}
