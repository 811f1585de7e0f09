// The state that a step's page stands on, rebuilt from the record of the steps.
#include "steps/step_replay.h"

#include "steps/step_record.h"

namespace {

// The path and the configurations found just after step applied - 1.
std::vector<std::uint32_t> path;
long long found;
std::size_t applied;

// The state after a step is the state before it with the step's event applied, and undoing
// the event gives that back.
void apply(StepEvent event)
{
    if (is_start_event(event)) return;
    if (is_found_here(event)) {
        ++found;
        return;
    }
    switch (step_kind(event)) {
    case SearchStep::found:
        ++found;
        path.push_back(step_item(event));
        return;
    case SearchStep::enter:
        path.push_back(step_item(event));
        return;
    case SearchStep::back_up:
        path.pop_back();
        return;
    case SearchStep::turned_down:
    case SearchStep::dead_end:
        return;
    }
}

void undo(StepEvent event)
{
    if (is_start_event(event)) return;
    if (is_found_here(event)) {
        --found;
        return;
    }
    switch (step_kind(event)) {
    case SearchStep::found:
        --found;
        path.pop_back();
        return;
    case SearchStep::enter:
        path.pop_back();
        return;
    case SearchStep::back_up:
        // A step backs up from the call whose item it names.
        path.push_back(step_item(event));
        return;
    case SearchStep::turned_down:
    case SearchStep::dead_end:
        return;
    }
}

}  // namespace

const std::vector<std::uint32_t>& step_path() { return path; }
long long steps_found() { return found; }

void start_replay()
{
    path.clear();
    found = 0;
    applied = 0;
}

void replay_to(std::size_t step)
{
    while (applied < step + 1) apply(step_record.at(applied++));
    while (applied > step + 1) undo(step_record.at(--applied));
}
