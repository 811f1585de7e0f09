// The search tree of a run, node by node as the search reaches them.
#include "tree/search_tree.h"

#include <algorithm>
#include <cstring>
#include <new>

// The least room the text of a tree takes.
constexpr std::size_t text_block = 4096;

const char* tree_kind_name(SearchStep kind)
{
    switch (kind) {
    case SearchStep::enter:
    case SearchStep::back_up:
        return "call";
    case SearchStep::found:
        return "solution";
    case SearchStep::turned_down:
        return "turned-down";
    case SearchStep::dead_end:
        return "dead-end";
    }
    return "call";
}

void SearchTree::add(int level, SearchStep kind, const char* title, const char* label)
{
    // The parent is the last node one level up. A line that came deeper than one level
    // below the deepest open node (no search makes one) is taken one level below it.
    if (level < 0) level = 0;
    if (level > static_cast<int>(open_.size())) level = static_cast<int>(open_.size());
    open_.resize(static_cast<size_t>(level));
    const int parent = open_.empty() ? -1 : open_.back();
    TreeNode node;
    node.parent = parent;
    node.level = level;
    node.kind = kind;
    node.title = text_size_;
    add_text(title);
    node.label = text_size_;
    node.turned_down_left_out = 0;
    add_text(label);
    open_.push_back(size());
    nodes_.push_back(node);
}

void SearchTree::add_text(const char* text)
{
    const std::size_t length = std::strlen(text) + 1;
    if (text_room_ - text_size_ < length) {
        const std::size_t room = std::max({text_size_ + length, 2 * text_room_, text_block});
        char* grown = static_cast<char*>(std::realloc(text_.get(), room));
        if (grown == nullptr) throw std::bad_alloc();
        static_cast<void>(text_.release());
        text_.reset(grown);
        text_room_ = room;
    }
    std::memcpy(text_.get() + text_size_, text, length);
    text_size_ += length;
}

void SearchTree::clear()
{
    nodes_.clear();
    text_.reset();
    text_size_ = text_room_ = 0;
    open_.clear();
}

SearchTree without_turned_down(const SearchTree& tree)
{
    SearchTree kept;
    // Where each node went in the tree kept; -1 for a node left out.
    std::vector<int> place(static_cast<size_t>(tree.size()), -1);
    for (int k = 0; k < tree.size(); ++k) {
        const TreeNode& node = tree.node(k);
        const int parent = node.parent < 0 ? -1 : place[static_cast<size_t>(node.parent)];
        if (node.parent >= 0 && parent < 0) continue;  // below a node left out
        if (node.kind == SearchStep::turned_down) {
            if (parent >= 0) kept.leave_out_turned_down(parent);
            continue;
        }
        place[static_cast<size_t>(k)] = kept.size();
        kept.add(node.level, node.kind, tree.title(k), tree.label(k));
    }
    return kept;
}
