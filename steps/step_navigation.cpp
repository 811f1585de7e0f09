// Moving between the steps kept.
#include "steps/step_navigation.h"

#include <algorithm>

#include "steps/step_paces.h"
#include "steps/step_record.h"
#include "steps/step_replay.h"

namespace {

StepPages pages;
// The page shown: a step of the record, or the record's end for the end page.
std::size_t shown;
bool over;
// The pace chosen (steps/step_paces.h), and whether the steps that come by themselves are
// paused.
int delay_ms = no_pace;
bool paused;
StepShown view = StepShown::picture;
StepShown view_before_stack = StepShown::picture;
// Predict mode, and whether its question stands in place of the next step.
bool predict_on;
bool question_shown;
// Set by n when no step kept finds a configuration, or by a move to a step not taken yet: the
// search runs on without showing its steps until one does, or takes that step, or is over.
enum class Seeking { nothing, configuration, step };
Seeking seeking;
std::size_t sought_step;

// A page shown, or the question: question_shown says which stands on the page.
void show_page(std::size_t page)
{
    shown = page;
    question_shown = false;
    if (page == step_record.end()) {
        pages.show_end(false);
    } else {
        pages.show_step(page);
    }
}

bool moves_back(StepMove move)
{
    return move == StepMove::back || move == StepMove::first || move == StepMove::previous_found;
}

bool at_end_page() { return over && shown == step_record.end(); }

// The nearest step after (or before) the one shown that finds a configuration, or none.
bool find_found(bool forward, std::size_t& found)
{
    std::size_t k = shown;
    while (forward ? k + 1 < step_record.end() : k > step_record.first_kept()) {
        k = forward ? k + 1 : k - 1;
        if (finds_configuration(step_record.at(k))) {
            found = k;
            return true;
        }
    }
    return false;
}

void ask()
{
    question_shown = true;
    pages.show_question(shown);
}

// Goes a page forward; from the newest step of a search still running, the search takes its
// next step instead.
StepAfter go_forward()
{
    if (shown + 1 == step_record.end() && !over) return StepAfter::search_on;
    show_page(shown + 1);
    return StepAfter::stay;
}

// A move forward of the user: in predict mode it first asks what comes next, where a step
// does, and the next move forward shows it.
StepAfter ask_or_go_forward()
{
    const bool step_follows = shown + 1 < step_record.end() || !over;
    if (predict_on && !question_shown && step_follows && shown < step_record.end()) {
        ask();
        return StepAfter::stay;
    }
    return go_forward();
}

// Lets the search run on unseen for what is sought. The state leaves the step shown for the
// newest first, before a new step can push the one shown out of the record.
StepAfter seek(Seeking what)
{
    if (!step_record.empty()) replay_to(step_record.end() - 1);
    seeking = what;
    return StepAfter::search_on;
}

}  // namespace

void start_navigation(const StepPages& step_pages, int pace_ms, StepShown first)
{
    pages = step_pages;
    shown = 0;
    over = false;
    delay_ms = pace_ms;
    paused = false;
    view = first;
    view_before_stack = first == StepShown::stack ? StepShown::picture : first;
    predict_on = false;
    question_shown = false;
    seeking = Seeking::nothing;
}

bool show_new_step()
{
    const StepEvent event = step_record.at(step_record.end() - 1);
    if (seeking == Seeking::configuration && !finds_configuration(event)) return false;
    if (seeking == Seeking::step && step_record.end() - 1 < sought_step) return false;
    seeking = Seeking::nothing;
    show_page(step_record.end() - 1);
    return true;
}

void show_recorded_steps()
{
    over = true;
    seeking = Seeking::nothing;
    show_page(step_record.empty() ? step_record.end() : step_record.first_kept());
}

void show_search_over()
{
    over = true;
    // A step sought that the search never took: the last step it took stands for it.
    const bool step_sought = seeking == Seeking::step && !step_record.empty();
    seeking = Seeking::nothing;
    show_page(step_sought ? step_record.end() - 1 : step_record.end());
}

