// A step of a search in words: the line --trace prints for it, and the node of the search
// tree that stands for it.
#ifndef TREE_TRACE_NODE_H
#define TREE_TRACE_NODE_H

// What a node stands for: a call that completes nothing, a call that completes a
// configuration (a solution, a tiling, an ordering), a candidate turned down, or a lowest
// free cell that takes no domino.
enum class TreeKind { call, solution, turned_down, dead_end };

struct TraceNode {
    int level = 0;  // the line's indent, in steps of two blanks; 0 for a root of the tree
    TreeKind kind = TreeKind::call;
    char line[64] = "";   // the --trace line without its indent: the node's title
    char label[24] = "";  // what the node shows: the item in short, a configuration's number
};

#endif
