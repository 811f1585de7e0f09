// Three-jug pouring puzzle: state code, pour moves and the depth-first search of all solutions.
#include "pour/pour.h"

std::int32_t jug_capacity[jug_count] = {10, 5, 3};
std::int32_t jug_goal[jug_count] = {any_amount, any_amount, 2};
JugState state_path[path_slots];
Counter<std::int32_t> solution_count;
Counter<std::int64_t> pour_search_calls;
void (*pour_step_action)(SearchStep step, JugState state, int depth);

// Tells a program that watches the search what the search just did.
static void tell(SearchStep step, JugState state, int depth)
{
    if (pour_step_action != nullptr) pour_step_action(step, state, depth);
}

JugState pack_state(std::int32_t jug0, std::int32_t jug1, std::int32_t jug2)
{
    return jug0 * 10000 + jug1 * 100 + jug2;
}

void unpack_state(JugState code, std::int32_t amount[jug_count])
{
    amount[0] = code / 10000;
    amount[1] = (code / 100) % 100;
    amount[2] = code % 100;
}

void set_jug_puzzle(const int capacity[jug_count], const int goal[jug_count])
{
    for (int k = 0; k < jug_count; ++k) {
        jug_capacity[k] = capacity[k];
        jug_goal[k] = goal[k];
    }
}

bool is_goal(const std::int32_t amount[jug_count])
{
    for (int k = 0; k < jug_count; ++k) {
        if (jug_goal[k] != any_amount && amount[k] != jug_goal[k]) {
            return false;
        }
    }
    return true;
}

int path_contains(JugState state, int depth)
{
    for (int k = depth; k >= 2; --k) {
        if (state_path[k] == state) {
            return 1;
        }
    }
    return 0;
}

// Pours jug i into jug j. Returns false when there is nothing to pour: the source is
// empty or the target full. Pouring everything is tried first, so a pour that exactly
// fills the target empties the source.
static bool pour(std::int32_t amount[jug_count], const std::int32_t free_space[jug_count], int i,
                 int j)
{
    if (amount[i] >= 1 && amount[i] <= free_space[j]) {
        amount[j] += amount[i];
        amount[i] = 0;
        return true;
    }
    if (free_space[j] >= 1 && amount[i] >= free_space[j]) {
        amount[i] -= free_space[j];
        amount[j] = jug_capacity[j];
        return true;
    }
    return false;
}

int pour_results(const std::int32_t amount[jug_count], JugState results[max_pours])
{
    std::int32_t free_space[jug_count];
    for (int k = 0; k < jug_count; ++k) {
        free_space[k] = jug_capacity[k] - amount[k];
    }
    int count = 0;
    for (int i = 0; i < jug_count; ++i) {
        for (int j = 0; j < jug_count; ++j) {
            if (j == i) {
                continue;
            }
            std::int32_t next[jug_count] = {amount[0], amount[1], amount[2]};
            if (pour(next, free_space, i, j)) {
                results[count++] = pack_state(next[0], next[1], next[2]);
            }
        }
    }
    return count;
}

void pour_search(JugState state, int depth)
{
    ++pour_search_calls;
    std::int32_t amount[jug_count];
    unpack_state(state, amount);

    // A goal ends its path: no solution passes through another goal.
    if (is_goal(amount)) {
        report_solution(state, depth);
        tell(SearchStep::found, state, depth);
        tell(SearchStep::back_up, state, depth);
        return;
    }
    tell(SearchStep::enter, state, depth);

    // The candidates: the states that the pours lead to, in the order of the pours.
    JugState children[max_pours];
    const int child_count = pour_results(amount, children);
    for (int k = 0; k < child_count; ++k) {
        const JugState child = children[k];
        if (path_contains(child, depth)) {
            tell(SearchStep::turned_down, child, depth + 1);
            continue;
        }
        state_path[depth + 1] = state;  // the path goes on through this state
        pour_search(child, depth + 1);
        state_path[depth + 1] = no_state;  // undo: the path ends at this state again
    }
    tell(SearchStep::back_up, state, depth);
}

JugState start_state() { return pack_state(jug_capacity[0], 0, 0); }

void start_pour_search() { pour_search(start_state(), 1); }
