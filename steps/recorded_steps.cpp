// The steps of a search recorded whole before they are shown, with its trace.
#include "steps/recorded_steps.h"

#include <cstdio>

#include "steps/step_record.h"
#include "steps/step_replay.h"
#include "steps/step_tree.h"
#include "tree/tree_file.h"

namespace {

bool refuse(TraceFault& fault, std::size_t step, const char* why)
{
    fault = TraceFault();
    fault.line = static_cast<int>(step + 1);
    std::snprintf(fault.message, sizeof fault.message, "step %zu: %s", step + 1, why);
    return false;
}

// The title of the node the step stands at, or of the node it reached, or else the words
// given: a step past the tree's most nodes has no node of its own.
const char* current_title(std::size_t step, const char* none)
{
    const int current = step < steps_in_step_tree() ? step_tree_current(step) : -1;
    return current >= 0 ? step_tree.title(current) : none;
}
}  // namespace

const char* reached_title(std::size_t step, const char* none)
{
    if (step >= steps_in_step_tree()) return none;
    const int before = step > 0 ? step_tree_count(step - 1) : 0;
    return step_tree_count(step) > before ? step_tree.title(before) : none;
}

void describe_recorded_step(std::size_t step, char* words, std::size_t size)
{
    const StepEvent event = step_record.at(step);
    if (is_found_here(event)) {
        std::snprintf(words, size, "found: %s", current_title(step, "a configuration"));
        return;
    }
    switch (step_kind(event)) {
    case SearchStep::enter:
    case SearchStep::found:
        std::snprintf(words, size, "enter %s", current_title(step, "a call"));
        return;
    case SearchStep::turned_down:
        std::snprintf(words, size, "%s", reached_title(step, "a candidate turned down"));
        return;
    case SearchStep::dead_end:
        std::snprintf(words, size, "%s", reached_title(step, "a dead end"));
        return;
    case SearchStep::back_up:
        std::snprintf(words, size, "leave, back to %s", current_title(step, "the top"));
        return;
    }
}

bool record_steps(const char* text, const unsigned char* kinds, const int* lines, std::size_t steps,
                  TraceFault& fault)
{
    // A trace past the tree's most nodes holds its first ones, as the tree of a built-in
    // program's steps does; any other fault refuses it.
    SearchTree trace;
    if (!read_trace(text, trace, fault) && trace.size() < max_tree_nodes) return false;
    start_step_tree();
    step_record.clear();
    start_replay();
    int node = 0;
    int depth = 0;
    for (std::size_t step = 0; step < steps; ++step) {
        const std::uint32_t line = lines[step] < 0 ? 0 : static_cast<std::uint32_t>(lines[step]);
        if (line > max_step_item) return refuse(fault, step, "a line past the end of any code");
        const SearchStep kind = static_cast<SearchStep>(kinds[step]);
        switch (kind) {
        case SearchStep::enter:
        case SearchStep::turned_down:
        case SearchStep::dead_end:
            if (node < trace.size()) {
                const TreeNode& n = trace.node(node);
                if (n.level != depth) {
                    return refuse(fault, step, "a node at a level the calls do not stand at");
                }
                const bool call = n.kind == SearchStep::enter || n.kind == SearchStep::found;
                if (kind == SearchStep::enter ? !call : n.kind != kind) {
                    return refuse(fault, step, "a node whose line reads as another kind of step");
                }
                add_step_to_tree(n.level, n.kind, trace.title(node), trace.label(node));
            } else {
                add_step_to_tree(depth, kind, "", "");
            }
            ++node;
            if (kind == SearchStep::enter) ++depth;
            step_record.add(step_event(kind, line));
            break;
        case SearchStep::found:
            if (depth == 0)
                return refuse(fault, step, "a configuration found with no call entered");
            add_staying_step_to_tree();
            step_record.add(found_here_event(line));
            break;
        case SearchStep::back_up:
            if (depth == 0) return refuse(fault, step, "a call left with none entered");
            --depth;
            add_step_to_tree(nullptr);
            step_record.add(step_event(kind, line));
            break;
        default:
            return refuse(fault, step, "a step of no kind the format knows");
        }
    }
    if (node < trace.size()) {
        fault = TraceFault();
        fault.line = node + 1;
        std::snprintf(fault.message, sizeof fault.message, "a node that no step reached");
        return false;
    }
    return true;
}
