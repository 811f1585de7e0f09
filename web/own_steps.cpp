// The steps of a search written in the web page ("Your own search"), shown by step mode's own
// record, tree and navigation, as a built-in program's steps are: the page collects the
// search's calls in its worker, hands them here once the search is over, and sends each key
// of step mode here; the panels beside the steps learn of each page shown as a built-in
// program's do (web/step_beside.cpp), and the page draws the search's board.
#include <emscripten.h>

#include <cstdio>
#include <cstring>

#include "steps/recorded_steps.h"
#include "steps/step_beside.h"
#include "steps/step_keys.h"
#include "steps/step_navigation.h"
#include "steps/step_paces.h"
#include "steps/step_record.h"
#include "steps/step_replay.h"
#include "steps/step_stack.h"
#include "steps/step_tree.h"
#include "web/page_link.h"

namespace {

TraceFault fault;
char status_line[200];

void show_step(std::size_t step)
{
    replay_to(step);
    char words[sizeof status_line];
    describe_recorded_step(step, words, sizeof words);
    std::snprintf(status_line, sizeof status_line, "step %zu   depth %zu   line %u: %s", step + 1,
                  step_path().size(), step_item(step_record.at(step)), words);
    show_step_beside(step, status_line);
}

void show_question(std::size_t step)
{
    replay_to(step);
    std::snprintf(status_line, sizeof status_line, "step %zu   depth %zu   what happens next?",
                  step + 2, step_path().size());
    show_step_beside(step, status_line);
    show_question_beside(step);
}

// The call stack of a search written in the page: a call, and a candidate, are named by the
// label of the node the step reached (a note starts after two blanks, which no label holds);
// the search declares no order of its candidates, so a call it went into is numbered among
// those it entered so far.
int label_length(const char* title)
{
    const char* note = std::strstr(title, "  ");
    return static_cast<int>(note != nullptr ? note - title : std::strlen(title));
}

void own_call_words(const StackFrame& frame, char* text, std::size_t size)
{
    const char* title = frame.entered_at == no_step ? "?" : reached_title(frame.entered_at, "?");
    std::snprintf(text, size, "%.*s", label_length(title), title);
}

void own_candidate_words(const StackFrame& frame, char* text, std::size_t size)
{
    const char* title =
        frame.candidate_at == no_step ? "?" : reached_title(frame.candidate_at, "?");
    if (frame.state == FrameCandidate::turned_down) {
        std::snprintf(text, size, "%.*s, turned down here", label_length(title), title);
    } else {
        // A call it backed up from is counted among those it went into; the one it stands in
        // is not yet.
        const long long call =
            frame.state == FrameCandidate::back_from ? frame.gone_deeper : frame.gone_deeper + 1;
        std::snprintf(text, size, "%.*s, call %lld entered here", label_length(title), title, call);
    }
}

void show_end(bool told_over)
{
    if (!step_record.empty()) replay_to(step_record.end() - 1);
    std::snprintf(status_line, sizeof status_line, "%s",
                  told_over ? "the search is over: no step comes after this page"
                            : "the search is over");
    show_step_beside(step_record.end(), status_line);
}

}  // namespace

// Records the steps of a search that is over and shows its first (steps/recorded_steps.h):
// trace is its trace, as the page downloads it; kinds and lines give each step its kind and
// the line of the code that made it. Returns false when they do not fit; the fault then says
// why.
extern "C" EMSCRIPTEN_KEEPALIVE bool own_steps_load(const char* trace, const unsigned char* kinds,
                                                    const int* lines, int steps)
{
    if (steps < 0 || !record_steps(trace, kinds, lines, static_cast<std::size_t>(steps), fault)) {
        return false;
    }
    start_step_beside();
    step_call_words = {.call = own_call_words, .candidate = own_candidate_words};
    step_candidates = nullptr;
    start_navigation({show_step, show_end, show_question}, no_pace, StepShown::picture);
    show_recorded_steps();
    return true;
}

// Carries out the key of step mode that the browser names so ("ArrowRight", "n", "5"). Returns
// true when the key ends the run of steps (on the last page, as a built-in program's run).
extern "C" EMSCRIPTEN_KEEPALIVE bool own_steps_press(const char* key)
{
    const StepKey move = step_key_named(key);
    return make_move(move.move, move.number) == StepAfter::run_over;
}

// Goes to the step (its place in the record, from 0) that the page's address names; one past
// the end gives the last step.
extern "C" EMSCRIPTEN_KEEPALIVE void own_steps_go_to(int step) { make_move(StepMove::go_to, step); }

// The step that comes by itself when the steps play, as own_steps_wait_ms said.
extern "C" EMSCRIPTEN_KEEPALIVE void own_steps_tick() { make_move(StepMove::tick); }

// How many milliseconds until the next step comes by itself (the page then presses
// "ArrowRight"), or -1 when the steps wait for a key.
extern "C" EMSCRIPTEN_KEEPALIVE int own_steps_wait_ms() { return play_delay_ms(); }

// Sends the panels what is due (the tree's picture); waiting says that no step comes by
// itself. Returns the milliseconds until what still waits is due, or -1.
extern "C" EMSCRIPTEN_KEEPALIVE double own_steps_idle(bool waiting)
{
    return show_what_is_due_beside(waiting);
}

// The page shown (a step, or the number of steps for the page after the last) and the
// status line last written.
extern "C" EMSCRIPTEN_KEEPALIVE double own_steps_shown()
{
    return static_cast<double>(shown_page());
}
extern "C" EMSCRIPTEN_KEEPALIVE const char* own_steps_status() { return status_line; }
extern "C" EMSCRIPTEN_KEEPALIVE int own_steps_fault_line() { return fault.line; }
extern "C" EMSCRIPTEN_KEEPALIVE const char* own_steps_fault_message() { return fault.message; }
