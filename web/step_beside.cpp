// The web page's panels beside the picture in step mode: after each step shown, the page
// learns the trace lines the steps have reached, the one the step stands on, the kind of
// line the search's code ran, and the picture of the tree as it stood then.
#include "steps/step_beside.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "steps/step_record.h"
#include "steps/step_stack.h"
#include "steps/step_tree.h"
#include "tree/tree_svg.h"
#include "web/page_link.h"

namespace {

// The most lines of the call stack the page's panel shows: the first call and the newest ones.
constexpr std::size_t stack_panel_rows = 40;

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

// The call stack at the step, sent with every page shown: the page's panel goes back and
// forward with the picture, and is empty after the last step.
void show_stack_beside(std::size_t step)
{
    std::string text;
    if (step < step_record.end()) {
        for (const std::string& line :
             stack_lines(stack_at(step), step_call_words, stack_panel_rows)) {
            text += line + "\n";
        }
    }
    EM_ASM(
        {
            if (Module.onStepStack) Module.onStepStack(UTF8ToString($0));
        },
        text.c_str());
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
    const StepPlace place = step_place(step);
    const int count = place.count;
    const int current = place.current;
    const char* const ran = place.ran;
    EM_ASM(
        {
            if (Module.onStep) {
                Module.onStep($0, $1, $2, $3, UTF8ToString($4), UTF8ToString($5));
            }
        },
        static_cast<double>(step), static_cast<double>(step_record.end()), count, current, ran,
        status_line);
    show_stack_beside(step);
    due_count = count;
    due_current = current;
    due_step = static_cast<double>(step);
    tree_due = true;
    show_what_is_due_beside(false);
}

void show_question_beside(std::size_t step)
{
    std::string text;
    for (const std::string& line : question_lines(step)) text += line + "\n";
    EM_ASM(
        {
            if (Module.onStepQuestion) Module.onStepQuestion(UTF8ToString($0), $1);
        },
        text.c_str(), static_cast<double>(step));
}

double show_what_is_due_beside(bool waiting_for_a_key)
{
    if (!tree_due) return -1;
    const double wait =
        tree_sent_at + std::max(tree_interval_ms, 4 * tree_cost_ms) - emscripten_get_now();
    if (!waiting_for_a_key && wait > 0) return wait;
    send_tree(due_count, due_current, due_step);
    return -1;
}

void start_step_beside()
{
    lines_sent = 0;
    tree_sent_at = -tree_interval_ms;
    tree_cost_ms = 0;
    tree_due = false;
}
