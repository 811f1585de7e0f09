// A trace read back into its search tree, and the summary line of a tree's counts.
#include "tree/trace_reader.h"

#include <cstdio>
#include <cstring>

#include "tree/tree_file.h"

namespace {

// The notes that make a line a candidate turned down: the format's own words, then those
// of the built-in programs.
const char* const turned_down_notes[] = {"turned down", "already on the path", "already placed"};
// The words that, followed by a blank and a number, make a note a configuration found.
const char* const found_words[] = {"solution", "tiling", "ordering"};
const char dead_end_words[] = "dead end";
const char dead_end_at[] = "dead end at ";

bool starts_with(const std::string& text, const char* words)
{
    return text.compare(0, std::strlen(words), words) == 0;
}

// The number after "WORD " in the note, or "" when the note is not a configuration's.
std::string configuration_number(const std::string& note)
{
    for (const char* word : found_words) {
        const size_t length = std::strlen(word);
        if (!starts_with(note, word) || note.size() < length + 2 || note[length] != ' ') continue;
        std::string number = note.substr(length + 1);
        if (number.find_first_not_of("0123456789") == std::string::npos) return number;
    }
    return "";
}

// The text without one pair of parentheses that encloses all of it.
std::string without_parentheses(const std::string& text)
{
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// The kind and label of a line's text (its indent left out).
void read_words(const std::string& text, SearchStep& kind, std::string& label)
{
    const size_t note_at = text.find("  ");
    const std::string head = text.substr(0, note_at);
    const std::string note =
        note_at == std::string::npos ? "" : text.substr(text.find_first_not_of(' ', note_at));
    const size_t words = sizeof dead_end_words - 1;
    if (starts_with(head, dead_end_words) && (head.size() == words || head[words] == ' ')) {
        kind = SearchStep::dead_end;
        label = starts_with(head, dead_end_at) ? head.substr(sizeof dead_end_at - 1) : "";
        return;
    }
    for (const char* words_turned_down : turned_down_notes) {
        if (note == words_turned_down) {
            kind = SearchStep::turned_down;
            label = without_parentheses(head);
            return;
        }
    }
    label = configuration_number(note);
    kind = label.empty() ? SearchStep::enter : SearchStep::found;
    if (label.empty()) label = without_parentheses(head);
}

bool fail(TraceFault& fault, int line, const char* message)
{
    fault.line = line;
    std::snprintf(fault.message, sizeof fault.message, "%s", message);
    return false;
}

// "two", "three", ... for the levels a line came too deep.
const char* const level_words[] = {"",     "one", "two",   "three", "four",
                                   "five", "six", "seven", "eight", "nine"};

}  // namespace

bool read_trace(const char* text, SearchTree& tree, TraceFault& fault)
{
    tree.clear();
    fault = TraceFault{};
    int number = 0;
    int level_before = -1;
    const char* p = text;
    while (*p != '\0') {
        const char* end = std::strchr(p, '\n');
        if (end == nullptr) end = p + std::strlen(p);
        std::string line(p, end);
        p = *end == '\n' ? end + 1 : end;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(' ') == std::string::npos) break;  // a blank line ends it

        if (line.find('\t') != std::string::npos) {
            return fail(fault, number, "a tab, where the format takes blanks only");
        }
        const size_t indent = line.find_first_not_of(' ');
        char message[sizeof fault.message];
        if (indent % 2 != 0) {
            std::snprintf(message, sizeof message, "indented by %zu blanks, not a multiple of two",
                          indent);
            return fail(fault, number, message);
        }
        const int level = static_cast<int>(indent / 2);
        if (level_before < 0 && level > 0) {
            return fail(fault, number, "the first line is indented: a trace starts at a root");
        }
        if (level > level_before + 1) {
            const int below = level - level_before;
            if (below < static_cast<int>(sizeof level_words / sizeof level_words[0])) {
                std::snprintf(message, sizeof message, "indented %s levels below the line before",
                              level_words[below]);
            } else {
                std::snprintf(message, sizeof message, "indented %d levels below the line before",
                              below);
            }
            return fail(fault, number, message);
        }
        if (tree.size() == max_tree_nodes) {
            describe_tree_limit(message, sizeof message);
            return fail(fault, number, message);
        }
        SearchStep kind;
        std::string label;
        const std::string title = line.substr(indent);
        read_words(title, kind, label);
        tree.add(level, kind, title.c_str(), label.c_str());
        level_before = level;
    }
    if (tree.size() == 0) {
        return fail(fault, number > 0 ? number : 1,
                    "no node: no line comes before the end or a blank line");
    }
    return true;
}

TreeCounts count_tree(const SearchTree& tree)
{
    TreeCounts counts;
    for (int k = 0; k < tree.size(); ++k) {
        const TreeNode& node = tree.node(k);
        if (node.kind == SearchStep::turned_down) {
            ++counts.turned_down;
        } else if (node.kind == SearchStep::dead_end) {
            ++counts.dead_ends;
        } else {
            ++counts.calls;
            if (node.kind == SearchStep::found) ++counts.found;
            if (node.level + 1 > counts.depth) counts.depth = node.level + 1;
        }
    }
    return counts;
}

std::string tree_summary(const SearchTree& tree)
{
    const TreeCounts c = count_tree(tree);
    char line[160];
    std::snprintf(line, sizeof line, "%d calls, %d found, %d turned down, %d dead ends, depth %d",
                  c.calls, c.found, c.turned_down, c.dead_ends, c.depth);
    return line;
}
