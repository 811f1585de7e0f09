// Threads that share a search out between them: its tree cut into pieces, each piece taken by
// the next thread that is free.
#ifndef RUN_WORKERS_H
#define RUN_WORKERS_H

#include <cstdint>

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

inline bool piece_in_part(std::int64_t piece, int part, int parts)
{
    return piece % parts == part - 1;
}

// The shallowest depth at which a tree has at least least pieces, or its whole depth when it
// has fewer. pieces_at(depth, deeper) counts the pieces at a depth and sets deeper when a call
// at that depth has calls below it.
int cut_depth(std::int64_t least, std::int64_t (*pieces_at)(int depth, bool& deeper));

#endif
