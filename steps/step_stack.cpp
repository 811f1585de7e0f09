// The call stack at a step, read from the record of the steps.
#include "steps/step_stack.h"

#include <algorithm>
#include <cstdio>

#include "steps/step_record.h"
#include "steps/step_replay.h"

namespace {

bool enters_call(StepEvent event)
{
    if (is_start_event(event) || is_found_here(event)) return false;
    const SearchStep kind = step_kind(event);
    return kind == SearchStep::enter || kind == SearchStep::found;
}

bool is_kind(StepEvent event, SearchStep kind)
{
    return !is_start_event(event) && !is_found_here(event) && step_kind(event) == kind;
}

}  // namespace

std::vector<StackFrame> stack_at(std::size_t step)
{
    const std::vector<std::uint32_t>& path = step_path();
    std::vector<StackFrame> frames(path.size());
    for (std::size_t k = 0; k < frames.size(); ++k) {
        frames[k] = {k + 1, path[k], no_step, FrameCandidate::trying, 0, no_step, 0, 0, 0};
        // A call below the newest stands in the call it went into: the next on the path.
        if (k + 1 < frames.size()) frames[k].candidate = path[k + 1];
    }
    if (frames.empty()) return frames;

    // What the step itself did to the newest call, or to the call it backed up to.
    StackFrame& top = frames.back();
    const StepEvent event = step_record.at(step);
    std::size_t open = frames.size();  // the calls whose entries the scan below has not met
    long long found_seen = 0;          // configurations found after the step the scan is at
    std::vector<long long> own_found(frames.size(), 0);  // a call's own found(), not below it
    int skip = 0;  // the calls over by the step the scan is at, whose entries it has not met
    if (is_found_here(event)) {
        top.state = FrameCandidate::found;
        ++found_seen;
        ++own_found.back();
    } else if (is_kind(event, SearchStep::turned_down)) {
        top.state = FrameCandidate::turned_down;
        top.candidate = step_item(event);
        top.candidate_at = step;
    } else if (is_kind(event, SearchStep::dead_end)) {
        top.state = FrameCandidate::dead_end;
    } else if (is_kind(event, SearchStep::back_up)) {
        top.state = FrameCandidate::back_from;
        top.candidate = step_item(event);
        skip = 1;
    } else if (enters_call(event)) {
        top.state =
            is_kind(event, SearchStep::found) ? FrameCandidate::found : FrameCandidate::none;
        top.entered_at = step;
        if (frames.size() > 1) frames[frames.size() - 2].candidate_at = step;
        if (top.state == FrameCandidate::found) ++found_seen;
        --open;
    }

    // Back through the record: each call's loop, from its entry to the step.
    for (std::size_t k = step; open > 0 && k > step_record.first_kept();) {
        const StepEvent e = step_record.at(--k);
        StackFrame& frame = frames[open - 1];
        if (is_kind(e, SearchStep::back_up)) {
            ++skip;
        } else if (enters_call(e)) {
            const bool found = is_kind(e, SearchStep::found);
            if (skip > 0) {
                // A call over by the step: below the open call, and one it went into where it
                // is its child; the newest of those is the one a back-up came from.
                if (--skip == 0) {
                    ++frame.gone_deeper;
                    if (frame.state == FrameCandidate::back_from && frame.candidate_at == no_step) {
                        frame.candidate_at = k;
                    }
                }
            } else {
                frame.found_below = found_seen - own_found[open - 1];
                frame.entered_at = k;
                if (open > 1) frames[open - 2].candidate_at = k;
                --open;
            }
            if (found) ++found_seen;
        } else if (is_kind(e, SearchStep::turned_down)) {
            if (skip == 0) ++frame.turned_down;
        } else if (is_found_here(e)) {
            ++found_seen;
            if (skip == 0) ++own_found[open - 1];
        }
    }
    // Calls entered before the oldest step kept count what the steps kept show.
    for (std::size_t k = 0; k < open; ++k) frames[k].found_below = found_seen - own_found[k];
    return frames;
}

CallWords step_call_words;
int (*step_candidates)(std::size_t depth, std::uint32_t* out, int most);

