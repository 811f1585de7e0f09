// A console run's search tree, drawn into an SVG file when the run ends (--tree FILE).
#ifndef TREE_TREE_FILE_H
#define TREE_TREE_FILE_H

#include <cstddef>

#include "tree/search_tree.h"

// The most nodes a picture takes; a larger tree is not drawn.
constexpr int max_tree_nodes = 100000;

// What a run says when its tree passes that limit.
void describe_tree_limit(char* text, std::size_t size);

// Starts recording the run's tree for the file at path. The picture is written under a
// temporary name in the same folder, made now, and takes path's name once complete: a
// path that cannot be written, or that holds no regular file (run/whole_file.h), ends the run
// here, before the search (RunEnd, status 1, one line on standard error naming it).
// Whichever way the run ends, no temporary file stays. With hide_turned_down the picture
// leaves the candidates turned down out (--hide).
void start_tree_file(const char* program, const char* path, bool hide_turned_down = false);

// Whether a tree is being recorded.
bool recording_tree();

// Records the next node. The node past max_tree_nodes ends the run (RunEnd, status 1, one
// line naming the limit and the count reached), and no file is written.
void record_tree_node(const TraceNode& node);

// Draws the tree into its file and gives the file its name; a failure ends the run as a
// path that cannot be written does.
void finish_tree_file();

// Draws the tree into a file at path, at once, as a run's tree is drawn (start_tree_file,
// then finish_tree_file).
void write_tree_file(const char* program, const char* path, const SearchTree& tree,
                     bool hide_turned_down);

#endif
