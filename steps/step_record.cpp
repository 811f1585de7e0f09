// The steps a search has shown, kept as the events its step hook reported.
#include "steps/step_record.h"

StepRecord step_record;

StepRecord::StepRecord(std::size_t limit)
    : block_limit_(limit / step_block_size > 0 ? limit / step_block_size : 1)
{
}

void StepRecord::clear()
{
    blocks_.clear();
    first_ = end_ = 0;
    counts_ = StepCounts();
    open_calls_ = 0;
}

void StepRecord::count(StepEvent event)
{
    if (is_start_event(event)) return;
    if (is_found_here(event)) {
        ++counts_.found;  // by the call already counted
        return;
    }
    switch (step_kind(event)) {
    case SearchStep::found:
        ++counts_.found;
        [[fallthrough]];
    case SearchStep::enter:
        ++counts_.calls;
        if (++open_calls_ > counts_.depth) counts_.depth = open_calls_;
        return;
    case SearchStep::turned_down:
        ++counts_.turned_down;
        return;
    case SearchStep::dead_end:
        ++counts_.dead_ends;
        return;
    case SearchStep::back_up:
        if (open_calls_ > 0) --open_calls_;
        return;
    }
}

void StepRecord::add(StepEvent event)
{
    const std::size_t offset = end_ - first_;
    if (offset == blocks_.size() * step_block_size) {
        if (blocks_.size() == block_limit_) {
            // The oldest block's memory takes the new steps: a record at its limit allocates
            // nothing more.
            std::unique_ptr<StepEvent[]> oldest = std::move(blocks_.front());
            blocks_.pop_front();
            blocks_.push_back(std::move(oldest));
            first_ += step_block_size;
        } else {
            blocks_.push_back(std::make_unique<StepEvent[]>(step_block_size));
        }
    }
    const std::size_t at = end_ - first_;
    blocks_[at / step_block_size][at % step_block_size] = event;
    ++end_;
    count(event);
}
