// --tree: the search tree drawn as an SVG picture by the console programs, read back and
// held against their --trace, its geometry, its legend, the same without the candidates
// turned down, and the runs that draw no picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <vector>

#include "process.h"
#include "svg_tree.h"
#include "temp_folder.h"

namespace {

const std::string bin = BIN_DIR;

void write_file(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

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
    double max_width = 1e9;            // the most the picture may take
};

// The faults of a tidy tree: a shape outside the viewBox, a child not below its parent,
// siblings not left to right in search order, a parent not centred over its children, two
// nodes of a level whose shapes or labels overlap (a label taken as wide as the layout
// reckons a character, 0.62 of the 11-pixel font). Also a start mark, and only one, over
// more than one root.
size_t misplaced_in(const SvgTree& tree)
{
    std::map<int, std::vector<int>> children;
    std::map<double, std::vector<std::pair<double, double>>> rows;  // what each node covers
    size_t misplaced = 0;
    for (size_t k = 0; k < tree.nodes.size(); ++k) {
        const SvgNode& n = tree.nodes[k];
        children[n.parent].push_back(static_cast<int>(k));
        double right = n.x1;
        if (n.kind != "call") right = std::max(right, n.label_x + 6.82 * n.label.size());
        if (!n.left_out.empty()) right = std::max(right, n.left_out_x + 5.58 * n.left_out.size());
        rows[(n.y0 + n.y1) / 2].push_back({n.x0, right});
        misplaced += n.x0 < 0 || n.y0 < 0 || right > tree.width || n.y1 > tree.height;
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
    for (auto& [y, row] : rows) {
        std::sort(row.begin(), row.end());
        for (size_t k = 1; k < row.size(); ++k) misplaced += row[k - 1].second >= row[k].first;
    }
    const int roots = static_cast<int>(children[-1].size());
    misplaced += tree.start_marks != (roots > 1) || tree.start_lines != (roots > 1 ? roots : 0);
    return misplaced;
}

// Writes the program's tree and checks it against its --trace and against its own geometry;
// then the tree without the candidates turned down against it.
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
    // nearest earlier line one level less indented), the kind the line's words tell, a dead
    // end labelled by what follows "dead end at".
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
        wrong_kinds += node.kind != kind_of_line(title) ||
                       (node.kind == "dead-end" && node.label != title.substr(12));
        wrong_elements += !in_order(node.elements);
        ++kinds[node.kind];
    }
    EXPECT_EQ(wrong_titles + wrong_parents + wrong_kinds + wrong_elements, 0u)
        << what << ": " << wrong_titles << " titles, " << wrong_parents << " parents, "
        << wrong_kinds << " kinds or labels, " << wrong_elements << " element orders differ";
    for (const auto& [kind, count] : c.kinds) EXPECT_EQ(kinds[kind], count) << what << " " << kind;
    EXPECT_EQ(misplaced_in(tree), 0u) << what;
    EXPECT_LE(tree.width, c.max_width) << what;

    // The legend: a sample of each kind the tree has and no other, the call's and the
    // configuration's labelled as the tree's first ones are.
    std::map<std::string, std::string> first_label, legend;
    for (const SvgNode& n : tree.nodes) first_label.insert({n.kind, n.label});
    for (const auto& [kind, label] : tree.legend) EXPECT_TRUE(legend.insert({kind, label}).second);
    EXPECT_EQ(legend.size(), first_label.size()) << what;
    for (const char* kind : {"call", "solution", "dead-end"}) {
        EXPECT_EQ(legend[kind], first_label[kind]) << what << " " << kind;
    }

