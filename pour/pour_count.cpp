// The solutions of the jug puzzle counted without being listed: on several threads at once,
// or one part of many.
#include "pour/pour_count.h"

#include <cstddef>
#include <limits>
#include <vector>

#include "pour/pour.h"
#include "run/workers.h"

// Instead of scanning the path as pour_search does, the count and the probes keep a flag for
// each state on it. The liquid is conserved, so jugs 1 and 2 decide a state: its last four
// digits.
constexpr int state_flags = (max_jug_amount + 1) * (max_jug_amount + 1);
static int flag_of(JugState state) { return state % state_flags; }

using PathFlags = std::vector<std::uint8_t>;

// The pours from the amounts that the search accepts, in its order: those whose result is not
// on the path, which holds the state they pour from.
static int accepted_pours(const PathFlags& on_path, const std::int32_t amount[jug_count],
                          JugState accepted[max_pours])
{
    JugState results[max_pours];
    const int count = pour_results(amount, results);
    int kept = 0;
    for (int k = 0; k < count; ++k) {
        if (on_path[static_cast<std::size_t>(flag_of(results[k]))] == 0) {
            accepted[kept++] = results[k];
        }
    }
    return kept;
}

static void mark(PathFlags& on_path, JugState state, std::uint8_t on)
{
    on_path[static_cast<std::size_t>(flag_of(state))] = on;
}

// A thread copies its counts to its tally (run/workers.h) every so many calls.
constexpr std::uint64_t publish_every = 4096;  // calls; a power of two

// One thread's walk of a piece: its path, its counts, where the depths of its solutions go.
struct PourWalk {
    PathFlags on_path = PathFlags(state_flags, 0);
    std::vector<std::int32_t>* depths = nullptr;
    std::uint64_t calls = 0, solutions = 0;
    std::uint64_t calls_before = 0, solutions_before = 0;  // the tally when the piece began
    WorkerTally* tally = nullptr;
    std::uint64_t budget = std::numeric_limits<std::uint64_t>::max();
};

static void publish(PourWalk& walk)
{
    walk.tally->calls.store(walk.calls_before + walk.calls, std::memory_order_relaxed);
    walk.tally->found.store(walk.solutions_before + walk.solutions, std::memory_order_relaxed);
}

// pour_search's call for state at depth, counted.
static void count_from(JugState state, int depth, PourWalk& walk)
{
    if ((++walk.calls & (publish_every - 1)) == 0) publish(walk);
    if (walk.calls >= walk.budget) return;
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    if (is_goal(amount)) {
        ++walk.solutions;
        if (walk.depths != nullptr) walk.depths->push_back(depth);
        return;
    }
    if (depth + 1 >= path_slots) return;
    mark(walk.on_path, state, 1);
    JugState next[max_pours];
    const int count = accepted_pours(walk.on_path, amount, next);
    for (int k = 0; k < count; ++k) count_from(next[k], depth + 1, walk);
    mark(walk.on_path, state, 0);
}

// The tree cut at a depth (run/workers.h): a piece is a call with the path to it, the start
// state first, kept in one array; piece k's path begins at piece_starts[k].
static std::vector<JugState> piece_paths;
static std::vector<std::size_t> piece_starts;
static std::vector<std::vector<std::int32_t>> piece_depths;
static int cut_at;
static std::int64_t pieces_met;
static bool deeper;
static PathFlags walk_flags;
static std::vector<JugState> walk_path;

// The call for state at depth, on the end of walk_path. A goal, and a call that the search
// cannot take further, is a piece too, however shallow.
static void walk_to_cut(JugState state, int depth)
{
    walk_path.push_back(state);
    std::int32_t amount[jug_count];
    unpack_state(state, amount);
    JugState next[max_pours];
    int count = 0;
    if (!is_goal(amount) && depth + 1 < path_slots) {
        mark(walk_flags, state, 1);
        count = accepted_pours(walk_flags, amount, next);
    }
    if (depth == cut_at || count == 0) {
        deeper = deeper || count > 0;
        if (keep_piece(pieces_met)) {
            piece_starts.push_back(piece_paths.size());
            piece_paths.insert(piece_paths.end(), walk_path.begin(), walk_path.end());
        }
        ++pieces_met;
    } else {
        call_above_cut();
        for (int k = 0; k < count; ++k) walk_to_cut(next[k], depth + 1);
    }
    mark(walk_flags, state, 0);
    walk_path.pop_back();
}

static std::int64_t pieces_at(int depth, bool& calls_below)
{
    cut_at = depth;
    pieces_met = 0;
    deeper = false;
    walk_flags.assign(state_flags, 0);
    walk_to_cut(start_state(), 1);
    calls_below = deeper;
    return pieces_met;
}

static void count_piece(std::int64_t piece, int worker)
{
    static thread_local PourWalk walk;
    const auto k = static_cast<std::size_t>(piece);
    const std::size_t begin = piece_starts[k];
    const std::size_t end = k + 1 < piece_starts.size() ? piece_starts[k + 1] : piece_paths.size();
    walk.tally = &worker_tallies[worker];
    walk.calls_before = walk.tally->calls.load(std::memory_order_relaxed);
    walk.solutions_before = walk.tally->found.load(std::memory_order_relaxed);
    walk.calls = 0;
    walk.solutions = 0;
    walk.depths = &piece_depths[k];
    for (std::size_t s = begin; s + 1 < end; ++s) mark(walk.on_path, piece_paths[s], 1);
    count_from(piece_paths[end - 1], static_cast<int>(end - begin), walk);
    for (std::size_t s = begin; s + 1 < end; ++s) mark(walk.on_path, piece_paths[s], 0);
    publish(walk);
}

std::int64_t count_pour_solutions(int jobs, int part, int parts)
{
    clear_tallies();
    piece_paths.clear();
    piece_starts.clear();
    cut_tree(jobs, part, parts, pieces_at);
    piece_depths.assign(piece_starts.size(), {});
    share_out(static_cast<std::int64_t>(piece_starts.size()), jobs, count_piece);
    return static_cast<std::int64_t>(found_in_tallies());
}

void each_counted_depth(void (*take)(std::int32_t depth))
{
    for (const std::vector<std::int32_t>& depths : piece_depths) {
        for (const std::int32_t depth : depths) take(depth);
    }
}

double probe_pour_search(ProbeRandom& random, double& solutions)
{
    static thread_local PathFlags on_path(state_flags, 0);
    static thread_local std::vector<JugState> path;
    solutions = 0;
    double product = 1, calls = 1;  // the start is a call of its own
    JugState state = start_state();
    for (int depth = 1;; ++depth) {
        std::int32_t amount[jug_count];
        unpack_state(state, amount);
        if (is_goal(amount)) {
            solutions = product;
            break;
        }
        if (depth + 1 >= path_slots) break;
        mark(on_path, state, 1);
        path.push_back(state);
        JugState next[max_pours];
        const int count = accepted_pours(on_path, amount, next);
        if (count == 0) break;
        product *= count;
        calls += product;
        state = next[random.below(count)];
    }
    for (const JugState s : path) mark(on_path, s, 0);
    path.clear();
    return calls;
}

std::int64_t count_pour_solutions_for(std::int64_t budget, bool& whole)
{
    PourWalk walk;
    WorkerTally scratch;
    walk.tally = &scratch;
    walk.budget = static_cast<std::uint64_t>(budget);
    count_from(start_state(), 1, walk);
    whole = walk.calls < walk.budget;
    return static_cast<std::int64_t>(walk.calls);
}
