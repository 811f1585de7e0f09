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
}
