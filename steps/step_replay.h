// The state that a step's page stands on, rebuilt from the record of the steps: the path of
// calls the search has entered and not yet backed up from, and the configurations found.
// Nothing of a step is kept but its event; any step kept can be stood on again.
#ifndef STEPS_STEP_REPLAY_H
#define STEPS_STEP_REPLAY_H

#include <cstddef>
#include <cstdint>
#include <vector>

// The path the step stands on: the item (a jug state, a domino code) of each call the search
// has entered and not yet backed up from, the first call's first. Every view's picture is
// drawn from it. A step that enters a call or finds a configuration adds its item; a step that
// backs up takes it away again.
const std::vector<std::uint32_t>& step_path();

// The configurations found up to the step.
long long steps_found();

// Forgets the state: it stands before the record's first step.
void start_replay();

// Brings the state to what it is just after the step of the record (steps/step_record.h), applying
// the events that follow the step it stood on or undoing those down to it. The step must be kept,
// and every step between it and the one the state stood on too.
void replay_to(std::size_t step);

#endif
