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

int cut_depth(std::int64_t least, std::int64_t (*pieces_at)(int depth, bool& deeper))
{
    for (int depth = 1;; ++depth) {
        bool deeper = false;
        if (pieces_at(depth, deeper) >= least || !deeper) return depth;
    }
}
