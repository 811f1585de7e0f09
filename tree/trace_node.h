// A step of a search in words: the line --trace prints for it, and the node of the search
// tree that stands for it.
#ifndef TREE_TRACE_NODE_H
#define TREE_TRACE_NODE_H

#include "run/search_step.h"

// A node is the step that reached it: a call that goes on (enter), a call that completes a
// configuration (found), a candidate turned down, or a call's dead end. Backing up reaches no
// node.
struct TraceNode {
    int level = 0;  // the line's indent, in steps of two blanks; 0 for a root of the tree
    SearchStep kind = SearchStep::enter;
    char line[64] = "";   // the --trace line without its indent: the node's title
    char label[24] = "";  // what the node shows: the item in short, a configuration's number
};

#endif
