// The call stack at a step: the calls the search stands in, from the first to the current
// one, each with the candidate its loop tries and what the loop has done so far. It is read
// from the record of the steps alone (steps/step_record.h), never from state the searches
// keep: a call's entry, its candidates turned down, the calls it went into and the
// configurations found below it are all steps of the record.
#ifndef STEPS_STEP_STACK_H
#define STEPS_STEP_STACK_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a call's loop stands at.
enum class FrameCandidate {
    none,         // it has taken up no candidate yet: the step entered it
    trying,       // the candidate is the call it went into, which the search stands in
    turned_down,  // the step turns the candidate down
    back_from,    // the step backed up from the candidate, a call that is over
    found,        // the call completes a configuration
    dead_end,     // the step finds that no candidate fits
};

// A step the record no longer keeps, or none.
constexpr std::size_t no_step = static_cast<std::size_t>(-1);

struct StackFrame {
    std::size_t depth;       // 1 for the first call
    std::uint32_t item;      // the call's item (a jug state, a domino code)
    std::size_t entered_at;  // the step that entered it, or no_step
    FrameCandidate state;
    std::uint32_t candidate;   // the item of the candidate, where there is one
    std::size_t candidate_at;  // the step that took the candidate up, or no_step
    long long turned_down;     // candidates turned down before the one it stands at
    long long gone_deeper;     // calls it went into before the one it stands at
    long long found_below;     // configurations found in the calls below it
};

// The frames at the step, the first call first. The step must be the one the state stands on
// (steps/step_replay.h), whose path gives the calls' items. A call entered before the oldest
// step the record keeps counts what the steps kept show.
std::vector<StackFrame> stack_at(std::size_t step);

// How a view names a call and the candidate it stands at ("(9 0 1)"; "pour 1 into 2, the 1st
// of 6 pours").
struct CallWords {
    void (*call)(const StackFrame& frame, char* text, std::size_t size);
    void (*candidate)(const StackFrame& frame, char* text, std::size_t size);
};

// The words of the steps shown, and the candidates of a call at a depth of the path the step
// stands on in the order the search tries them (nullptr for a search that declares no order:
// a search written in the web page). Step mode sets them from the program's view.
extern CallWords step_call_words;
extern int (*step_candidates)(std::size_t depth, std::uint32_t* out, int most);

// The stack as at most rows lines, the newest call first: where the frames do not fit, the
// first call and the newest ones stay, and one line says how many calls between them are
// left out.
std::vector<std::string> stack_lines(const std::vector<StackFrame>& frames, const CallWords& words,
                                     std::size_t rows);

// The question of predict mode at the step, as lines: "What happens next?", the call the
// search stands in, and its candidates in the order it tries them, those it took up already
// marked; without an order, the calls it took up so far.
std::vector<std::string> question_lines(std::size_t step);

#endif
