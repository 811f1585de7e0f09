// Threads that share a search out between them: its tree cut into pieces, each piece taken by
// the next thread that is free.
#ifndef RUN_WORKERS_H
#define RUN_WORKERS_H

#include <atomic>
#include <cstdint>

#include "run/progress.h"

// The most threads a run takes (--jobs).
constexpr int max_workers = 1024;

// The number of processors this process may run on: the machine's, or fewer where it is held
// to some of them (taskset, a batch system's share of a node).
int available_processors();

// Hands the pieces 0..count-1 out to jobs threads, the calling thread one of them: each takes
// the next piece as it finishes one, since pieces of a search tree differ greatly in size.
// take(piece, worker) does a piece on the thread of worker, from 0 to jobs - 1. Returns when
// every piece is done. Where the system gives fewer threads (a browser gives none), those it
// gives do every piece. An exception thrown by take ends the sharing and is thrown here.
void share_out(std::int64_t count, int jobs, void (*take)(std::int64_t piece, int worker));

// A tree is cut at a depth: its pieces are the calls at that depth and the leaves above it,
// numbered in the order the search meets them. A run counts every piece; part I of K counts
// the pieces whose number leaves I - 1 when divided by K. The cut depends on nothing but the
// tree and K, so that every machine, in every run, cuts the same parts.
constexpr std::int64_t pieces_per_worker = 256;  // for a balance between threads
constexpr std::int64_t pieces_per_part = 64;     // for parts of about even size

// Cuts a tree for a count on jobs threads of part `part` of `parts` (the whole tree when parts is
// 1): finds the shallowest depth with enough pieces (or the tree's whole depth), then walks to
// it once more, while keep_piece tells the walk which pieces to keep and calls_above_cut counts
// the calls above the cut. pieces_at(depth, deeper) walks the tree to the depth, asks
// keep_piece of each piece in turn and calls call_above_cut for each call above it; it returns
// the number of pieces and sets deeper when a call at the depth has calls below it.
void cut_tree(int jobs, int part, int parts, std::int64_t (*pieces_at)(int depth, bool& deeper));
bool keep_piece(std::int64_t piece);
void call_above_cut();

// What each thread of a count has counted, in a cache line of its own, for a progress line that
// reads it from its own thread while the count runs: the calls, and the configurations found.
// Each thread writes only its own.
struct alignas(64) WorkerTally {
    std::atomic<std::uint64_t> calls{0};
    std::atomic<std::uint64_t> found{0};
};
extern WorkerTally worker_tallies[max_workers];

// Sets every tally and the calls above the cut to 0, for a count to begin.
void clear_tallies();

// The count's calls (the cut's and the threads') and configurations so far, from any thread:
// what the progress line of a count tells.
ProgressSample tallies_so_far();

// The configurations that all threads found.
std::uint64_t found_in_tallies();

#endif
