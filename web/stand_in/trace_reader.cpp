// The trace format read into a search tree (the interface of tree/trace_reader.h).
#include "tree/trace_reader.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "tree/tree_file.h"

namespace {

// The notes that make a line a configuration found or a candidate turned down.
const char* const found_notes[] = {"solution ", "tiling ", "ordering "};
const char* const turned_down_notes[] = {"turned down", "already on the path", "already placed"};
const char dead_end_word[] = "dead end";

bool starts_with(const std::string& text, const char* start)
{
    return text.compare(0, std::strlen(start), start) == 0;
}

// The node's kind and its label: a configuration its number, a dead end what follows
// "dead end at" (or "dead end"), any other node the text before its note without one pair
// of enclosing parentheses.
SearchStep kind_and_label(const std::string& text, std::string& label)
{
    if (starts_with(text, dead_end_word)) {
        const std::size_t from = starts_with(text, "dead end at ") ? 12 : sizeof dead_end_word;
        label = from < text.size() ? text.substr(from) : "";
        return SearchStep::dead_end;
    }
    const std::size_t gap = text.find("  ");
    label = text.substr(0, gap);
    if (label.size() >= 2 && label.front() == '(' && label.back() == ')') {
        label = label.substr(1, label.size() - 2);
    }
    if (gap == std::string::npos) return SearchStep::enter;
    const std::string note = text.substr(gap + 2);
    for (const char* n : found_notes) {
        if (starts_with(note, n)) {
            label = note.substr(std::strlen(n));
            return SearchStep::found;
        }
    }
    for (const char* n : turned_down_notes) {
        if (note == n) return SearchStep::turned_down;
    }
    return SearchStep::enter;
}

bool fail(TraceFault& fault, int line, const char* message)
{
    fault.line = line;
    std::snprintf(fault.message, sizeof fault.message, "%s", message);
    return false;
}

}  // namespace

bool read_trace(const char* text, SearchTree& tree, TraceFault& fault)
{
    tree.clear();
    int line = 0, level_before = -1;
    for (const char* p = text; *p != '\0';) {
        const char* end = std::strchr(p, '\n');
        if (end == nullptr) end = p + std::strlen(p);
        std::string whole(p, end);
        p = *end == '\0' ? end : end + 1;
        ++line;
        if (!whole.empty() && whole.back() == '\r') whole.pop_back();
        if (whole.find_first_not_of(' ') == std::string::npos) break;
        if (whole.find('\t') != std::string::npos) return fail(fault, line, "a tab");
        const std::size_t indent = whole.find_first_not_of(' ');
        if (indent % 2 != 0) {
            return fail(fault, line, "indented by a number of spaces that is not even");
        }
        const int level = static_cast<int>(indent / 2);
        if (level > level_before + 1) {
            return fail(fault, line, "indented two levels below the line before");
        }
        if (tree.size() == max_tree_nodes) {
            return fail(fault, line, "more than 100000 nodes");
        }
        std::string label;
        const std::string title = whole.substr(indent);
        const SearchStep kind = kind_and_label(title, label);
        tree.add(level, kind, title.c_str(), label.c_str());
        level_before = level;
    }
    if (tree.size() == 0) return fail(fault, line == 0 ? 1 : line, "no node");
    return true;
}