StepAfter make_move(StepMove move, int number)
{
    if (move == StepMove::quit) return StepAfter::run_over;
    if (at_end_page()) {
        // The last page: the space bar and any other key end the run, the moves forward have
        // nowhere to go, and the rest keep their meaning.
        if (move == StepMove::play || move == StepMove::other) return StepAfter::run_over;
        if (move == StepMove::forward || move == StepMove::newest || move == StepMove::next_found) {
            pages.show_end(true);
            return StepAfter::stay;
        }
    }
    if (moves_back(move)) paused = true;
    std::size_t found = 0;
    switch (move) {
    case StepMove::play:
        // Without a pace the space bar takes a step; with one it pauses and resumes, and
        // resuming takes the step at once.
        if (delay_ms >= 0) {
            paused = !paused;
            if (paused) return StepAfter::stay;
            return go_forward();
        }
        return ask_or_go_forward();
    case StepMove::forward:
        return ask_or_go_forward();
    case StepMove::tick:
        return go_forward();
    case StepMove::back:
        if (shown > step_record.first_kept() && !step_record.empty()) show_page(shown - 1);
        return StepAfter::stay;
    case StepMove::first:
        if (!step_record.empty()) show_page(step_record.first_kept());
        return StepAfter::stay;
    case StepMove::newest:
        show_page(over ? step_record.end() : step_record.end() - 1);
        return StepAfter::stay;
    case StepMove::next_found:
        if (find_found(true, found)) {
            show_page(found);
            return StepAfter::stay;
        }
        if (over) {
            show_page(step_record.end());
            return StepAfter::stay;
        }
        return seek(Seeking::configuration);
    case StepMove::previous_found:
        if (find_found(false, found)) show_page(found);
        return StepAfter::stay;
    case StepMove::switch_view:
        view = view == StepShown::tree ? StepShown::picture : StepShown::tree;
        show_page(shown);
        return StepAfter::stay;
    case StepMove::switch_stack:
        if (view == StepShown::stack) {
            view = view_before_stack;
        } else {
            view_before_stack = view;
            view = StepShown::stack;
        }
        show_page(shown);
        return StepAfter::stay;
    case StepMove::predict:
        predict_on = !predict_on;
        // Switched off, a question shown gives way to the step it asked about.
        if (!predict_on && question_shown) show_page(shown);
        return StepAfter::stay;
    case StepMove::play_pause:
        // Pauses and resumes steps that play at a pace, resuming with a step at once, as the
        // space bar does; it never ends a run, nor leaves the end page.
        if (delay_ms < 0) return StepAfter::stay;
        paused = !paused;
        if (paused || at_end_page()) return StepAfter::stay;
        return go_forward();
    case StepMove::redraw:
        if (question_shown) {
            ask();
        } else {
            show_page(shown);
        }
        return StepAfter::stay;
    case StepMove::pace:
        // A pace of its own plays the steps from the one shown; 0 goes back to a step per key.
        delay_ms = digit_paces_ms[number];
        paused = false;
        return StepAfter::stay;
    case StepMove::go_to:
        paused = true;
        if (number < 0 || static_cast<std::size_t>(number) < step_record.end()) {
            if (!step_record.empty()) {
                show_page(std::max(step_record.first_kept(),
                                   static_cast<std::size_t>(std::max(number, 0))));
            }
            return StepAfter::stay;
        }
        if (over) {
            if (!step_record.empty()) show_page(step_record.end() - 1);
            return StepAfter::stay;
        }
        sought_step = static_cast<std::size_t>(number);
        return seek(Seeking::step);
    case StepMove::none:
    case StepMove::quit:
    case StepMove::other:
        return StepAfter::stay;
    }
    return StepAfter::stay;
}

int play_delay_ms() { return delay_ms >= 0 && !paused && !at_end_page() ? delay_ms : -1; }

std::size_t shown_page() { return shown; }
bool search_over() { return over; }
StepShown step_shown() { return view; }
