// The record of a run's steps: a word a step, measured, and the oldest steps dropped past its
// limit.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "steps/step_record.h"

// Every byte this binary has taken with new and not given back: the memory a record holds is
// the difference around it.
static std::size_t bytes_in_use;
constexpr std::size_t size_room = 16;  // before each block, keeps its size and the alignment

void* operator new(std::size_t size)
{
    auto* block = static_cast<std::size_t*>(std::malloc(size + size_room));
    if (block == nullptr) throw std::bad_alloc();
    *block = size;
    bytes_in_use += size;
    return reinterpret_cast<char*>(block) + size_room;
}
void operator delete(void* p) noexcept
{
    if (p == nullptr) return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - size_room);
    bytes_in_use -= *block;
    std::free(block);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
// Arrays too: a sanitizer's run-time brings its own, which would leave them uncounted.
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

namespace {

StepEvent event_of(std::size_t step)
{
    return step_event(static_cast<SearchStep>(step % search_step_kinds), step % 1000003);
}

}  // namespace

TEST(StepRecord, TenMillionStepsTakeFourBytesEach)
{
    constexpr std::size_t steps = 10'000'000;
    const std::size_t before = bytes_in_use;
    {
        StepRecord record;
        for (std::size_t k = 0; k < steps; ++k) record.add(event_of(k));
        const std::size_t used = bytes_in_use - before;
        std::printf("%zu steps hold %zu bytes: %.3f a step\n", steps, used,
                    static_cast<double>(used) / steps);
        // Four bytes a step, the last block's room for more, and the list of blocks.
        EXPECT_LE(used, (steps + step_block_size) * 4 + 4096);
        EXPECT_LT(used, std::size_t{256} << 20);
        EXPECT_EQ(record.first_kept(), 0u);
        EXPECT_EQ(record.end(), steps);
        for (const std::size_t k :
             {std::size_t{0}, step_block_size - 1, step_block_size, steps - 1}) {
            EXPECT_EQ(record.at(k).bits, event_of(k).bits) << "step " << k;
        }
    }
    EXPECT_EQ(bytes_in_use, before);
}

TEST(StepRecord, PastItsLimitTheOldestBlockGoes)
{
    StepRecord record(2 * step_block_size + 5);  // two blocks
    for (std::size_t k = 0; k < 2 * step_block_size; ++k) record.add(event_of(k));
    EXPECT_EQ(record.first_kept(), 0u);
    const std::size_t full = bytes_in_use;
    for (std::size_t k = 2 * step_block_size; k < 5 * step_block_size + 3; ++k) {
        record.add(event_of(k));
    }
    EXPECT_EQ(bytes_in_use, full) << "a record at its limit takes no more memory";
    EXPECT_EQ(record.first_kept(), 4 * step_block_size);
    EXPECT_EQ(record.end(), 5 * step_block_size + 3);
    for (const std::size_t k : {4 * step_block_size, 5 * step_block_size + 2}) {
        EXPECT_EQ(record.at(k).bits, event_of(k).bits) << "step " << k;
    }
    record.clear();
    EXPECT_TRUE(record.empty());
    record.add(event_of(7));
    EXPECT_EQ(record.first_kept(), 0u);
    EXPECT_EQ(record.at(0).bits, event_of(7).bits);
}

TEST(StepRecord, AnEventKeepsItsKindAndTheLargestItem)
{
    const StepEvent event = step_event(SearchStep::back_up, max_step_item);
    EXPECT_EQ(step_kind(event), SearchStep::back_up);
    EXPECT_EQ(step_item(event), max_step_item);
    EXPECT_GE(max_step_item, 2047u * 2048 + 2047) << "every domino code";
    EXPECT_EQ(step_item(step_event(SearchStep::enter, 999999)), 999999u) << "every jug state";
}

// What the steps add up to, as a trace's summary counts the nodes: every step that came, those
// dropped past the limit too; the depth, the most calls open at once.
TEST(StepRecord, CountsEveryStepThatCame)
{
    using S = SearchStep;
    StepRecord record(step_block_size);
    constexpr long long rounds = step_block_size;  // six steps each: six blocks
    for (long long k = 0; k < rounds; ++k)
        for (const S s : {S::enter, S::turned_down, S::found, S::back_up, S::dead_end, S::back_up})
            record.add(step_event(s, 1));
    record.add(found_here_event(1));
    const StepCounts& c = record.counts();
    EXPECT_EQ(std::vector<long long>({c.calls, c.found, c.turned_down, c.dead_ends, c.depth}),
              std::vector<long long>({2 * rounds, rounds + 1, rounds, rounds, 2}));
}
