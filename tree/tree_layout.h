// Where each node of a search tree stands in its picture: a tidy tree, each subtree packed
// against its left neighbour level by level, each parent centred over its children, the
// children of a node left to right in the order the search reached them, a level's nodes
// on one line, the roots on the top one.
#ifndef TREE_TREE_LAYOUT_H
#define TREE_TREE_LAYOUT_H

#include <string>
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
// The number of candidates a call turned down, where the picture leaves them out: a small
// number at the shape's upper right.
constexpr double count_font_size = 9;
constexpr double count_char_width = 0.62 * count_font_size;
constexpr double count_rise = 3;  // its baseline above the node's centre line
// The mark that the roots of a search that starts more than once hang from, above them.
constexpr double start_mark_radius = 3;
constexpr double start_mark_rise = 26;  // from the mark's centre down to the roots' line

struct NodePlace {
    double x, y;         // the centre of the node's shape
    double half_width;   // of the shape
    double half_height;  // of the shape
    double reach_right;  // how far the shape and its texts reach right of the centre
    double label_x;      // where the label starts, or its middle when centred
    double label_y;      // the label's baseline
    bool label_centred;  // inside the shape (a call), or beside it on the right
    double count_x;      // where the count of candidates left out starts, when there is one
    double count_y;      // its baseline
};

// The legend's row above the tree: a sample of each kind that the tree shows, with a label
// as the tree shows one, and what it stands for.
constexpr double legend_height = 24;
constexpr double legend_item_gap = 24;  // from one item's words to the next item
struct LegendItem {
    SearchStep kind;
    bool count;  // the sample of a count of candidates turned down, left out
    std::string label;
    std::string meaning;
    NodePlace place;   // of the sample
    double meaning_x;  // where the words start
    double meaning_y;  // their baseline
};

// The middle of the legend's row, where its samples' shapes stand.
constexpr double legend_y = tree_margin + legend_height / 2;

struct TreeLayout {
    std::vector<NodePlace> places;  // one for each node laid out, in the tree's order
    std::vector<LegendItem> legend;
    bool start_mark = false;  // whether the roots hang from a start mark
    double start_x = 0, start_y = 0;
    double width = 0, height = 0;  // the whole picture, legend and margins included
};

// The first count nodes of the tree (the tree as it stood when its node count was reached).
TreeLayout lay_out_tree(const SearchTree& tree, int count);

#endif
