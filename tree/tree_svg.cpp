// The search tree as an SVG picture, written as plain text.
#include "tree/tree_svg.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "tree/tree_layout.h"

namespace {

// The kinds told apart by form as well as by colour, so that a print in black and white
// keeps them apart: a call is an outline, a solution a filled disc with its number beside
// it, a candidate turned down a small crossed square in grey, a dead end a crossed square
// with a heavy red outline.
const char* const style = R"(<style>
text { font-family: sans-serif; font-size: 11px; fill: #222; }
.call > ellipse { fill: #fff; stroke: #333; stroke-width: 1.2; }
.call > text { text-anchor: middle; }
.solution > circle { fill: #17803a; stroke: #0b3d19; stroke-width: 1.2; }
.solution > text { font-weight: bold; fill: #0b3d19; }
.turned-down > rect { fill: url(#cross); stroke: #888; stroke-width: 1; }
.turned-down > text { fill: #777; }
.dead-end > rect { fill: url(#cross); stroke: #c00000; stroke-width: 2.5; }
.dead-end > text { fill: #c00000; }
text.left-out { font-size: 9px; fill: #777; }
.start > circle { fill: #333; }
line { stroke: #999; stroke-width: 1; }
.on-path > ellipse, .on-path > circle, .on-path > rect { stroke: #1f5fd6; stroke-width: 2.5; }
.on-path > line.on-path { stroke: #1f5fd6; stroke-width: 2.5; }
.current > ellipse, .current > circle, .current > rect { stroke: #1f5fd6; stroke-width: 4; }
</style>
<defs><pattern id="cross" patternUnits="objectBoundingBox" patternContentUnits="objectBoundingBox" width="1" height="1"><rect width="1" height="1" fill="#fff"/><path d="M0,0 L1,1 M0,1 L1,0" stroke="#555" stroke-width="0.14"/></pattern></defs>
)";

// The text with the characters that XML reads as markup written as references.
void put_text(std::FILE* out, const char* text)
{
    for (const char* p = text; *p != '\0'; ++p) {
        switch (*p) {
        case '<':
            std::fputs("&lt;", out);
            break;
        case '>':
            std::fputs("&gt;", out);
            break;
        case '&':
            std::fputs("&amp;", out);
            break;
        default:
            std::fputc(*p, out);
        }
    }
}

void put_shape(std::FILE* out, SearchStep kind, const NodePlace& p)
{
    switch (kind) {
    case SearchStep::enter:
    case SearchStep::back_up:
        std::fprintf(out, "<ellipse cx=\"%.1f\" cy=\"%.1f\" rx=\"%.1f\" ry=\"%.1f\"/>", p.x, p.y,
                     p.half_width, p.half_height);
        return;
    case SearchStep::found:
        std::fprintf(out, "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\"/>", p.x, p.y, p.half_width);
        return;
    case SearchStep::turned_down:
    case SearchStep::dead_end:
        std::fprintf(out, "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>",
                     p.x - p.half_width, p.y - p.half_height, 2 * p.half_width, 2 * p.half_height);
        return;
    }
}

void put_label(std::FILE* out, const char* label, const NodePlace& p)
{
    std::fprintf(out, "<text x=\"%.1f\" y=\"%.1f\">", p.label_x, p.label_y);
    put_text(out, label);
    std::fputs("</text>", out);
}

// The count of candidates a node turned down that the picture leaves out.
void put_count(std::FILE* out, const char* count, const NodePlace& p)
{
    std::fprintf(out, "<text class=\"left-out\" x=\"%.1f\" y=\"%.1f\">%s</text>", p.count_x,
                 p.count_y, count);
}

// A sample of each kind the tree shows, with what it stands for, in a row above the tree.
void put_legend(std::FILE* out, const TreeLayout& layout)
{
    std::fputs("<g class=\"legend\">\n", out);
    for (const LegendItem& item : layout.legend) {
        if (item.count) {
            put_count(out, item.label.c_str(), item.place);
        } else {
            std::fprintf(out, "<g class=\"%s\">", tree_kind_name(item.kind));
            put_shape(out, item.kind, item.place);
            if (!item.label.empty()) put_label(out, item.label.c_str(), item.place);
            std::fputs("</g>", out);
        }
        std::fprintf(out, "<text x=\"%.1f\" y=\"%.1f\">", item.meaning_x, item.meaning_y);
        put_text(out, item.meaning.c_str());
        std::fputs("</text>\n", out);
    }
    std::fputs("</g>\n", out);
}

// The mark that the roots hang from, when there is more than one, with the edges to them.
void put_start_mark(std::FILE* out, const SearchTree& tree, const TreeLayout& layout)
{
    if (!layout.start_mark) return;
    std::fprintf(out, "<g class=\"start\"><circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\"/>",
                 layout.start_x, layout.start_y, start_mark_radius);
    for (size_t k = 0; k < layout.places.size(); ++k) {
        if (tree.node(static_cast<int>(k)).parent >= 0) continue;
        const NodePlace& root = layout.places[k];
        std::fprintf(out, "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>", layout.start_x,
                     layout.start_y + start_mark_radius, root.x, root.y - root.half_height);
    }
    std::fputs("</g>\n", out);
}

}  // namespace

bool write_tree_svg(std::FILE* out, const SearchTree& tree, int count, int current)
{
    const TreeLayout layout = lay_out_tree(tree, count);
    count = static_cast<int>(layout.places.size());
    const auto place = [&layout](int k) -> const NodePlace& {
        return layout.places[static_cast<size_t>(k)];
    };

    // The nodes on the path from the root down to the current node, and each node's children.
    std::vector<bool> on_path(static_cast<size_t>(count), false);
    for (int k = current < count ? current : -1; k >= 0; k = tree.node(k).parent) {
        on_path[static_cast<size_t>(k)] = true;
    }
    std::vector<std::vector<int>> children(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        if (tree.node(k).parent >= 0)
            children[static_cast<size_t>(tree.node(k).parent)].push_back(k);
    }

    std::fprintf(out,
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
                 "viewBox=\"0 0 %.0f %.0f\">\n",
                 layout.width, layout.height, layout.width, layout.height);
    std::fputs(style, out);
    std::fprintf(out, "<rect width=\"%.0f\" height=\"%.0f\" fill=\"#fff\"/>\n", layout.width,
                 layout.height);
    put_legend(out, layout);
    std::fputs("<g class=\"tree\">\n", out);
    put_start_mark(out, tree, layout);

    // The groups nest as the tree does: a node's group stays open until the search leaves
    // its subtree, which is when a node comes whose parent is further up.
    std::vector<int> open;
    for (int k = 0; k < count; ++k) {
        const TreeNode& node = tree.node(k);
        while (!open.empty() && open.back() != node.parent) {
            std::fputs("</g>\n", out);
            open.pop_back();
        }
        const bool marked = on_path[static_cast<size_t>(k)];
        std::fprintf(out, "<g class=\"node %s%s\"><title>", tree_kind_name(node.kind),
                     k == current ? " on-path current"
                     : marked     ? " on-path"
                                  : "");
        put_text(out, tree.title(k));
        std::fputs("</title>", out);
        put_shape(out, node.kind, place(k));
        put_label(out, tree.label(k), place(k));
        if (node.turned_down_left_out > 0) {
            put_count(out, std::to_string(node.turned_down_left_out).c_str(), place(k));
        }
        for (const int child : children[static_cast<size_t>(k)]) {
            const NodePlace &from = place(k), &to = place(child);
            std::fprintf(out, "<line%s x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>",
                         on_path[static_cast<size_t>(child)] ? " class=\"on-path\"" : "", from.x,
                         from.y + from.half_height, to.x, to.y - to.half_height);
        }
        std::fputs("\n", out);
        open.push_back(k);
    }
    for (size_t k = 0; k < open.size(); ++k) std::fputs("</g>\n", out);
    std::fputs("</g>\n</svg>\n", out);
    return std::ferror(out) == 0;
}

bool tree_svg_text(std::string& svg, const SearchTree& tree, int count, int current)
{
    svg.clear();
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    if (out == nullptr) return false;
    bool written = write_tree_svg(out, tree, count, current);
    written = std::fclose(out) == 0 && written;
    if (written) svg.assign(text, size);
    std::free(text);
    return written;
}
