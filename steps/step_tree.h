// The search tree of a run in step mode, as its steps reach it: the tree view and the web
// page's panels show it as it stood at any step.
#ifndef STEPS_STEP_TREE_H
#define STEPS_STEP_TREE_H

#include <cstddef>

#include "tree/search_tree.h"

// The nodes the steps have reached, in the order they reached them.
extern SearchTree step_tree;

// Forgets every step and node.
void start_step_tree();

// The run's next step: one that reached the node (a step with a --trace line), or, with
// nullptr, one that backs up to the call before. Once the tree holds max_tree_nodes
// (tree/tree_file.h), it takes no more steps.
void add_step_to_tree(const TraceNode* node);

// The same for a step that reached the node of these words, as a trace's line has them.
void add_step_to_tree(int level, SearchStep kind, const char* title, const char* label);

// The run's next step, one that neither reached a node nor backed up: the search stays at
// the node it stood at.
void add_staying_step_to_tree();

// How many of the run's first steps the tree holds: all of them until it stopped growing.
std::size_t steps_in_step_tree();

// For a step the tree holds: how many nodes the steps up to it had reached, and the node the
// search stands at just after it (the node the step reached; after backing up, the call it
// went back to; -1 when it backed up from a root).
int step_tree_count(std::size_t step);
int step_tree_current(std::size_t step);

#endif
