// A trace read back into its search tree, and the summary line of a tree's counts.
#include "tree/trace_reader.h"

#include <cerrno>
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

// The kind and label of a line's text (its indent left out), and the note when it is not
// one of the format's and the line is read as a call for it. The note starts at the first
// non-blank after two blanks in a row and ends at the last non-blank: blanks at the end of
// the line are no part of it, and blanks alone are no note.
void read_words(const std::string& text, SearchStep& kind, std::string& label,
                std::string& unknown_note)
{
    const size_t note_at = text.find("  ");
    const std::string head = text.substr(0, note_at);
    const size_t note_starts = text.find_first_not_of(' ', note_at);
    const std::string note =
        note_starts == std::string::npos
            ? ""
            : text.substr(note_starts, text.find_last_not_of(' ') + 1 - note_starts);
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
    if (!label.empty()) return;
    label = without_parentheses(head);
    unknown_note = note;
}

bool fail(TraceFault& fault, int line, const char* message)
{
    fault.line = line;
    std::snprintf(fault.message, sizeof fault.message, "%s", message);
    return false;
}

// Writes into message why the line is not a trace's text, and returns false, at its first
// tab, NUL, other control character (C0, DEL or C1), bytes that are not UTF-8, or U+FFFE or
// U+FFFF: what is left is text that any XML text may hold.
bool is_text(const std::string& line, char* message, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(line.data());
    for (std::size_t k = 0; k < line.size();) {
        const unsigned c = bytes[k];
        const std::size_t at = k + 1;  // the byte's place in the line, from 1
        // The sequence's length and code point, and the bounds of its second byte, which
        // keep out the overlong forms, the surrogates and what lies past U+10FFFF.
        std::size_t length = 1;
        unsigned point = c, low = 0x80, high = 0xbf;
        if (c >= 0xc2 && c <= 0xdf) {
            length = 2;
            point = c & 0x1f;
        } else if (c >= 0xe0 && c <= 0xef) {
            length = 3;
            point = c & 0x0f;
            if (c == 0xe0) low = 0xa0;
            if (c == 0xed) high = 0x9f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            length = 4;
            point = c & 0x07;
            if (c == 0xf0) low = 0x90;
            if (c == 0xf4) high = 0x8f;
        }
        bool utf8 = c < 0x80 || length > 1;
        for (std::size_t j = 1; utf8 && j < length; ++j) {
            const unsigned next = k + j < line.size() ? bytes[k + j] : 0;
            utf8 = next >= (j == 1 ? low : 0x80) && next <= (j == 1 ? high : 0xbf);
            point = point << 6 | (next & 0x3f);
        }
        if (!utf8) {
            std::snprintf(message, size,
                          "invalid UTF-8 (0x%02X) at byte %zu of the line, where a trace is "
                          "text in UTF-8",
                          c, at);
        } else if (point == '\t') {
            std::snprintf(message, size, "a tab, where the format takes blanks only");
        } else if (point == 0) {
            std::snprintf(message, size,
                          "a NUL byte at byte %zu of the line, where a trace is text", at);
        } else if (point < 0x20 || (point >= 0x7f && point <= 0x9f)) {
            std::snprintf(message, size,
                          "a control character (U+%04X) at byte %zu of the line, where a trace is "
                          "text",
                          point, at);
        } else if (point == 0xfffe || point == 0xffff) {
            std::snprintf(message, size,
                          "a noncharacter (U+%04X) at byte %zu of the line, where a trace is text",
                          point, at);
        } else {
            k += length;
            continue;
        }
        return false;
    }
    return true;
}

// "two", "three", ... for the levels a line came too deep.
const char* const level_words[] = {"",     "one", "two",   "three", "four",
                                   "five", "six", "seven", "eight", "nine"};

// Counts a line whose note is not one of the format's.
void count_unknown_note(UnknownNotes& unknown, const std::string& note, int line)
{
    for (UnknownNote& known : unknown.notes) {
        if (known.note == note) {
            ++known.lines;
            return;
        }
    }
    if (unknown.notes.size() < max_unknown_notes) {
        unknown.notes.push_back({note, line, 1});
    } else if (unknown.other_lines++ == 0) {
        unknown.other_first_line = line;
    }
}

// A trace being read, a line at a time.
struct Reading {
    SearchTree& tree;
    TraceFault& fault;
    UnknownNotes* unknown;
    int number = 0;         // the lines read
    std::size_t bytes = 0;  // in them, their line ends included
    int level_before = -1;  // the last node's, -1 before the first
    SearchStep kind_before = SearchStep::enter;
    std::string line;  // the line being read
};

Reading start_reading(SearchTree& tree, TraceFault& fault, UnknownNotes* unknown)
{
    tree.clear();
    fault = TraceFault{};
    if (unknown != nullptr) *unknown = UnknownNotes{};
    return Reading{tree, fault, unknown, 0, 0, -1, SearchStep::enter, std::string()};
}

