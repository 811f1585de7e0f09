// The puzzle's solutions as juglist's reference listing gives them.
#ifndef TESTS_SOLUTIONS_H
#define TESTS_SOLUTIONS_H

#include <array>
#include <vector>

using Amounts = std::array<int, 3>;

#include <string>

// Solution n - 1 is the list of states on line n of a listing of juglist.
std::vector<std::vector<Amounts>> solutions_in_listing(const std::string& listing);

// The solutions of the reference listing of the default puzzle.
std::vector<std::vector<Amounts>> reference_solutions();

#endif
