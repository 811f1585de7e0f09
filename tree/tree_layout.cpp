// Where each node of a search tree stands in its picture.
//
// The tidy tree of Reingold and Tilford, in the linear time that Buchheim, Jünger and Leipert
// give it: a walk from the leaves up places each node's subtrees side by side, each moved
// right only as far as its left contour needs to clear the right contour of the subtrees
// before it on every level, and the node midway between its first and last child. The
// contours are followed down through threads (a leaf's link to the next node of its
// contour), and a subtree moved spreads its move evenly over the smaller subtrees between,
// so that every node is visited a bounded number of times. A second walk from the roots down
// adds up the moves. The nodes' shapes and labels differ in width, so two neighbours on a
// level stand as far apart as the right reach of the one and the left reach of the other ask.
#include "tree/tree_layout.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// From a shape's centre line down to a label's baseline: the middle of a digit on the line.
constexpr double baseline_drop = 0.35 * tree_font_size;
// From a call's outline to the count of candidates left out at its upper right.
constexpr double count_gap = 1;

// The tree as the walk sees it, one entry a node; with more than one root, one more entry
// at the end, the start mark that they hang from.
std::vector<int> parent, first_child, last_child, left_sibling, right_sibling, number;
std::vector<double> reach_left, reach_right;  // of the shape and its texts, from its centre
// The walk's values: the place relative to the parent's frame, the move that the node's
// subtree below it takes, the moves a subtree's move spreads over its left siblings, the
// link of a contour past a leaf, and the subtree of a left sibling a contour node was
// last seen in.
std::vector<double> prelim, modifier, shift, change;
std::vector<int> thread, ancestor;

int next_left(int v) { return first_child[v] >= 0 ? first_child[v] : thread[v]; }
int next_right(int v) { return last_child[v] >= 0 ? last_child[v] : thread[v]; }

// How far apart two nodes of a level must stand, the first left of the second.
double distance(int left, int right)
{
    return reach_right[left] + tree_leaf_gap + reach_left[right];
}

// Moves the subtree of wr right, and spreads the move over the subtrees from wl to wr.
void move_subtree(int wl, int wr, double amount)
{
    const double subtrees = number[wr] - number[wl];
    change[wr] -= amount / subtrees;
    shift[wr] += amount;
    change[wl] += amount / subtrees;
    prelim[wr] += amount;
    modifier[wr] += amount;
}

// Moves v's children by the moves spread over them.
void execute_shifts(int v)
{
    double moved = 0, spread = 0;
    for (int w = last_child[v]; w >= 0; w = left_sibling[w]) {
        prelim[w] += moved;
        modifier[w] += moved;
        spread += change[w];
        moved += shift[w] + spread;
    }
}

// The left sibling of v whose subtree the contour node belongs to, as far as the walk has
// recorded it; otherwise fallback.
int subtree_of(int contour, int v, int fallback)
{
    const int a = ancestor[contour];
    return parent[a] == parent[v] ? a : fallback;
}

// Moves v's subtree right until it clears the subtrees of its left siblings on every level,
// and threads the shorter contours on. Returns the new fallback of subtree_of.
int apportion(int v, int fallback)
{
    const int w = left_sibling[v];
    if (w < 0) return fallback;
    // The inner and outer contours: the right one of the left siblings' subtrees (in_left),
    // the left one of v's (in_right), and the outer ones beyond them, with their moves.
    int in_right = v, out_right = v, in_left = w, out_left = first_child[parent[v]];
    double s_in_right = modifier[in_right], s_out_right = modifier[out_right];
    double s_in_left = modifier[in_left], s_out_left = modifier[out_left];
    while (next_right(in_left) >= 0 && next_left(in_right) >= 0) {
        in_left = next_right(in_left);
        in_right = next_left(in_right);
        out_left = next_left(out_left);
        out_right = next_right(out_right);
        ancestor[out_right] = v;
        const double gap = (prelim[in_left] + s_in_left) - (prelim[in_right] + s_in_right) +
                           distance(in_left, in_right);
        if (gap > 0) {
            move_subtree(subtree_of(in_left, v, fallback), v, gap);
            s_in_right += gap;
            s_out_right += gap;
        }
        s_in_left += modifier[in_left];
        s_in_right += modifier[in_right];
        s_out_left += modifier[out_left];
        s_out_right += modifier[out_right];
    }
    if (next_right(in_left) >= 0 && next_right(out_right) < 0) {
        thread[out_right] = next_right(in_left);
        modifier[out_right] += s_in_left - s_out_right;
    }
    if (next_left(in_right) >= 0 && next_left(out_left) < 0) {
        thread[out_left] = next_left(in_right);
        modifier[out_left] += s_in_right - s_out_left;
        fallback = v;
    }
    return fallback;
}

