// Where each node of a search tree stands in its picture: a tidy tree, the leaves spaced
// evenly in the order the search reached them, each parent centred over its children, a
// level's nodes on one line, the roots on the top one.
#ifndef TREE_TREE_LAYOUT_H
#define TREE_TREE_LAYOUT_H

#include <vector>

#include "tree/search_tree.h"

// The picture's measures, in its units (pixels at full size).
constexpr double tree_font_size = 11;
constexpr double tree_char_width = 0.62 * tree_font_size;  // a digit or a blank, about
constexpr double tree_margin = 12;
constexpr double tree_level_gap = 52;  // from one level's line to the next
constexpr double tree_leaf_gap = 8;    // the least room between two nodes side by side
constexpr double call_half_height = 9;
constexpr double call_padding = 6;  // between a call's label and its outline
constexpr double solution_radius = 7;
constexpr double mark_half_side = 5;  // the square of a candidate turned down or a dead end
constexpr double label_gap = 3;       // between a shape and the label beside it

struct NodePlace {
    double x, y;         // the centre of the node's shape
    double half_width;   // of the shape
    double half_height;  // of the shape
    double label_x;      // where the label starts, or its middle when centred
    double label_y;      // the label's baseline
    bool label_centred;  // inside the shape (a call), or beside it on the right
};

// The legend's row above the tree: one sample of each kind, with a label as the tree shows
// one, and what it stands for.
constexpr double legend_height = 24;
constexpr double legend_item_width = 190;
struct LegendSample {
    SearchStep kind;
    const char* label;
    const char* meaning;
};
constexpr LegendSample tree_legend[] = {{SearchStep::enter, "5 5 0", "a call"},
                                        {SearchStep::found, "3", "a solution, its number"},
                                        {SearchStep::turned_down, "", "a candidate turned down"},
                                        {SearchStep::dead_end, "", "a dead end"}};

// The place of a legend sample's shape and label, the shape's left edge at x, its middle
// at y.
NodePlace legend_place(SearchStep kind, double x, double y);

struct TreeLayout {
    std::vector<NodePlace> places;  // one for each node laid out, in the tree's order
    double width = 0, height = 0;   // the whole picture, legend and margins included
};

// The first count nodes of the tree (the tree as it stood when its node count was reached).
TreeLayout lay_out_tree(const SearchTree& tree, int count);

#endif
