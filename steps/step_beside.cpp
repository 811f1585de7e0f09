// A step's place in the search tree, as the panels beside the page show it.
#include "steps/step_beside.h"

#include "steps/step_record.h"
#include "steps/step_tree.h"
#include "tree/search_tree.h"

StepPlace step_place(std::size_t step)
{
    const bool held = step < steps_in_step_tree();
    const int count = held ? step_tree_count(step) : step_tree.size();
    const int current = held ? step_tree_current(step) : -1;
    const int before = held && step > 0 ? step_tree_count(step - 1) : 0;
    const StepEvent event = held ? step_record.at(step) : StepEvent{};
    if (!held || is_start_event(event)) return {count, current, ""};
    if (is_found_here(event)) return {count, current, tree_kind_name(SearchStep::found)};
    if (count > before) return {count, current, tree_kind_name(step_kind(event))};
    if (current >= 0) return {count, current, "back-up"};
    const bool after_configuration = before > 0 && step > 0 &&
                                     step_tree_current(step - 1) == before - 1 &&
                                     step_tree.node(before - 1).kind == SearchStep::found;
    return {count, current,
            after_configuration ? "back-up-from-root-after-solution" : "back-up-from-root"};
}
