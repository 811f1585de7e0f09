// The puzzle's solutions as juglist's reference listing gives them.
#ifndef TESTS_SOLUTIONS_H
#define TESTS_SOLUTIONS_H

#include <array>
#include <vector>

using Amounts = std::array<int, 3>;

// Solution n - 1 is the list of states on line n of the reference listing.
std::vector<std::vector<Amounts>> reference_solutions();

#endif