    // --hide turned-down: every other node with its title, kind and parent, in order; each
    // with the count of its children turned down, where it has any.
    run_process(run + " --tree " + folder + "/kept.svg --hide turned-down");
    const SvgTree kept = read_svg_tree(read_file(folder + "/kept.svg"));
    std::vector<int> place(tree.nodes.size(), -1);
    std::map<int, int> left_out;
    size_t k = 0, wrong = 0;
    for (size_t n = 0; n < tree.nodes.size(); ++n) {
        const SvgNode& node = tree.nodes[n];
        const int parent = node.parent < 0 ? -1 : place[static_cast<size_t>(node.parent)];
        if (node.kind == "turned-down") {
            ++left_out[parent];
            continue;
        }
        place[n] = static_cast<int>(k);
        wrong += k >= kept.nodes.size() || kept.nodes[k].title != node.title ||
                 kept.nodes[k].kind != node.kind || kept.nodes[k].parent != parent;
        ++k;
    }
    EXPECT_EQ(kept.nodes.size(), k) << what;
    for (k = 0; k < kept.nodes.size(); ++k) {
        const int count = left_out.count(static_cast<int>(k)) ? left_out[static_cast<int>(k)] : 0;
        wrong += kept.nodes[k].left_out != (count > 0 ? std::to_string(count) : "");
    }
    EXPECT_EQ(wrong, 0u) << what;
    EXPECT_EQ(misplaced_in(kept), 0u) << what << " --hide turned-down";
}

}  // namespace

