// Three-jug pouring puzzle: state code, pour moves and the depth-first search of all solutions.
#ifndef POUR_POUR_H
#define POUR_POUR_H

#include <cstdint>

#include "run/counter.h"
#include "run/search_step.h"

// Amounts of the three jugs in one integer: jug 0 * 10000 + jug 1 * 100 + jug 2.
using JugState = std::int32_t;

constexpr int jug_count = 3;
constexpr std::int32_t max_jug_amount = 99;  // two decimal digits per jug in a JugState
constexpr std::int32_t any_amount = -1;      // a goal entry that every amount meets

// The puzzle: the capacities (jug 0 starts full, the others empty) and the goal, an amount
// or any_amount for each jug. 10, 5, 3 and any, any, 2 until a program sets others.
extern std::int32_t jug_capacity[jug_count];
extern std::int32_t jug_goal[jug_count];

// The liquid is conserved, so jugs 1 and 2 decide a state: no simple path holds more
// states than there are such pairs, and the store holds the longest.
constexpr int path_slots = (max_jug_amount + 1) * (max_jug_amount + 1) + 2;

// While the search stands at depth d, slots 2..d hold the states at depths 1..d - 1 of the
// current path, the start first; the state of depth d is the search's argument. Every other
// slot holds no_state: the search clears a slot when it comes back from the descent that
// wrote it. Slots 0 and 1 are unused.
extern JugState state_path[path_slots];

// What a slot holds when no state stands there: no puzzle has every jug empty.
constexpr JugState no_state = 0;

// Solutions reported so far; each program's report_solution numbers them with it.
extern Counter<std::int32_t> solution_count;

// Number of pour_search entries since program start (search statistics for tests, benchmarks
// and the progress line).
extern Counter<std::int64_t> pour_search_calls;

JugState pack_state(std::int32_t jug0, std::int32_t jug1, std::int32_t jug2);
void unpack_state(JugState code, std::int32_t amount[jug_count]);

// Sets the puzzle's capacities and goal (any_amount where any amount will do).
void set_jug_puzzle(const int capacity[jug_count], const int goal[jug_count]);

// Whether every jug with a goal amount holds exactly that amount.
bool is_goal(const std::int32_t amount[jug_count]);

// The most pours a state allows: from each jug into each other.
constexpr int max_pours = jug_count * (jug_count - 1);

// The states that the pours from the amounts lead to, in the order the search tries them
// (jug 0 into 1, 0 into 2, 1 into 0, ...), and how many there are: a pour needs liquid in its
// source and room in its target.
int pour_results(const std::int32_t amount[jug_count], JugState results[max_pours]);

// 1 if state is in state_path slots depth down to 2, else 0.
int path_contains(JugState state, int depth);

// The state the puzzle starts from: the first jug full, the others empty.
JugState start_state();

// Explores every simple path from state (at depth) and calls report_solution at each goal.
void pour_search(JugState state, int depth);

// The whole search of the puzzle: from the first jug full and the others empty, at depth 1.
void start_pour_search();

// The step action, set by a program that watches the search; none by default. It is called
// with each step (run/search_step.h), the state and its depth: entering a state, or a goal,
// which ends its path (after report_solution has numbered it); a pour turned down because
// its result is already on the path, with the depth that state would have had; backing up
// from a state.
extern void (*pour_step_action)(SearchStep step, JugState state, int depth);

// The goal action. Each program (and each test binary) defines its own. When it is called,
// state_path slots 2..depth hold the earlier states of the solution, start state first.
void report_solution(JugState goal, int depth);

#endif
