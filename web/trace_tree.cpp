// The page's picture of a trace: the tree that the trace's lines describe, drawn by the same
// writer as --tree, for "Your own search". The page calls trace_tree with the trace of the
// steps so far (the trace format) and the node the step stands at, and gets the SVG, or the
// fault: the line and what is wrong with it; and trace_summary with the run's whole trace,
// the text it downloads, for the summary line that tracetree prints of that text.
#include <emscripten.h>

#include <cstdio>
#include <string>

#include "tree/trace_reader.h"
#include "tree/tree_svg.h"

namespace {

SearchTree tree;
TraceFault fault;
std::string picture;
std::string summary;

}  // namespace

// The SVG of the trace's tree with the node current (-1 for none) and its path marked, or
// nullptr when the text is not a trace (trace_fault_line and trace_fault_message say why).
// The text stays the page's; the picture is valid until the next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* trace_tree(const char* text, int current)
{
    if (!read_trace(text, tree, fault)) return nullptr;
    if (tree_svg_text(picture, tree, tree.size(), current)) return picture.c_str();
    fault = TraceFault();
    std::snprintf(fault.message, sizeof fault.message, "no memory for the picture");
    return nullptr;
}

// The summary line of the trace, read by tracetree's own reader and counted as tracetree
// counts it (tree/trace_reader.h), or nullptr when the reader refuses the text, as tracetree
// would (trace_fault_line and trace_fault_message say why). Valid until the next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* trace_summary(const char* text)
{
    if (!read_trace(text, tree, fault)) return nullptr;
    summary = tree_summary(tree);
    return summary.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE int trace_fault_line() { return fault.line; }
extern "C" EMSCRIPTEN_KEEPALIVE const char* trace_fault_message() { return fault.message; }