// Places v's children side by side, v's subtree laid out before: each child right of the
// one before, its subtree moved clear of theirs, and v midway over the first and the last.
void place_children(int v)
{
    if (first_child[v] < 0) return;
    int fallback = first_child[v];
    for (int c = first_child[v]; c >= 0; c = right_sibling[c]) {
        const int w = left_sibling[c];
        if (w >= 0) {
            const double move = prelim[w] + distance(w, c) - prelim[c];
            prelim[c] += move;
            modifier[c] += move;
        }
        fallback = apportion(c, fallback);
    }
    execute_shifts(v);
    prelim[v] = (prelim[first_child[v]] + prelim[last_child[v]]) / 2;
}

// The width of a text of n characters of the size.
double text_width(const char* text, double char_width)
{
    return static_cast<double>(std::strlen(text)) * char_width;
}

// The node's shape and where its label and count stand, around a centre at 0.
NodePlace shape_of(SearchStep kind, const char* label, int left_out)
{
    NodePlace p{};
    const double label_width = text_width(label, tree_char_width);
    p.label_centred = kind == SearchStep::enter || kind == SearchStep::back_up;
    if (p.label_centred) {
        p.half_width = std::max(label_width / 2 + call_padding, call_half_height);
        p.half_height = call_half_height;
    } else if (kind == SearchStep::found) {
        p.half_width = p.half_height = solution_radius;
    } else {
        p.half_width = p.half_height = mark_half_side;
    }
    p.label_x = p.label_centred ? 0 : p.half_width + label_gap;
    p.label_y = baseline_drop;
    p.reach_right = p.label_centred || *label == '\0' ? p.half_width : p.label_x + label_width;
    if (left_out > 0) {
        char digits[16];
        const int length = std::snprintf(digits, sizeof digits, "%d", left_out);
        p.count_x = p.reach_right + (p.label_centred ? count_gap : label_gap);
        p.count_y = -count_rise;
        p.reach_right = p.count_x + length * count_char_width;
    }
    return p;
}

// The word a configuration's title names it by ("solution" in "(8 0 2)  solution 3"), or an
// empty text.
std::string configuration_word(const char* title)
{
    const char* note = std::strstr(title, "  ");
    if (note == nullptr) return "";
    note += std::strspn(note, " ");
    return std::string(note, std::strcspn(note, " "));
}

// A sample of each kind the first count nodes show, with the label of the first node of the
// kind, and the count of candidates left out where the tree has one; in a row from the
// left margin.
std::vector<LegendItem> lay_out_legend(const SearchTree& tree, int count, double& width)
{
    int first[search_step_kinds];
    std::fill(first, first + search_step_kinds, -1);
    int first_counted = -1;
    for (int k = 0; k < count; ++k) {
        int& seen = first[static_cast<unsigned>(tree.node(k).kind)];
        if (seen < 0) seen = k;
        if (first_counted < 0 && tree.node(k).turned_down_left_out > 0) first_counted = k;
    }
    std::vector<LegendItem> items;
    for (const SearchStep kind :
         {SearchStep::enter, SearchStep::found, SearchStep::turned_down, SearchStep::dead_end}) {
        const int k = first[static_cast<unsigned>(kind)];
        if (k < 0) continue;
        LegendItem item{kind, false, tree.label(k), "", {}, 0, 0};
        if (kind == SearchStep::enter) item.meaning = "a call";
        if (kind == SearchStep::turned_down) {
            item.label.clear();
            item.meaning = "a candidate turned down";
        }
        if (kind == SearchStep::dead_end) item.meaning = "a dead end";
        if (kind == SearchStep::found) {
            std::string word = configuration_word(tree.title(k));
            if (word.empty()) word = "configuration";
            item.meaning =
                (std::strchr("aeiou", word[0]) != nullptr ? "an " : "a ") + word + ", its number";
        }
        items.push_back(item);
    }
    if (first_counted >= 0) {
        LegendItem item{
            SearchStep::enter, true, "", "candidates it turned down, left out", {}, 0, 0};
        item.label = std::to_string(tree.node(first_counted).turned_down_left_out);
        items.push_back(item);
    }
    double x = tree_margin;
    for (LegendItem& item : items) {
        double right = 0;
        NodePlace& p = item.place;
        if (item.count) {
            p.count_x = x;
            p.count_y = legend_y + baseline_drop;
            right = x + text_width(item.label.c_str(), count_char_width);
        } else {
            p = shape_of(item.kind, item.label.c_str(), 0);
            p.x = x + p.half_width;
            p.y = legend_y;
            p.label_x += p.x;
            p.label_y += p.y;
            right = p.x + p.reach_right;
        }
        item.meaning_x = right + label_gap + (item.label.empty() ? 0 : label_gap);
        item.meaning_y = legend_y + baseline_drop;
        x = item.meaning_x + text_width(item.meaning.c_str(), tree_char_width) + legend_item_gap;
    }
    width = items.empty() ? 0 : x - legend_item_gap + tree_margin;
    return items;
}