// The defaults, with the counts of their kinds pinned, and another instance of each program;
// the widths that the defaults and permlist --size 4 keep within.
TEST(Tree, EveryNodeIsALineOfTheTraceInATidyTree)
{
    const TempFolder folder;
    const TreeCase cases[] = {
        {"juglist",
         "",
         {{"call", 87}, {"solution", 14}, {"turned-down", 192}, {"dead-end", 0}},
         4000},
        {"tilelist",
         "",
         {{"call", 1047}, {"solution", 281}, {"turned-down", 0}, {"dead-end", 15}},
         18223},
        {"permlist", "", {{"call", 8659}, {"solution", 5040}, {"turned-down", 46921}}},
        {"juglist", "--jugs 8,5,3 --goal '4,4,*'", {{"solution", 16}}},
        {"tilelist", "--board 4x3", {{"solution", 11}, {"dead-end", 1}}},
        {"permlist", "--size 4", {{"solution", 24}}, 3000},
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

// tracetree: a program's trace read back draws the same nodes, in the same order, with the
// same titles, kinds and nesting as the program's own --tree; its summary counts them.
TEST(Tracetree, DrawsTheTreeOfAProgramsTrace)
{
    const TempFolder folder;
    const std::string a = folder.path() + "/a.svg", b = folder.path() + "/b.svg";
    const std::pair<std::string, std::string> runs[] = {
        {"juglist", ""},          {"juglist", "--jugs 8,5,3 --goal '4,4,*'"},
        {"tilelist", ""},         {"tilelist", "--board 5x2"},
        {"permlist", "--size 5"}, {"permlist", ""}};
    for (const auto& [program, arguments] : runs) {
        const std::string run = bin + "/" + program + " --no-wait " + arguments;
        const ProcessResult read =
            run_process(run + " --trace | " + bin + "/tracetree --tree " + a);
        run_process(run + " --tree " + b);
        const SvgTree ours = read_svg_tree(read_file(a)), theirs = read_svg_tree(read_file(b));
        EXPECT_EQ(read.exit_status, 0) << program << " " << arguments << ": " << read.err;
        ASSERT_EQ(ours.nodes.size(), theirs.nodes.size()) << program << " " << arguments;
        int calls = 0, found = 0, turned_down = 0, dead_ends = 0, depth = 0;
        std::vector<int> level(ours.nodes.size(), 0);
        for (size_t k = 0; k < ours.nodes.size(); ++k) {
            const SvgNode &n = ours.nodes[k], &m = theirs.nodes[k];
            ASSERT_TRUE(n.title == m.title && n.kind == m.kind && n.parent == m.parent)
                << program << " " << arguments << ": node " << k << " " << n.title;
            level[k] = n.parent < 0 ? 1 : level[static_cast<size_t>(n.parent)] + 1;
            turned_down += n.kind == "turned-down";
            dead_ends += n.kind == "dead-end";
            found += n.kind == "solution";
            if (n.kind == "call" || n.kind == "solution")
                ++calls, depth = std::max(depth, level[k]);
        }
        EXPECT_EQ(read.out, std::to_string(calls) + " calls, " + std::to_string(found) +
                                " found, " + std::to_string(turned_down) + " turned down, " +
                                std::to_string(dead_ends) + " dead ends, depth " +
                                std::to_string(depth) + "\n");
    }
    EXPECT_EQ(run_process(bin + "/juglist --trace --no-wait | " + bin + "/tracetree").out,
              "101 calls, 14 found, 192 turned down, 0 dead ends, depth 15\n");
}

// A trace written by hand in the format's plain words: the kinds by their words, the
// labels by the rule, nothing read past the first blank line.
TEST(Tracetree, ReadsATraceWrittenByHand)
{
    const TempFolder folder;
    const std::string trace = "queen 0\n  queen 1  turned down\n  queen 2\n"
                              "    dead end at row 2\n  queen 3\n    queen 1  solution 1\n"
                              "  (x y)  turned down\nqueen 1\r\n  dead end\n\n\tnot read\n";
    write_file(folder.path() + "/trace.txt", trace);
    const ProcessResult result =
        run_process("cd " + folder.path() + " && " + bin + "/tracetree trace.txt --tree tree.svg");
    EXPECT_EQ(result.out, "5 calls, 1 found, 2 turned down, 2 dead ends, depth 3\n");
    const SvgTree tree = read_svg_tree(read_file(folder.path() + "/tree.svg"));
    std::string drawn;
    for (const SvgNode& n : tree.nodes) drawn += n.kind + " " + n.label + ";";
    EXPECT_EQ(drawn, "call queen 0;turned-down queen 1;call queen 2;dead-end row 2;"
                     "call queen 3;solution 1;turned-down x y;call queen 1;dead-end ;");
}

// Bad input: status 1, one line naming the file and the line, and no file made or
// replaced; more than 100,000 nodes as --tree refuses them.
TEST(Tracetree, RefusesATraceNotOfTheFormat)
{
    const TempFolder folder;
    const std::string out = folder.path() + "/tree.svg";
    const struct {
        std::string trace, line;
    } cases[] = {{"a\n  b\n      c\n", "trace.txt:3: indented two levels below the line before"},
                 {"a\n   b\n", "trace.txt:2: indented by 3 blanks, not a multiple of two"},
                 {"a\n  b\tc\n", "trace.txt:2: a tab, where the format takes blanks only"},
                 {"", "trace.txt:1: no node: no line comes before the end or a blank line"},
                 {"  a\n", "trace.txt:1: the first line is indented: a trace starts at a root"},
                 {[] {
                      std::string many;
                      for (int k = 0; k <= 100000; ++k) many += "a\n";
                      return many;
                  }(),
                  "trace.txt:100001: the search tree reached 100001 nodes, more than the 100000 a "
                  "picture takes: no tree drawn"}};
    for (const auto& c : cases) {
        write_file(out, "old\n");
        write_file(folder.path() + "/trace.txt", c.trace);
        for (const std::string& how : {std::string("trace.txt"), std::string("< trace.txt")}) {
            const ProcessResult result = run_process("cd " + folder.path() + " && " + bin +
                                                     "/tracetree --tree tree.svg " + how);
            const std::string named =
                how[0] == '<' ? "(standard input)" + c.line.substr(9) : c.line;
            EXPECT_EQ(result.exit_status, 1) << named;
            EXPECT_EQ(result.err, named + "\n");
            EXPECT_EQ(read_file(out), "old\n") << named;
            EXPECT_EQ(run_process("ls -A " + folder.path()).out, "trace.txt\ntree.svg\n");
        }
    }
}
