// A trace read back into its search tree: the format that --trace writes and that any
// program may write (docs/trace-format.md), and the summary line of a tree's counts. Plain
// C++ over a text in memory: no files, no streams, no exit.
#ifndef TREE_TRACE_READER_H
#define TREE_TRACE_READER_H

#include <string>

#include "tree/search_tree.h"

// Why a trace could not be read: its line (from 1) and what is wrong with it, in words
// ("indented two levels below the line before").
struct TraceFault {
    int line = 0;
    char message[120] = "";
};

// Reads the trace in text (the whole input, ended by its '\0') into tree, which it clears
// first: one node a line, two spaces of indent a level, up to the first blank line (empty
// or of blanks only) or the end of the text. A line's kind comes from its words, its label
// from the rule of docs/trace-format.md, its title is the line without its indent (and
// without a '\r' at its end). Returns false with the fault at the first line that is
// indented more than one level below the line before, indented by an odd number of
// blanks, or holds a tab; at the node past max_tree_nodes (tree/tree_file.h); or, when no
// line comes before the end, at the line where the trace ended. The tree then holds the
// nodes read before the fault.
bool read_trace(const char* text, SearchTree& tree, TraceFault& fault);

// The counts of a tree's kinds. Calls are the nodes that are neither turned down nor dead
// ends, configurations included; depth is the most calls on one path from a root (the
// deepest call's level plus one; 0 without calls).
struct TreeCounts {
    int calls = 0, found = 0, turned_down = 0, dead_ends = 0, depth = 0;
};
TreeCounts count_tree(const SearchTree& tree);

// The counts as one line, without its line break:
// "101 calls, 14 found, 192 turned down, 0 dead ends, depth 15".
std::string tree_summary(const SearchTree& tree);

#endif
