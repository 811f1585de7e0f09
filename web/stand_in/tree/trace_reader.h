// A trace in the trace format (docs/trace-format.md) read into a search tree, with the
// interface of the tree library's reader, for the page's trace_tree module where the library
// has no reader of its own (web/CMakeLists.txt takes the library's where it has one).
#ifndef TREE_TRACE_READER_H
#define TREE_TRACE_READER_H

#include "tree/search_tree.h"

// Where a trace is not in the format: the line (from 1) and what is wrong with it.
struct TraceFault {
    int line = 0;
    char message[160] = "";
};

// Reads the nodes of text into tree, up to the first blank line or the end. Returns false,
// with fault filled in, for a tab, an indentation that is not a multiple of two spaces, a
// line more than one level below the line before, no node at all, or more than
// max_tree_nodes nodes.
bool read_trace(const char* text, SearchTree& tree, TraceFault& fault);

#endif