void resize_walk(int size)
{
    const auto fresh = [size](auto& values, auto value) {
        values.assign(static_cast<size_t>(size), value);
    };
    for (auto* values : {&parent, &first_child, &last_child, &left_sibling, &right_sibling, &number,
                         &thread, &ancestor}) {
        fresh(*values, -1);
    }
    for (auto* values : {&reach_left, &reach_right, &prelim, &modifier, &shift, &change}) {
        fresh(*values, 0.0);
    }
}

// Links the node to its parent as the parent's last child so far.
void link(int node, int to)
{
    parent[node] = to;
    if (to < 0) return;
    if (first_child[to] < 0) {
        first_child[to] = node;
        number[node] = 0;
    } else {
        left_sibling[node] = last_child[to];
        right_sibling[last_child[to]] = node;
        number[node] = number[last_child[to]] + 1;
    }
    last_child[to] = node;
}

}  // namespace

TreeLayout lay_out_tree(const SearchTree& tree, int count)
{
    TreeLayout layout;
    count = std::max(0, std::min(count, tree.size()));
    layout.places.resize(static_cast<size_t>(count));
    double legend_width = 0;
    layout.legend = lay_out_legend(tree, count, legend_width);

    int roots = 0;
    for (int k = 0; k < count; ++k) roots += tree.node(k).parent < 0;
    layout.start_mark = roots > 1;
    const int start = count;  // the start mark's entry, when there is one
    resize_walk(count + 1);
    for (int k = 0; k < count; ++k) {
        const TreeNode& node = tree.node(k);
        link(k, node.parent >= 0 ? node.parent : layout.start_mark ? start : -1);
        NodePlace& p = layout.places[static_cast<size_t>(k)];
        p = shape_of(node.kind, tree.label(k), node.turned_down_left_out);
        reach_left[k] = p.half_width;
        reach_right[k] = p.reach_right;
        ancestor[k] = k;
    }
    reach_left[start] = reach_right[start] = start_mark_radius;
    ancestor[start] = start;

    // A node's children come after it in the tree's order: from the last node back, every
    // subtree is laid out before its parent places it.
    for (int k = count - 1; k >= 0; --k) place_children(k);
    if (layout.start_mark) place_children(start);

    // From the roots down, each node's place is its own plus the moves of the nodes above.
    std::vector<double> moved(static_cast<size_t>(count + 1), 0.0);
    const double top = tree_margin + legend_height + tree_margin + call_half_height +
                       (layout.start_mark ? start_mark_rise : 0);
    double leftmost = 0, rightmost = 0, lowest = 0;
    for (int k = 0; k < count; ++k) {
        NodePlace& p = layout.places[static_cast<size_t>(k)];
        const int up = parent[k];
        const double above = up >= 0 ? moved[up] + modifier[up] : 0;
        moved[k] = above;
        p.x = prelim[k] + above;
        p.y = top + tree.node(k).level * tree_level_gap;
        leftmost = std::min(leftmost, p.x - reach_left[k]);
        rightmost = std::max(rightmost, p.x + reach_right[k]);
        lowest = std::max(lowest, p.y + p.half_height);
    }
    if (layout.start_mark) {
        layout.start_x = prelim[start];
        layout.start_y = top - start_mark_rise;
    }

    // The whole tree moved right of the margin, its texts with it.
    const double right_by = tree_margin - leftmost;
    for (NodePlace& p : layout.places) {
        p.x += right_by;
        p.label_x += p.x;
        p.label_y += p.y;
        p.count_x += p.x;
        p.count_y += p.y;
    }
    layout.start_x += right_by;
    const double tree_width = count == 0 ? 0 : rightmost - leftmost + 2 * tree_margin;
    layout.width = std::max(legend_width, tree_width);
    layout.height = count == 0 ? tree_margin + legend_height + tree_margin : lowest + tree_margin;
    return layout;
}
