// The search tree of a run in step mode, as its steps reach it.
#include "steps/step_tree.h"

#include <vector>

#include "tree/tree_file.h"

SearchTree step_tree;

namespace {

// For each step the tree holds: the nodes reached by then, and the node it stands at.
std::vector<int> counts;
std::vector<int> currents;
// The calls on the search's path just now, the root first.
std::vector<int> path;
bool growing = true;

}  // namespace

void start_step_tree()
{
    step_tree.clear();
    counts.clear();
    currents.clear();
    path.clear();
    growing = true;
}

void add_step_to_tree(const TraceNode* node)
{
    if (!growing) return;
    if (node != nullptr && step_tree.size() == max_tree_nodes) {
        growing = false;
        return;
    }
    int current;
    if (node == nullptr) {
        if (!path.empty()) path.pop_back();
        current = path.empty() ? -1 : path.back();
    } else {
        current = step_tree.size();
        step_tree.add(*node);
        // A call stays on the path until a step backs up from it; a candidate turned down
        // and a dead end are leaves the search does not enter.
        if (node->kind == SearchStep::enter || node->kind == SearchStep::found) {
            if (static_cast<int>(path.size()) > node->level) {
                path.resize(static_cast<std::size_t>(node->level));
            }
            path.push_back(current);
        }
    }
    counts.push_back(step_tree.size());
    currents.push_back(current);
}

std::size_t steps_in_step_tree() { return counts.size(); }
int step_tree_count(std::size_t step) { return counts[step]; }
int step_tree_current(std::size_t step) { return currents[step]; }
