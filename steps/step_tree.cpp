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

void add_step_to_tree(int level, SearchStep kind, const char* title, const char* label)
{
    if (!growing) return;
    if (step_tree.size() == max_tree_nodes) {
        growing = false;
        return;
    }
    const int current = step_tree.size();
    step_tree.add(level, kind, title, label);
    // A call stays on the path until a step backs up from it; a candidate turned down and a
    // dead end are leaves the search does not enter.
    if (kind == SearchStep::enter || kind == SearchStep::found) {
        if (static_cast<int>(path.size()) > level) path.resize(static_cast<std::size_t>(level));
        path.push_back(current);
    }
    counts.push_back(step_tree.size());
    currents.push_back(current);
}

void add_step_to_tree(const TraceNode* node)
{
    if (node != nullptr) {
        add_step_to_tree(node->level, node->kind, node->line, node->label);
        return;
    }
    if (!growing) return;
    if (!path.empty()) path.pop_back();
    counts.push_back(step_tree.size());
    currents.push_back(path.empty() ? -1 : path.back());
}

void add_staying_step_to_tree()
{
    if (!growing) return;
    counts.push_back(step_tree.size());
    currents.push_back(path.empty() ? -1 : path.back());
}

std::size_t steps_in_step_tree() { return counts.size(); }
int step_tree_count(std::size_t step) { return counts[step]; }
int step_tree_current(std::size_t step) { return currents[step]; }
