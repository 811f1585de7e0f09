// juglist: every solution of the 10/5/3 three-jug puzzle on the console, then a depth summary.
#include <cstdint>
#include <cstdio>

#include "console/getch.h"
#include "pour/pour.h"

constexpr int max_recorded_solutions = 500;

// Entry n - 1 holds the depth of solution n.
static std::int32_t solution_depths[max_recorded_solutions];

static void print_state(const char* format, JugState state)
{
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    std::printf(format, amount[0], amount[1], amount[2]);
}

void report_solution(JugState goal, int depth)
{
    const std::int32_t n = ++solution_count;
    std::printf("\n%4.d: ", n);
    for (int k = 2; k <= depth; ++k) {
        print_state("(%d %d %d)", state_path[k]);
    }
    print_state(" (%d %d %d)\n", goal);
    // A solution past the table is still listed; only its depth goes unrecorded.
    if (n <= max_recorded_solutions) {
        solution_depths[n - 1] = depth;
    }
}

int main()
{
    pour_search(jug_capacity[0] * 10000, 1);

    std::printf("\n\n Time for each of the %d solutions: ", solution_count);
    for (int k = 0; k < solution_count && k < max_recorded_solutions; ++k) {
        std::printf("%d ", solution_depths[k]);
    }

    _getch();
    return 0;
}
