// Reads back the search tree from the SVG picture that --tree writes: its nodes in document
// order, how they nest, and where their shapes stand.
#ifndef TESTS_SVG_TREE_H
#define TESTS_SVG_TREE_H

#include <string>
#include <vector>

struct SvgNode {
    std::string kind;      // the second word of the group's class
    std::string title;     // the text of its <title>
    std::string shape;     // "ellipse", "circle" or "rect": the first element after the title
    std::string label;     // the text of the <text> after the shape
    double label_x = 0;    // where that text is anchored
    std::string left_out;  // the text of its <text class="left-out">, if any, and its x
    double left_out_x = 0;
    std::string elements;  // the names of the elements in the group, before its first child's
    int parent = -1;       // the node whose group holds this one's, -1 for a root
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // the shape's box
};

struct SvgTree {
    std::vector<SvgNode> nodes;
    double width = 0, height = 0;  // of the viewBox
    bool in_tree_group = true;     // every root group stands in <g class="tree">
    bool transforms = false;       // some element has a transform attribute
    // The legend's samples: the class of each and the text in it; and the start mark's
    // circles and the lines from it.
    std::vector<std::pair<std::string, std::string>> legend;
    int start_marks = 0, start_lines = 0;
};

SvgTree read_svg_tree(const std::string& svg);

#endif
