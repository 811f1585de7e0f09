// The search tree as an SVG picture, written as plain text.
#ifndef TREE_TREE_SVG_H
#define TREE_TREE_SVG_H

#include <cstdio>
#include <string>

#include "tree/search_tree.h"

// Writes the picture of the tree's first count nodes. Each node is a group
// <g class="node KIND"> holding, in this order, its <title> (its --trace line), its shape,
// its label, the edges to its children and its children's groups; the roots' groups stand
// in <g class="tree">. Coordinates are absolute. With current >= 0 that node and the path
// down to it are marked, as the tree view of step mode marks them. Returns false when the
// writing failed.
bool write_tree_svg(std::FILE* out, const SearchTree& tree, int count, int current = -1);

// The same picture as a text in memory; false, with svg empty, when there was no memory for it.
bool tree_svg_text(std::string& svg, const SearchTree& tree, int count, int current = -1);

#endif