// What reading a line leads to: the next line, the end of the trace, or a fault.
enum class AfterLine { next, end, fault };

AfterLine refuse(Reading& reading, const char* message)
{
    fail(reading.fault, reading.number, message);
    return AfterLine::fault;
}

// Reads the line in reading.line, which the line end followed when ended.
AfterLine read_line(Reading& reading, bool ended)
{
    std::string& line = reading.line;
    ++reading.number;
    reading.bytes += line.size() + (ended ? 1 : 0);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    char message[sizeof reading.fault.message];
    if (line.size() > max_trace_line_bytes) {
        std::snprintf(message, sizeof message, "a line of more than %zu bytes",
                      max_trace_line_bytes);
        return refuse(reading, message);
    }
    if (reading.bytes > max_trace_bytes) {
        std::snprintf(message, sizeof message, "the trace passes %zu MiB, the most it may hold",
                      max_trace_bytes >> 20);
        return refuse(reading, message);
    }
    if (line.find_first_not_of(' ') == std::string::npos) return AfterLine::end;  // blank
    if (!is_text(line, message, sizeof message)) return refuse(reading, message);

    const size_t indent = line.find_first_not_of(' ');
    if (indent % 2 != 0) {
        std::snprintf(message, sizeof message, "indented by %zu blanks, not a multiple of two",
                      indent);
        return refuse(reading, message);
    }
    const int level = static_cast<int>(indent / 2);
    const int level_before = reading.level_before;
    if (level_before < 0 && level > 0) {
        return refuse(reading, "the first line is indented: a trace starts at a root");
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
        return refuse(reading, message);
    }
    if (level > level_before && reading.kind_before == SearchStep::turned_down) {
        return refuse(reading,
                      "a line below a candidate turned down: only calls have lines below them");
    }
    if (level > level_before && reading.kind_before == SearchStep::dead_end) {
        return refuse(reading, "a line below a dead end: only calls have lines below them");
    }
    if (reading.tree.size() == max_tree_nodes) {
        describe_tree_limit(message, sizeof message);
        return refuse(reading, message);
    }
    SearchStep kind;
    std::string label, unknown_note;
    const std::string title = line.substr(indent);
    read_words(title, kind, label, unknown_note);
    if (!unknown_note.empty() && reading.unknown != nullptr) {
        count_unknown_note(*reading.unknown, unknown_note, reading.number);
    }
    reading.tree.add(level, kind, title.c_str(), label.c_str());
    reading.level_before = level;
    reading.kind_before = kind;
    return AfterLine::next;
}

// The end of the trace: a fault when it had no node.
bool end_reading(Reading& reading)
{
    if (reading.tree.size() > 0) return true;
    return fail(reading.fault, reading.number > 0 ? reading.number : 1,
                "no node: no line comes before the end or a blank line");
}

}  // namespace

bool read_trace(const char* text, SearchTree& tree, TraceFault& fault, UnknownNotes* unknown)
{
    Reading reading = start_reading(tree, fault, unknown);
    for (const char* p = text; *p != '\0';) {
        // The line up to its line end, or as far as a line may reach (its '\r' and one byte
        // more): a longer line is a fault, whatever follows.
        std::size_t length = 0;
        while (length < max_trace_line_bytes + 2 && p[length] != '\0' && p[length] != '\n') {
            ++length;
        }
        reading.line.assign(p, length);
        const bool ended = p[length] == '\n';
        const AfterLine after = read_line(reading, ended);
        if (after == AfterLine::fault) return false;
        if (after == AfterLine::end) break;
        p += ended ? length + 1 : length;
    }
    return end_reading(reading);
}

bool read_trace(std::FILE* in, SearchTree& tree, TraceFault& fault, UnknownNotes* unknown)
{
    Reading reading = start_reading(tree, fault, unknown);
    std::string& line = reading.line;
    line.reserve(max_trace_line_bytes + 2);
    for (int c = 0; c != EOF;) {
        // The line up to its line end, or as far as a line may reach (its '\r' and one
        // byte more): a longer line is a fault, whatever follows.
        line.clear();
        while ((c = getc_unlocked(in)) != EOF && c != '\n') {
            line += static_cast<char>(c);
            if (line.size() > max_trace_line_bytes + 1) break;
        }
        if (c == EOF && std::ferror(in) != 0) {
            fault.read_error = errno;
            return false;
        }
        if (c == EOF && line.empty()) break;
        const AfterLine after = read_line(reading, c == '\n');
        if (after == AfterLine::fault) return false;
        if (after == AfterLine::end) break;
    }
    return end_reading(reading);
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

std::string counts_line(const TreeCounts& c)
{
    char line[160];
    std::snprintf(line, sizeof line,
                  "%lld calls, %lld found, %lld turned down, %lld dead ends, depth %lld", c.calls,
                  c.found, c.turned_down, c.dead_ends, c.depth);
    return line;
}

std::string tree_summary(const SearchTree& tree) { return counts_line(count_tree(tree)); }
