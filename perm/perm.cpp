// The orderings of the numbers 0..N-1: the depth-first search that places one number a level.
#include "perm/perm.h"

std::int32_t perm_size = 7;
std::int32_t leaf_level = 6;
std::int32_t perm_prefix[max_perm_size + 2];
Counter<std::int32_t> perm_count;
Counter<std::int64_t> perm_search_calls;
std::int32_t lowest_position_placed;
void (*perm_step_action)(SearchStep step, std::int32_t number, std::int32_t level);

// Whether each number is placed: the search asks it of every number at every level.
static bool placed[max_perm_size];

void set_perm_size(int size)
{
    perm_size = size;
    leaf_level = size - 1;
}

bool is_placed(std::int32_t number) { return placed[number]; }

void place_number(std::int32_t number, std::int32_t level)
{
    perm_prefix[level + 1] = number;
    if (level + 1 < lowest_position_placed) lowest_position_placed = level + 1;
    placed[number] = true;
}

void remove_number(std::int32_t number) { placed[number] = false; }

// Tells a program that watches the search what the search just did.
static void tell(SearchStep step, std::int32_t number, std::int32_t level)
{
    if (perm_step_action != nullptr) perm_step_action(step, number, level);
}

void perm_search(std::int32_t v, std::int32_t d)
{
    ++perm_search_calls;
    if (d == leaf_level) {
        ++perm_count;
        report_ordering(v);
        tell(SearchStep::found, v, d);
        tell(SearchStep::back_up, v, d);
        return;
    }
    tell(SearchStep::enter, v, d);

    // The candidates: every number, in ascending order.
    for (std::int32_t i = 0; i < perm_size; ++i) {
        if (is_placed(i)) {
            tell(SearchStep::turned_down, i, d + 1);
            continue;
        }
        place_number(i, d + 1);
        perm_search(i, d + 1);
        remove_number(i);  // undo: the number is free again
    }
    tell(SearchStep::back_up, v, d);
}

void start_perm_search()
{
    for (std::int32_t v = 0; v < perm_size; ++v) {
        place_number(v, 0);
        perm_search(v, 0);
        remove_number(v);
    }
}