namespace {

// A candidate that a call took up: its item, and the step that took it up (that turned it
// down, or entered it).
struct TakenCandidate {
    std::uint32_t item;
    std::size_t step;
};

// The candidates that the newest call at the step has taken up so far, the current one
// included, in the order it took them up: those it turned down and the calls it went into.
// With no call open, those that the search took up at the top.
std::vector<TakenCandidate> candidates_taken(std::size_t step)
{
    std::vector<TakenCandidate> taken;
    const StepEvent event = step_record.at(step);
    // The newest call's own entry ends the scan; a turned-down or a call it went into is a
    // candidate it took up, the calls below those are not.
    int level = 0;  // how far below the newest call the scan stands
    if (is_kind(event, SearchStep::turned_down)) taken.push_back({step_item(event), step});
    if (is_kind(event, SearchStep::back_up)) level = 1;
    if (enters_call(event)) return taken;
    for (std::size_t k = step; k > step_record.first_kept();) {
        const StepEvent e = step_record.at(--k);
        if (is_kind(e, SearchStep::back_up)) {
            ++level;
        } else if (enters_call(e)) {
            if (level == 0) break;
            if (--level == 0) taken.push_back({step_item(e), k});
        } else if (is_kind(e, SearchStep::turned_down) && level == 0) {
            taken.push_back({step_item(e), k});
        }
    }
    return {taken.rbegin(), taken.rend()};
}

// A frame as one line: "depth 8  (9 0 1)  trying pour 1 into 2, the 1st of 6 pours: 0 turned
// down, 0 gone deeper".
std::string frame_line(const StackFrame& frame, const CallWords& words);
std::string frame_line(const StackFrame& frame, const CallWords& words)
{
    char call[96] = "", candidate[128] = "", line[320];
    words.call(frame, call, sizeof call);
    const bool has_candidate = frame.state == FrameCandidate::trying ||
                               frame.state == FrameCandidate::turned_down ||
                               frame.state == FrameCandidate::back_from;
    if (has_candidate) words.candidate(frame, candidate, sizeof candidate);
    char done[96];
    std::snprintf(done, sizeof done, "%lld turned down, %lld gone deeper", frame.turned_down,
                  frame.gone_deeper);
    if (frame.found_below > 0) {
        const std::size_t used = std::char_traits<char>::length(done);
        std::snprintf(done + used, sizeof done - used, ", %lld found below", frame.found_below);
    }
    switch (frame.state) {
    case FrameCandidate::none:
        std::snprintf(line, sizeof line, "depth %zu  %s  entered: no candidate tried yet",
                      frame.depth, call);
        break;
    case FrameCandidate::trying:
    case FrameCandidate::turned_down:
        std::snprintf(line, sizeof line, "depth %zu  %s  trying %s: %s", frame.depth, call,
                      candidate, done);
        break;
    case FrameCandidate::back_from:
        std::snprintf(line, sizeof line, "depth %zu  %s  back from %s: %s", frame.depth, call,
                      candidate, done);
        break;
    case FrameCandidate::found:
        std::snprintf(line, sizeof line, "depth %zu  %s  complete: a configuration found",
                      frame.depth, call);
        break;
    case FrameCandidate::dead_end:
        std::snprintf(line, sizeof line, "depth %zu  %s  dead end: no candidate fits: %s",
                      frame.depth, call, done);
        break;
    }
    return line;
}

}  // namespace

std::vector<std::string> stack_lines(const std::vector<StackFrame>& frames, const CallWords& words,
                                     std::size_t rows)
{
    std::vector<std::string> lines;
    if (rows == 0) return lines;
    const std::size_t count = frames.size();
    // Without room for all: the newest rows - 2, a line for those left out, the first call.
    const bool elide = count > rows && rows >= 3;
    const std::size_t newest = elide ? rows - 2 : std::min(count, rows);
    for (std::size_t k = 0; k < newest; ++k)
        lines.push_back(frame_line(frames[count - 1 - k], words));
    if (elide) {
        char gap[96];
        std::snprintf(gap, sizeof gap, "... %zu calls between, at depths 2 to %zu ...",
                      count - 1 - newest, count - newest);
        lines.push_back(gap);
        lines.push_back(frame_line(frames.front(), words));
    }
    return lines;
}

std::vector<std::string> question_lines(std::size_t step)
{
    std::vector<std::string> lines = {"What happens next?"};
    const std::vector<StackFrame> frames = stack_at(step);
    const std::vector<TakenCandidate> taken = candidates_taken(step);
    StackFrame call = frames.empty()
                          ? StackFrame{0, 0, no_step, FrameCandidate::none, 0, no_step, 0, 0, 0}
                          : frames.back();
    // A candidate as the question lists it: which it is and where it leads ("pour 1 into 2,
    // the 1st of 6 pours \u2192 (2 5 3)").
    const auto candidate_line = [&call](std::uint32_t candidate, std::size_t at) {
        StackFrame tried = call;
        tried.candidate = candidate;
        tried.candidate_at = at;
        StackFrame reached = call;
        reached.item = candidate;
        reached.entered_at = at;
        char which[160] = "", where[160] = "";
        step_call_words.candidate(tried, which, sizeof which);
        step_call_words.call(reached, where, sizeof where);
        return std::string(which) + " \u2192 " + where;
    };
    if (frames.empty()) {
        lines.push_back("No call is open: the search stands at the top, with its candidates:");
    } else {
        char words[160];
        step_call_words.call(call, words, sizeof words);
        lines.push_back("The call at depth " + std::to_string(call.depth) + ", " + words +
                        (step_candidates != nullptr
                             ? ", and its candidates in the order it tries them:"
                             : ", and the candidates it took up so far:"));
    }
    // A call that completes a configuration takes up no candidate: it goes back at once.
    if (!frames.empty() && call.state == FrameCandidate::found) {
        lines.push_back("  none: the configuration is complete, so the call goes back");
        return lines;
    }
    if (step_candidates == nullptr) {
        // Without an order the candidate's words name the node it reached already; the
        // calls it went into are numbered as the stack numbers them.
        long long entered = 0;
        for (const TakenCandidate& t : taken) {
            StackFrame tried = call;
            tried.candidate = t.item;
            tried.candidate_at = t.step;
            const bool turned_down = is_kind(step_record.at(t.step), SearchStep::turned_down);
            tried.state = turned_down ? FrameCandidate::turned_down : FrameCandidate::back_from;
            // A call it went into is over by now: the frame's count includes it.
            tried.gone_deeper = turned_down ? entered : ++entered;
            char which[160] = "";
            step_call_words.candidate(tried, which, sizeof which);
            lines.push_back(std::string("  tried:  ") + which);
        }
        if (taken.empty()) lines.push_back("  none yet");
        return lines;
    }
    constexpr int most_candidates = 16;
    std::uint32_t candidates[most_candidates];
    const int count = step_candidates(call.depth, candidates, most_candidates);
    for (int k = 0; k < count && k < most_candidates; ++k) {
        std::size_t at = no_step;
        for (const TakenCandidate& t : taken) {
            if (t.item == candidates[k]) at = t.step;
        }
        lines.push_back((at != no_step ? "  tried:  " : "             ") +
                        candidate_line(candidates[k], at));
    }
    if (count == 0) {
        lines.push_back(frames.empty() ? "  none left: the search is over"
                                       : "  none: no candidate fits");
    }
    return lines;
}
