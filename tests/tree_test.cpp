// --tree: the search tree drawn as an SVG picture by the console programs, read back and
// held against their --trace, its geometry, and the runs that draw no picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "process.h"
#include "svg_tree.h"
#include "temp_folder.h"

namespace {

const std::string bin = BIN_DIR;

// Whether the line ends in the words and a number.
bool ends_in_number(const std::string& line, const std::string& words)
{
    const size_t at = line.rfind("  " + words + " ");
    return at != std::string::npos &&
           line.find_first_not_of("0123456789", at + words.size() + 3) == std::string::npos;
}

// The kind of node a --trace line stands for, from its words.
std::string kind_of_line(const std::string& line)
{
    for (const char* words : {"solution", "tiling", "ordering"}) {
        if (ends_in_number(line, words)) return "solution";
    }
    if (line.find("  already ") != std::string::npos) return "turned-down";
    if (line.rfind("dead end at cell ", 0) == 0) return "dead-end";
    return "call";
}

struct TreeCase {
    std::string program, arguments;
    std::map<std::string, int> kinds;  // the counts of the defaults, as pinned by hand
};

// Writes the program's tree and checks it against its --trace and against its own geometry.
void check_tree(const TreeCase& c, const std::string& folder)
{
    const std::string what = c.program + " " + c.arguments;
    const std::string run = bin + "/" + c.program + " --no-wait " + c.arguments;
    const ProcessResult plain = run_process(run);
    const ProcessResult drawn = run_process(run + " --tree " + folder + "/tree.svg");
    EXPECT_EQ(drawn.exit_status, 0) << what << ": " << drawn.err;
    EXPECT_EQ(drawn.err, "") << what;
    EXPECT_TRUE(drawn.out == plain.out) << what << ": the usual output changed";
    const SvgTree tree = read_svg_tree(read_file(folder + "/tree.svg"));
    EXPECT_FALSE(tree.transforms) << what;
    EXPECT_TRUE(tree.in_tree_group) << what;

    // One node for each line of the trace, in order: the same title, the same parent (the
    // nearest earlier line one level less indented), the kind the line's words tell.
    std::vector<std::string> lines = lines_of(run_process(run + " --trace").out);
    lines.erase(std::find(lines.begin(), lines.end(), ""), lines.end());  // the closing lines
    EXPECT_EQ(tree.nodes.size(), lines.size()) << what;
    std::vector<int> parent_at_level;
    std::map<std::string, int> kinds;
    size_t wrong_titles = 0, wrong_parents = 0, wrong_kinds = 0, wrong_elements = 0;
    // Its title, its shape, its label, the edges to its children.
    const auto in_order = [](std::string elements) {
        while (elements.size() > 10 && elements.compare(elements.size() - 5, 5, " line") == 0) {
            elements.resize(elements.size() - 5);
        }
        return elements == "title ellipse text" || elements == "title circle text" ||
               elements == "title rect text";
    };
    for (size_t k = 0; k < lines.size() && k < tree.nodes.size(); ++k) {
        const size_t indent = lines[k].find_first_not_of(' ');
        const SvgNode& node = tree.nodes[k];
        const std::string title = lines[k].substr(indent);
        parent_at_level.resize(indent / 2);
        const int parent = parent_at_level.empty() ? -1 : parent_at_level.back();
        parent_at_level.push_back(static_cast<int>(k));
        wrong_titles += node.title != title;
        wrong_parents += node.parent != parent;
        wrong_kinds += node.kind != kind_of_line(title);
        wrong_elements += !in_order(node.elements);
        ++kinds[node.kind];
    }
    EXPECT_EQ(wrong_titles + wrong_parents + wrong_kinds + wrong_elements, 0u)
        << what << ": " << wrong_titles << " titles, " << wrong_parents << " parents, "
        << wrong_kinds << " kinds, " << wrong_elements << " element orders differ";
    for (const auto& [kind, count] : c.kinds) EXPECT_EQ(kinds[kind], count) << what << " " << kind;

    // A tidy tree: children below their parent, siblings left to right in search order, a
    // parent centred over its children, leaves evenly spaced, every shape inside the
    // viewBox, no two shapes overlapping.
    std::map<int, std::vector<int>> children;
    std::map<double, std::vector<const SvgNode*>> rows;
    std::vector<double> leaves;
    size_t misplaced = 0;
    for (size_t k = 0; k < tree.nodes.size(); ++k) {
        const SvgNode& n = tree.nodes[k];
        children[n.parent].push_back(static_cast<int>(k));
        rows[(n.y0 + n.y1) / 2].push_back(&n);
        misplaced += n.x0 < 0 || n.y0 < 0 || n.x1 > tree.width || n.y1 > tree.height;
        if (n.parent >= 0) misplaced += n.y0 <= tree.nodes[static_cast<size_t>(n.parent)].y1;
    }
    for (const auto& [parent, list] : children) {
        for (size_t k = 1; k < list.size(); ++k) {
            misplaced += tree.nodes[static_cast<size_t>(list[k - 1])].x1 >=
                         tree.nodes[static_cast<size_t>(list[k])].x0;
        }
        if (parent < 0) continue;
        const SvgNode &p = tree.nodes[static_cast<size_t>(parent)],
                      &first = tree.nodes[static_cast<size_t>(list.front())],
                      &last = tree.nodes[static_cast<size_t>(list.back())];
        misplaced += std::fabs(p.x0 + p.x1 - (first.x0 + first.x1 + last.x0 + last.x1) / 2) > 0.5;
    }
    for (size_t k = 0; k < tree.nodes.size(); ++k) {
        if (children.count(static_cast<int>(k)) == 0) {
            leaves.push_back((tree.nodes[k].x0 + tree.nodes[k].x1) / 2);
        }
    }
    for (size_t k = 2; k < leaves.size(); ++k) {
        misplaced += std::fabs(leaves[k] - leaves[k - 1] - (leaves[1] - leaves[0])) > 0.2;
    }
    double row_bottom = -1;
    for (auto& [y, row] : rows) {
        std::sort(row.begin(), row.end(), [](auto a, auto b) { return a->x0 < b->x0; });
        for (size_t k = 1; k < row.size(); ++k) misplaced += row[k - 1]->x1 >= row[k]->x0;
        for (const SvgNode* n : row) misplaced += n->y0 <= row_bottom;
        for (const SvgNode* n : row) row_bottom = std::max(row_bottom, n->y1);
    }
    EXPECT_EQ(misplaced, 0u) << what;
}

}  // namespace

