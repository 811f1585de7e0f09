// The tilings counted without being listed: on several threads at once, or one part of many.
#include "tiling/tiling_count.h"

#include <vector>

#include "run/workers.h"
#include "tiling/tiling.h"

// The count walks tile_search's tree with the board from the lowest free cell c on in one
// word, its window: bit i stands for cell c + i. Every cell below c is covered, and no domino
// reaches further than a row below its first cell, so every covered cell past c lies within a
// row's width of it; past the window every cell is free.

// Where a domino from cell c cannot lie: bit 1 of blocked_at[c] when not to the right (c ends
// a row), bit 0 when not downward (c is in the last row). Bit 1 stands where the window has
// cell c + 1, so that one test asks both whether the row goes on and whether that cell is
// free; bit 0 is c itself, always free in the window.
constexpr std::uint64_t right_blocked = 2;
constexpr std::uint64_t down_blocked = 1;
static std::uint64_t blocked_at[max_cell_count + 1];
// The cells a domino covers in the window, from bit 0.
constexpr std::uint64_t right_domino = 3;
static std::uint64_t down_domino;
static int last_row_start;

void prepare_tiling_count()
{
    if (board_columns > max_counted_columns) return;  // too wide for the window: not counted
    for (int c = 0; c <= cell_count; ++c) {
        const bool row_ends = c + 1 >= cell_count || (c + 1) % board_columns == 0;
        const bool last_row = c + board_columns >= cell_count;
        blocked_at[c] = (row_ends ? right_blocked : 0) | (last_row ? down_blocked : 0);
    }
    down_domino = 1 | std::uint64_t{1} << board_columns;
    last_row_start = cell_count - board_columns;
}

// The rules of tile_search in the window, which the count, its cut and the probes share.
static inline void move_to_lowest_free(std::uint64_t& covered, int& c)
{
    const int skip = __builtin_ctzll(~covered);
    covered >>= skip;
    c += skip;
}
static inline bool fits_right(std::uint64_t covered, int c)
{
    return ((blocked_at[c] | covered) & right_blocked) == 0;
}
static inline bool fits_down(int c) { return (blocked_at[c] & down_blocked) == 0; }

// A thread counts in plain variables of its own, which the compiler keeps as cheaply as
// globals, and copies them to its tally (run/workers.h) every so many tilings: a store at
// every step would slow the count, and a tiling comes every few calls.
constexpr std::uint64_t publish_every = 1024;  // tilings; a power of two

static thread_local std::uint64_t calls_here, tilings_here;
static thread_local std::uint64_t calls_before, tilings_before;  // the tally when the piece began
static thread_local WorkerTally* tally_here;
static thread_local std::int64_t budget_here;

[[gnu::noinline]] static void publish()
{
    tally_here->calls.store(calls_before + calls_here, std::memory_order_relaxed);
    tally_here->found.store(tilings_before + tilings_here, std::memory_order_relaxed);
}

static inline void tiling_found()
{
    if ((++tilings_here & (publish_every - 1)) == 0) publish();
}

// The last row takes horizontal dominoes only, so the search there follows one path: across
// each run of free cells, ending in a dead end after a run of odd length, or in a tiling. Its
// calls and tiling are counted without the calls, of which a large board has many there.
static void finish_last_row(std::uint64_t covered, int c)
{
    std::uint64_t free = ~covered & ((std::uint64_t{1} << (cell_count - c)) - 1);
    while (free != 0) {
        const int start = __builtin_ctzll(free);
        const int run = __builtin_ctzll(~(free >> start));
        calls_here += static_cast<std::uint64_t>(run / 2);
        if (run % 2 != 0) return;
        free &= free + (std::uint64_t{1} << start);  // the carry clears the run
    }
    tiling_found();
}

// The call that placed the domino ending in the window covered, cell c its first cell, and
// every call below it. Each covers the lowest free cell with a horizontal domino by a call of
// its own, then with a vertical one by going on itself: a vertical domino fits wherever the
// last row is not reached yet. The calls of this one and of its vertical dominoes are counted
// in a local variable, which goes to the thread's count before each call and at the end: a
// count in memory at every step is a wait at every step. A bounded count, which times the
// count's speed, stops once it has made its budget of calls.
template <bool bounded> static void count_from(std::uint64_t covered, int c)
{
    std::uint64_t calls = 0;
    for (;;) {
        ++calls;
        if constexpr (bounded) {
            if (static_cast<std::int64_t>(calls_here + calls) >= budget_here) break;
        }
        move_to_lowest_free(covered, c);
        if (c >= last_row_start) {
            calls_here += calls;
            finish_last_row(covered, c);
            return;
        }
        if (fits_right(covered, c)) {
            calls_here += calls;
            calls = 0;
            count_from<bounded>(covered | right_domino, c);
        }
        covered |= down_domino;
    }
    calls_here += calls;
}

