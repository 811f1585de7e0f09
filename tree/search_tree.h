// The search tree of a run, node by node as the search reaches them: the record behind the
// tree's picture (an SVG file, or the tree view of step mode).
#ifndef TREE_SEARCH_TREE_H
#define TREE_SEARCH_TREE_H

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

#include "tree/trace_node.h"

// The class names the picture gives the kinds: "call", "solution", "turned-down", "dead-end".
const char* tree_kind_name(SearchStep kind);

struct TreeNode {
    int parent;  // the index of the parent node, -1 for a root
    int level;   // 0 for a root: the --trace line's indent in steps of two spaces
    SearchStep kind;
    std::size_t title;  // where the node's title and label start in the tree's text
    std::size_t label;
    int turned_down_left_out;  // the candidates it turned down that the picture leaves out
};

// The nodes in the order the search reached them, which is the order of the --trace lines:
// a node's parent is the nearest earlier node one level up.
class SearchTree {
  public:
    // Adds a node with its title (its --trace line without the indent) and its label (a
    // short text the picture shows at the node).
    void add(int level, SearchStep kind, const char* title, const char* label);
    void add(const TraceNode& node) { add(node.level, node.kind, node.line, node.label); }

    int size() const { return static_cast<int>(nodes_.size()); }
    const TreeNode& node(int k) const { return nodes_[static_cast<size_t>(k)]; }
    const char* title(int k) const { return text_.get() + node(k).title; }
    const char* label(int k) const { return text_.get() + node(k).label; }

    // Counts one more candidate that node k turned down and that this tree leaves out.
    void leave_out_turned_down(int k) { ++nodes_[static_cast<size_t>(k)].turned_down_left_out; }

    void clear();

  private:
    void add_text(const char* text);

    std::vector<TreeNode> nodes_;
    // The titles and labels, each ended by a '\0', in one block grown by realloc: a large
    // block grows by remapping its pages rather than by copying them, so that the text is
    // never held twice.
    std::unique_ptr<char, void (*)(void*)> text_{nullptr, std::free};
    std::size_t text_size_ = 0, text_room_ = 0;
    std::vector<int> open_;  // the last node of each level, from the roots down
};

// The tree without its candidates turned down (and anything below one): each node kept keeps
// its title, label and order, and counts the candidates it turned down.
SearchTree without_turned_down(const SearchTree& tree);

#endif
