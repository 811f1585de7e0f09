// The steps a search has shown, kept as the events its step hook reported: a word a step,
// from which a step view rebuilds the state at any step and draws it again.
#ifndef STEPS_STEP_RECORD_H
#define STEPS_STEP_RECORD_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "run/search_step.h"
#include "tree/trace_reader.h"

// One step as the search's step action reported it, in one word: its kind and its item (a
// jug state, a domino code).
struct StepEvent {
    std::uint32_t bits;
};

constexpr int step_kind_bits = 3;
// The kinds of the search's steps, and two more. The start: step 0 of a view that shows the
// instance as it stands before the search's first step (an empty board); it has no item.
// And a configuration found by the call the search stands at, after that call was entered:
// a search written in the web page reports its configurations so, with found(), where the
// built-in searches' calls begin with the configuration (SearchStep::found); its item is
// that of the step.
constexpr std::uint32_t start_step_bits = search_step_kinds;
constexpr std::uint32_t found_here_bits = search_step_kinds + 1;
static_assert(found_here_bits < 1u << step_kind_bits, "every kind of step fits its bits");
constexpr std::uint32_t step_kind_mask = (1u << step_kind_bits) - 1;
// Every jug state (below 10^6) and every domino code (below 2048^2) fits.
constexpr std::uint32_t max_step_item = ~std::uint32_t{0} >> step_kind_bits;

inline StepEvent step_event(SearchStep kind, std::uint32_t item)
{
    return {item << step_kind_bits | static_cast<std::uint32_t>(kind)};
}
inline SearchStep step_kind(StepEvent event)
{
    return static_cast<SearchStep>(event.bits & step_kind_mask);
}
inline std::uint32_t step_item(StepEvent event) { return event.bits >> step_kind_bits; }
inline StepEvent start_event() { return {start_step_bits}; }
inline bool is_start_event(StepEvent event)
{
    return (event.bits & step_kind_mask) == start_step_bits;
}
inline StepEvent found_here_event(std::uint32_t item)
{
    return {item << step_kind_bits | found_here_bits};
}
inline bool is_found_here(StepEvent event)
{
    return (event.bits & step_kind_mask) == found_here_bits;
}
// Whether the step finds a configuration, as a call that begins with it or as the call the
// search stands at.
inline bool finds_configuration(StepEvent event)
{
    return is_found_here(event) ||
           (event.bits & step_kind_mask) == static_cast<std::uint32_t>(SearchStep::found);
}

// What the steps of a run add up to, counted as a trace's summary counts the nodes of its tree:
// the calls (every step that enters one, those that find a configuration included), the
// configurations found, the candidates turned down, the dead ends, and the depth, the most
// calls open at once.
using StepCounts = TreeCounts;

// The events are kept in blocks of this many; the oldest steps are dropped a block at a time.
constexpr std::size_t step_block_size = std::size_t{1} << 16;

// The most steps a record keeps unless told otherwise: 128 MiB of events. Ten million steps,
// a long run indeed at a key or a few milliseconds a step, fit four times over.
constexpr std::size_t default_kept_steps = std::size_t{1} << 25;

// The steps of one run, numbered from 0 in the order they came. Once more steps came than the
// limit, the oldest block goes each time a new one is needed; the numbers stay as they were.
class StepRecord {
  public:
    // Keeps at most limit steps, rounded down to whole blocks, and at least one block.
    explicit StepRecord(std::size_t limit = default_kept_steps);

    // Forgets every step, dropped ones included: the next one is step 0 again.
    void clear();

    void add(StepEvent event);

    // How many steps came, dropped ones included: the next step's number.
    std::size_t end() const { return end_; }
    // The oldest step still kept; 0 until steps were dropped.
    std::size_t first_kept() const { return first_; }
    // What every step that came adds up to, the dropped ones included.
    const StepCounts& counts() const { return counts_; }
    bool empty() const { return end_ == first_; }

    // The event of a step kept: first_kept() <= step < end().
    StepEvent at(std::size_t step) const
    {
        const std::size_t offset = step - first_;
        return blocks_[offset / step_block_size][offset % step_block_size];
    }

  private:
    std::size_t block_limit_;
    std::deque<std::unique_ptr<StepEvent[]>> blocks_;
    std::size_t first_ = 0;
    std::size_t end_ = 0;
    StepCounts counts_;
    long long open_calls_ = 0;

    void count(StepEvent event);
};

// Every step of the run in step mode, as its events.
extern StepRecord step_record;

#endif
