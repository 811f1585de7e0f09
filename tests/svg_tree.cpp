// Reads back the search tree from the SVG picture that --tree writes.
#include "svg_tree.h"

#include <cstdlib>

namespace {

// The value of the attribute in the tag's text, or "".
std::string attribute(const std::string& tag, const std::string& name)
{
    const size_t at = tag.find(" " + name + "=\"");
    if (at == std::string::npos) return "";
    const size_t start = at + name.size() + 3;
    return tag.substr(start, tag.find('"', start) - start);
}

double number(const std::string& tag, const std::string& name)
{
    return std::strtod(attribute(tag, name).c_str(), nullptr);
}

std::string unescaped(std::string text)
{
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
        for (size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace

SvgTree read_svg_tree(const std::string& svg)
{
    SvgTree tree;
    // The open groups: the index of the node each stands for, -1 for another group, -2 for
    // the tree's group, -3 for the legend, -4 for a sample in it, -5 for the start mark.
    std::vector<int> open;
    for (size_t at = svg.find('<'); at != std::string::npos; at = svg.find('<', at + 1)) {
        const size_t end = svg.find('>', at);
        const std::string tag = svg.substr(at, end - at + 1);
        if (tag.find(" transform=") != std::string::npos) tree.transforms = true;
        if (tag.rfind("<svg", 0) == 0) {
            const std::string box = attribute(tag, "viewBox");
            char* end = nullptr;
            std::strtod(box.c_str(), &end);  // the origin, 0 0
            std::strtod(end, &end);
            tree.width = std::strtod(end, &end);
            tree.height = std::strtod(end, &end);
        } else if (tag.rfind("<g", 0) == 0) {
            const std::string cls = attribute(tag, "class");
            if (cls.rfind("node ", 0) != 0) {
                const bool sample = !open.empty() && open.back() == -3;
                if (sample) tree.legend.push_back({cls, ""});
                open.push_back(cls == "tree"     ? -2
                               : cls == "legend" ? -3
                               : sample          ? -4
                               : cls == "start"  ? -5
                                                 : -1);
                continue;
            }
            SvgNode node;
            node.kind = cls.substr(5, cls.find(' ', 5) - 5);
            for (auto k = open.rbegin(); k != open.rend() && node.parent == -1; ++k) {
                if (*k >= 0) node.parent = *k;
                if (*k == -2) break;
            }
            if (node.parent == -1 && (open.empty() || open.back() != -2))
                tree.in_tree_group = false;
            open.push_back(static_cast<int>(tree.nodes.size()));
            tree.nodes.push_back(node);
        } else if (tag == "</g>") {
            open.pop_back();
        } else if (!open.empty() && open.back() == -5) {
            tree.start_marks += tag.rfind("<circle", 0) == 0;
            tree.start_lines += tag.rfind("<line", 0) == 0;
        } else if (!open.empty() && open.back() == -4 && tag.rfind("<text", 0) == 0) {
            tree.legend.back().second = svg.substr(end + 1, svg.find('<', end) - end - 1);
        } else if (!open.empty() && open.back() >= 0) {
            SvgNode& node = tree.nodes[static_cast<size_t>(open.back())];
            if (tag[1] != '/') {
                node.elements += (node.elements.empty() ? "" : " ") +
                                 tag.substr(1, tag.find_first_of(" />") - 1);
            }
            const size_t text_end = svg.find('<', end);
            const std::string text = unescaped(svg.substr(end + 1, text_end - end - 1));
            if (tag == "<title>" && node.title.empty()) node.title = text;
            if (tag.rfind("<text class=\"left-out\"", 0) == 0) {
                node.left_out = text;
                node.left_out_x = number(tag, "x");
            } else if (tag.rfind("<text", 0) == 0 && node.label.empty()) {
                node.label = text;
                node.label_x = number(tag, "x");
            }
            if (!node.shape.empty()) continue;
            if (tag.rfind("<ellipse", 0) == 0 || tag.rfind("<circle", 0) == 0) {
                node.shape = tag.substr(1, tag.find(' ') - 1);
                const double rx = node.shape == "circle" ? number(tag, "r") : number(tag, "rx");
                const double ry = node.shape == "circle" ? number(tag, "r") : number(tag, "ry");
                node.x0 = number(tag, "cx") - rx;
                node.x1 = number(tag, "cx") + rx;
                node.y0 = number(tag, "cy") - ry;
                node.y1 = number(tag, "cy") + ry;
            } else if (tag.rfind("<rect", 0) == 0) {
                node.shape = "rect";
                node.x0 = number(tag, "x");
                node.y0 = number(tag, "y");
                node.x1 = node.x0 + number(tag, "width");
                node.y1 = node.y0 + number(tag, "height");
            }
        }
    }
    return tree;
}
