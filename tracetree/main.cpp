// tracetree: the trace of any backtracking search (docs/trace-format.md) read back: its
// counts in one line and, with --tree, its search tree drawn as the programs' --tree draws
// theirs.
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

// Says on standard error, once for each note not of the format's, that its lines were read
// as calls, at the first of them, with the number of lines that have it.
static void tell_unknown_notes(const char* file, const UnknownNotes& unknown)
{
    const std::string source = printable(file);
    const auto lines = [](int count) {
        return std::to_string(count) + (count == 1 ? " line" : " lines");
    };
    for (const UnknownNote& note : unknown.notes) {
        std::fprintf(stderr,
                     "%s:%d: note \"%s\" is not one of the format's notes (solution N, tiling N, "
                     "ordering N, turned down, already on the path, already placed): read as a "
                     "call (%s)\n",
                     source.c_str(), note.first_line, note.note.c_str(), lines(note.lines).c_str());
    }
    if (unknown.other_lines > 0) {
        std::fprintf(stderr,
                     "%s:%d: and more notes that are not the format's, from this line on: read "
                     "as calls (%s)\n",
                     source.c_str(), unknown.other_first_line, lines(unknown.other_lines).c_str());
    }
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

    // The trace is read line by line up to its end, within the format's limits, before
    // anything is drawn: a fault leaves no file made or replaced.
    SearchTree tree;
    TraceFault fault;
    UnknownNotes unknown;
    const bool read = in != nullptr && read_trace(in, tree, fault, &unknown);
    if (in == nullptr || fault.read_error != 0) {
        std::fprintf(stderr, "%s: cannot read the trace '%s': %s\n", name,
                     printable(source).c_str(),
                     std::strerror(in == nullptr ? errno : fault.read_error));
        return 1;
    }
    if (!from_input) std::fclose(in);
    if (!read) {
        std::fprintf(stderr, "%s:%d: %s\n", printable(source).c_str(), fault.line, fault.message);
        return 1;
    }
    tell_unknown_notes(source, unknown);

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