// The defaults, with the counts of their kinds pinned, and another instance of each program.
TEST(Tree, EveryNodeIsALineOfTheTraceInATidyTree)
{
    const TempFolder folder;
    const TreeCase cases[] = {
        {"juglist", "", {{"call", 87}, {"solution", 14}, {"turned-down", 192}, {"dead-end", 0}}},
        {"tilelist", "", {{"call", 1047}, {"solution", 281}, {"turned-down", 0}, {"dead-end", 15}}},
        {"permlist", "", {{"call", 8659}, {"solution", 5040}, {"turned-down", 46921}}},
        {"juglist", "--jugs 8,5,3 --goal '4,4,*'", {{"solution", 16}}},
        {"tilelist", "--board 4x3", {{"solution", 11}, {"dead-end", 1}}},
        {"permlist", "--size 4", {{"solution", 24}}},
    };
    for (const TreeCase& c : cases) check_tree(c, folder.path());
}

// No picture: a tree past the limit (8x8 has far more nodes), a folder that is missing, a
// name that is a folder. Status 1, one line, and no file made or replaced.
TEST(Tree, ARunThatCannotDrawItsTreeLeavesNoFile)
{
    const TempFolder folder;
    const std::string old_file = folder.path() + "/old.svg";
    run_process("echo old > " + old_file + " && mkdir " + folder.path() + "/dir.svg");
    const struct {
        std::string command, file, named;
    } runs[] = {
        {"tilelist --board 8x8 --count", old_file, "reached 100001 nodes, more than the 100000"},
        {"juglist --count", folder.path() + "/missing/tree.svg", "No such file or directory"},
        {"permlist --size 3", folder.path() + "/dir.svg", "Is a directory"},
    };
    for (const auto& r : runs) {
        const ProcessResult result =
            run_process(bin + "/" + r.command + " --no-wait --tree " + r.file);
        EXPECT_EQ(result.exit_status, 1) << r.command;
        EXPECT_EQ(lines_of(result.err).size(), 1u) << r.command << ": " << result.err;
        EXPECT_NE(result.err.find(r.named), std::string::npos) << result.err;
        EXPECT_EQ(run_process("ls -A " + folder.path()).out, "dir.svg\nold.svg\n") << r.command;
    }
    EXPECT_EQ(read_file(old_file), "old\n");
}