// The tree cut at a depth (run/workers.h): a piece is a call, with its window as count_from
// takes it.
struct TilingPiece {
    std::uint64_t covered;
    int cell;
};
static std::vector<TilingPiece> pieces;
static int cut_at;
static std::int64_t pieces_met;
static bool deeper;

static void meet_piece(std::uint64_t covered, int c)
{
    if (keep_piece(pieces_met)) pieces.push_back({covered, c});
    ++pieces_met;
}

// The call at depth (dominoes placed) whose window is covered, c its domino's first cell.
// One whose rest is the last row's single path is a piece too, however shallow.
static void walk_to_cut(std::uint64_t covered, int c, int depth)
{
    std::uint64_t after = covered;
    int free_cell = c;
    move_to_lowest_free(after, free_cell);
    const bool path_left = free_cell >= last_row_start;
    if (depth == cut_at || path_left) {
        deeper = deeper || !path_left;
        meet_piece(covered, c);
        return;
    }
    call_above_cut();
    if (fits_right(after, free_cell)) walk_to_cut(after | right_domino, free_cell, depth + 1);
    if (fits_down(free_cell)) walk_to_cut(after | down_domino, free_cell, depth + 1);
}

// The calls of tile_search that enumerate_tilings makes, one for each domino on cell 0.
template <typename Visit> static void each_first_domino(Visit visit)
{
    // A board with an odd number of cells has no tiling, and enumerate_tilings no search.
    if (cell_count % 2 != 0) return;
    if (fits_right(0, 0)) visit(right_domino);
    if (fits_down(0)) visit(down_domino);
}

static std::int64_t pieces_at(int depth, bool& calls_below)
{
    cut_at = depth;
    pieces_met = 0;
    deeper = false;
    each_first_domino([](std::uint64_t covered) { walk_to_cut(covered, 0, 1); });
    calls_below = deeper;
    return pieces_met;
}

static void count_piece(std::int64_t piece, int worker)
{
    tally_here = &worker_tallies[worker];
    calls_before = tally_here->calls.load(std::memory_order_relaxed);
    tilings_before = tally_here->found.load(std::memory_order_relaxed);
    calls_here = 0;
    tilings_here = 0;
    const TilingPiece& p = pieces[static_cast<std::size_t>(piece)];
    count_from<false>(p.covered, p.cell);
    publish();
}

std::uint64_t count_tilings(int jobs, int part, int parts)
{
    clear_tallies();
    pieces.clear();
    cut_tree(jobs, part, parts, pieces_at);
    share_out(static_cast<std::int64_t>(pieces.size()), jobs, count_piece);
    return found_in_tallies();
}

double probe_tilings(ProbeRandom& random, double& tilings)
{
    tilings = 0;
    if (cell_count % 2 != 0) return 0;
    double product = 1, calls = 0;
    std::uint64_t covered = 0;
    int c = 0;
    while (c < cell_count) {
        const bool right = fits_right(covered, c), down = fits_down(c);
        const int candidates = (right ? 1 : 0) + (down ? 1 : 0);
        if (candidates == 0) return calls;  // a dead end
        product *= candidates;
        calls += product;
        const bool take_right = right && (!down || random.below(2) == 0);
        covered |= take_right ? right_domino : down_domino;
        move_to_lowest_free(covered, c);
    }
    tilings = product;
    return calls;
}

std::int64_t count_tilings_for(std::int64_t budget, bool& whole)
{
    static WorkerTally timing;  // for publish, which no one reads here
    tally_here = &timing;
    calls_before = 0;
    tilings_before = 0;
    calls_here = 0;
    tilings_here = 0;
    budget_here = budget;
    each_first_domino([](std::uint64_t covered) { count_from<true>(covered, 0); });
    whole = static_cast<std::int64_t>(calls_here) < budget;
    return static_cast<std::int64_t>(calls_here);
}
