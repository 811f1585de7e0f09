// tracetree: the trace of any backtracking search (docs/trace-format.md) read back: its
// counts in one line and, with --tree, its search tree drawn as the programs' --tree draws
// theirs.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "console/output.h"
#include "options/options.h"
#include "programs/programs.h"
#include "run/printable.h"
#include "run/run_end.h"
#include "tree/trace_reader.h"
#include "tree/tree_file.h"

// How the messages name standard input, which the trace comes from without a FILE or with -.
static const char* const standard_input_name = "(standard input)";

// Appends everything the stream holds to text; false, with errno set, when reading failed.
static bool read_all(std::FILE* in, std::string& text)
{
    char block[1 << 16];
    size_t read;
    while ((read = std::fread(block, 1, sizeof block, in)) > 0) text.append(block, read);
    return std::ferror(in) == 0;
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, tracetree_program, settings);
    if (status != run_program) return status;
    const char* const name = tracetree_program.name;

    const bool from_input = settings.operand == nullptr || std::strcmp(settings.operand, "-") == 0;
    const char* const source = from_input ? standard_input_name : settings.operand;
    std::FILE* in = from_input ? stdin : std::fopen(settings.operand, "rb");
    std::string text;
    if (in == nullptr || !read_all(in, text)) {
        std::fprintf(stderr, "%s: cannot read the trace '%s': %s\n", name,
                     printable(source).c_str(), std::strerror(errno));
        return 1;
    }
    if (!from_input) std::fclose(in);

    // The trace is read whole before anything is drawn: a fault leaves no file made or
    // replaced. A NUL byte, which would end the text there, is a fault of its own.
    SearchTree tree;
    TraceFault fault;
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        fault.line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + nul, '\n'));
        std::snprintf(fault.message, sizeof fault.message, "a NUL byte, where a trace is text");
    }
    if (nul != std::string::npos || !read_trace(text.c_str(), tree, fault)) {
        std::fprintf(stderr, "%s:%d: %s\n", printable(source).c_str(), fault.line, fault.message);
        return 1;
    }

    try {
        if (settings.tree_file != nullptr) {
            write_tree_file(name, settings.tree_file, tree, settings.hide_turned_down);
        }
        std::printf("%s\n", tree_summary(tree).c_str());
        finish_output(name);
    } catch (const RunEnd& end) {
        return end.status;
    }
    return 0;
}
