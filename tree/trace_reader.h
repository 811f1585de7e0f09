// A trace read back into its search tree: the format that --trace writes and that any
// program may write (docs/trace-format.md), and the summary line of a tree's counts. Plain
// C++ over a text in memory or a stream, read line by line: no exit, and no more of the
// input taken than the trace's limits allow.
#ifndef TREE_TRACE_READER_H
#define TREE_TRACE_READER_H

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "tree/search_tree.h"

// The most a trace holds: the bytes of one line (its line end left out), and the bytes of
// all its lines together (their line ends included). With the most nodes a picture takes
// (max_tree_nodes, tree/tree_file.h) they bound what reading any input costs.
constexpr std::size_t max_trace_line_bytes = 65536;
constexpr std::size_t max_trace_bytes = std::size_t{64} << 20;

// Why a trace could not be read: its line (from 1) and what is wrong with it, in words
// ("indented two levels below the line before"); or, from a stream, the errno of a read
// that failed (line and message then stay empty).
struct TraceFault {
    int line = 0;
    char message[120] = "";
    int read_error = 0;
};

// The notes of a trace that are not of the format's, whose lines are read as calls: the
// first max_unknown_notes different ones, each with the first line that has it and the
// number of lines that do, then the lines with any other such note, counted together.
constexpr std::size_t max_unknown_notes = 10;
struct UnknownNote {
    std::string note;
    int first_line = 0;
    int lines = 0;
};
struct UnknownNotes {
    std::vector<UnknownNote> notes;
    int other_first_line = 0;
    int other_lines = 0;
};

// Reads the trace in text (up to its '\0') into tree, which it clears first: one node a
// line, two spaces of indent a level, up to the first blank line (empty or of blanks only)
// or the end of the text; nothing past that blank line is looked at. A line's kind comes
// from its words, its label from the rule of docs/trace-format.md, its title is the line
// without its indent (and without a '\r' at its end). Returns false with the fault at the
// first line that:
// - holds more than max_trace_line_bytes, or ends past max_trace_bytes of the trace;
// - holds a tab, a NUL, another control character, or bytes that are not UTF-8 (a
//   surrogate, an overlong or cut-short sequence, a byte no sequence starts with) or that
//   are U+FFFE or U+FFFF, which no XML text may hold;
// - is indented by an odd number of blanks, more than one level below the line before, or
//   at all as the first line; or one level below a candidate turned down or a dead end;
// - is the node past max_tree_nodes (tree/tree_file.h);
// or, when no line comes before the end, at the line where the trace ended. The tree then
// holds the nodes read before the fault. With unknown, the notes that are not the format's
// are gathered there (cleared first).
bool read_trace(const char* text, SearchTree& tree, TraceFault& fault,
                UnknownNotes* unknown = nullptr);

// The same, reading the stream a line at a time up to the blank line that ends the trace,
// and no further; a read that fails gives a fault with its read_error.
bool read_trace(std::FILE* in, SearchTree& tree, TraceFault& fault,
                UnknownNotes* unknown = nullptr);

// The counts of a tree's kinds. Calls are the nodes that are neither turned down nor dead
// ends, configurations included; depth is the most calls on one path from a root (the
// deepest call's level plus one; 0 without calls).
struct TreeCounts {
    long long calls = 0, found = 0, turned_down = 0, dead_ends = 0, depth = 0;
};
TreeCounts count_tree(const SearchTree& tree);

// The counts as one line, without its line break:
// "101 calls, 14 found, 192 turned down, 0 dead ends, depth 15".
std::string counts_line(const TreeCounts& counts);
std::string tree_summary(const SearchTree& tree);

#endif
