// Where each node of a search tree stands in its picture.
#include "tree/tree_layout.h"

#include <algorithm>
#include <cstring>

TreeLayout lay_out_tree(const SearchTree& tree, int count)
{
    TreeLayout layout;
    count = std::min(count, tree.size());
    layout.places.resize(static_cast<size_t>(count));

    // Each node's shape and label, and how far the widest reach left and right of a centre:
    // leaves stand that far apart, and so no two nodes of a level ever touch (a parent stands
    // midway between its first and last child, never nearer its neighbours than they).
    double reach_left = 0, reach_right = 0;
    int deepest = 0;
    for (int k = 0; k < count; ++k) {
        const TreeNode& node = tree.node(k);
        NodePlace& p = layout.places[static_cast<size_t>(k)];
        const double label_width =
            static_cast<double>(std::strlen(tree.label(k))) * tree_char_width;
        p.label_centred = node.kind == SearchStep::enter;
        if (node.kind == SearchStep::enter) {
            p.half_width = std::max(label_width / 2 + call_padding, call_half_height);
            p.half_height = call_half_height;
        } else if (node.kind == SearchStep::found) {
            p.half_width = p.half_height = solution_radius;
        } else {
            p.half_width = p.half_height = mark_half_side;
        }
        const double right =
            p.label_centred ? p.half_width : p.half_width + label_gap + label_width;
        reach_left = std::max(reach_left, p.half_width);
        reach_right = std::max(reach_right, right);
        deepest = std::max(deepest, node.level);
    }
    const double leaf_step = reach_left + reach_right + tree_leaf_gap;

    // The first and last child of each node: the search reaches a node's children after it.
    std::vector<int> first_child(static_cast<size_t>(count), -1);
    std::vector<int> last_child(static_cast<size_t>(count), -1);
    for (int k = 0; k < count; ++k) {
        const int parent = tree.node(k).parent;
        if (parent < 0) continue;
        if (first_child[static_cast<size_t>(parent)] < 0) {
            first_child[static_cast<size_t>(parent)] = k;
        }
        last_child[static_cast<size_t>(parent)] = k;
    }

    const double first_x = tree_margin + reach_left;
    const double top = tree_margin + legend_height + tree_margin + call_half_height;
    int leaves = 0;
    for (int k = 0; k < count; ++k) {
        if (first_child[static_cast<size_t>(k)] < 0) {
            layout.places[static_cast<size_t>(k)].x = first_x + leaves++ * leaf_step;
        }
    }
    for (int k = count - 1; k >= 0; --k) {
        const int first = first_child[static_cast<size_t>(k)];
        if (first >= 0) {
            layout.places[static_cast<size_t>(k)].x =
                (layout.places[static_cast<size_t>(first)].x +
                 layout.places[static_cast<size_t>(last_child[static_cast<size_t>(k)])].x) /
                2;
        }
    }
    for (int k = 0; k < count; ++k) {
        NodePlace& p = layout.places[static_cast<size_t>(k)];
        p.y = top + tree.node(k).level * tree_level_gap;
        p.label_x = p.label_centred ? p.x : p.x + p.half_width + label_gap;
        p.label_y = p.y + 0.35 * tree_font_size;  // the middle of a digit on the centre line
    }

    const double legend_width = 2 * tree_margin + 4 * legend_item_width;
    const double tree_width =
        leaves == 0 ? 0 : first_x + (leaves - 1) * leaf_step + reach_right + tree_margin;
    layout.width = std::max(legend_width, tree_width);
    layout.height = top + deepest * tree_level_gap + call_half_height + tree_margin;
    return layout;
}

NodePlace legend_place(SearchStep kind, double x, double y)
{
    NodePlace p{};
    p.half_height = kind == SearchStep::enter   ? call_half_height
                    : kind == SearchStep::found ? solution_radius
                                                : mark_half_side;
    p.half_width = kind == SearchStep::enter ? 2.5 * tree_char_width + call_padding : p.half_height;
    p.x = x + p.half_width;
    p.y = y;
    p.label_centred = kind == SearchStep::enter;
    p.label_x = p.label_centred ? p.x : p.x + p.half_width + label_gap;
    p.label_y = y + 0.35 * tree_font_size;
    return p;
}
