// The web page's panels beside the picture in step mode: after each step shown, the page
// learns the trace lines the steps have reached, the one the step stands on, the kind of
// line the search's code ran, and the picture of the tree as it stood then.
#include "raster/step_beside.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "raster/step_pace.h"
#include "tree/step_tree.h"
#include "tree/tree_svg.h"
#include "web/page_link.h"

namespace {

// The nodes whose lines the page has been sent.
int lines_sent;

// The tree's picture costs the more the larger the tree: while steps come faster than the
// page can draw it, the page gets it at most every tree_interval_ms and never for more than
// a fifth of the time, for the last step by then, and for the step shown once the program
// waits. Its cost is the page's drawing, measured.
constexpr double tree_interval_ms = 100;
double tree_sent_at = -tree_interval_ms;
double tree_cost_ms;
bool tree_due;
int due_count, due_current;
double due_step;

void send_tree(int count, int current, double step)
{
    std::string svg;
    if (!tree_svg_text(svg, step_tree, count, current)) return;
    const double started = emscripten_get_now();
    EM_ASM(
        {
            if (Module.onStepTree) Module.onStepTree(UTF8ToString($0), $1);
        },
        svg.c_str(), step);
    tree_sent_at = emscripten_get_now();
    tree_cost_ms = tree_sent_at - started;
    tree_due = false;
}

}  // namespace

void show_step_beside(std::size_t step, const char* status_line)
{
    for (; lines_sent < step_tree.size(); ++lines_sent) {
        EM_ASM(
            {
                if (Module.onStepLine) Module.onStepLine(UTF8ToString($0), $1);
            },
            step_tree.title(lines_sent), step_tree.node(lines_sent).level);
    }
    // The step's place in the tree: the lines up to it, the one it stands on, and what the
    // code ran: the entry of a call, a check that turned a candidate down, the report of a
    // configuration, a dead end, or the backing up: to a caller, whose undo runs next (after a
    // configuration and at the end of a call alike), or from a root call, which has no caller
    // in the search (after a configuration, or at the end of the call).
    const bool held = step < steps_in_step_tree();
    const int count = held ? step_tree_count(step) : step_tree.size();
    const int current = held ? step_tree_current(step) : -1;
    const int before = held && step > 0 ? step_tree_count(step - 1) : 0;
    // Step 0 (history/step_record.h) stands before the search has run a line.
    const char* ran = "";
    if (held && is_start_event(step_record.at(step))) {
        ran = "";
    } else if (held && count > before) {
        ran = tree_kind_name(step_tree.node(count - 1).kind);
    } else if (held && current >= 0) {
        ran = "back-up";
    } else if (held) {
        const bool after_configuration = before > 0 && step > 0 &&
                                         step_tree_current(step - 1) == before - 1 &&
                                         step_tree.node(before - 1).kind == SearchStep::found;
        ran = after_configuration ? "back-up-from-root-after-solution" : "back-up-from-root";
    }
    EM_ASM(
        {
            if (Module.onStep) {
                Module.onStep($0, $1, $2, $3, UTF8ToString($4), UTF8ToString($5));
            }
        },
        static_cast<double>(step), static_cast<double>(step_record.end()), count, current, ran,
        status_line);
    due_count = count;
    due_current = current;
    due_step = static_cast<double>(step);
    tree_due = true;
    show_what_is_due_beside(false);
}

void show_what_is_due_beside(bool waiting_for_a_key)
{
    if (tree_due && (waiting_for_a_key || emscripten_get_now() - tree_sent_at >=
                                              std::max(tree_interval_ms, 4 * tree_cost_ms))) {
        send_tree(due_count, due_current, due_step);
    }
}
