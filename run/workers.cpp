// Threads that share a search out between them: its tree cut into pieces, each piece taken by
// the next thread that is free.
#include "run/workers.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::atomic<std::int64_t> next_piece;
std::int64_t piece_count;
void (*take_piece)(std::int64_t piece, int worker);
std::exception_ptr first_failure;
std::mutex failure_lock;

// A piece is a whole subtree, so one increment a piece is nothing beside the search.
void take_pieces(int worker)
{
    try {
        for (;;) {
            const std::int64_t piece = next_piece.fetch_add(1);
            if (piece >= piece_count) return;
            take_piece(piece, worker);
        }
    } catch (...) {
        next_piece.store(piece_count);  // the others stop after their current piece
        const std::lock_guard<std::mutex> hold(failure_lock);
        if (!first_failure) first_failure = std::current_exception();
    }
}

}  // namespace

void share_out(std::int64_t count, int jobs, void (*take)(std::int64_t piece, int worker))
{
    next_piece.store(0);
    piece_count = count;
    take_piece = take;
    first_failure = nullptr;
    std::vector<std::thread> threads;
    for (int worker = 1; worker < jobs; ++worker) {
        try {
            threads.emplace_back(take_pieces, worker);
        } catch (const std::system_error&) {
            break;  // the threads started, and this one, do the pieces
        }
    }
    take_pieces(0);
    for (std::thread& t : threads) t.join();
    if (first_failure) std::rethrow_exception(first_failure);
}

namespace {

bool keeping;  // the last walk to the cut, which keeps the part's pieces
int kept_part, kept_parts;
std::atomic<std::uint64_t> calls_above;

}  // namespace

WorkerTally worker_tallies[max_workers];

void cut_tree(int jobs, int part, int parts, std::int64_t (*pieces_at)(int depth, bool& deeper))
{
    const std::int64_t least = parts > 1 ? parts * pieces_per_part : jobs * pieces_per_worker;
    keeping = false;
    int depth = 1;
    for (;; ++depth) {
        bool deeper = false;
        if (pieces_at(depth, deeper) >= least || !deeper) break;
    }
    keeping = true;
    kept_part = part;
    kept_parts = parts;
    bool deeper = false;
    pieces_at(depth, deeper);
    keeping = false;
}

bool keep_piece(std::int64_t piece) { return keeping && piece % kept_parts == kept_part - 1; }

// Only the walk's thread writes it, while the progress line may read it.
void call_above_cut()
{
    if (keeping)
        calls_above.store(calls_above.load(std::memory_order_relaxed) + 1,
                          std::memory_order_relaxed);
}

void clear_tallies()
{
    for (WorkerTally& t : worker_tallies) {
        t.calls.store(0);
        t.found.store(0);
    }
    calls_above.store(0);
}

ProgressSample tallies_so_far()
{
    std::uint64_t all_calls = calls_above.load(std::memory_order_relaxed), all_found = 0;
    for (const WorkerTally& t : worker_tallies) {
        all_calls += t.calls.load(std::memory_order_relaxed);
        all_found += t.found.load(std::memory_order_relaxed);
    }
    ProgressSample now;
    now.calls = static_cast<double>(all_calls);
    now.found = static_cast<double>(all_found);
    return now;
}

std::uint64_t found_in_tallies()
{
    std::uint64_t found = 0;
    for (const WorkerTally& t : worker_tallies) found += t.found.load();
    return found;
}
