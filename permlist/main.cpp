// permlist: the orderings of 0..N-1 (0..6 by default) in lexicographic order, numbered.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console/getch.h"
#include "console/listing.h"
#include "console/long_run.h"
#include "console/output.h"
#include "options/options.h"
#include "options/programs.h"
#include "run/counter.h"
#include "run/progress.h"
#include "run/run_end.h"
#include "tree/tree_file.h"

static std::int32_t perm_size = 7;  // numbers 0..perm_size - 1, levels 0..perm_size - 1
static std::int32_t leaf_level = perm_size - 1;

// Orderings completed so far; a progress line reads it from its own thread.
static Counter<std::int32_t> perm_count;
// Position k (1..leaf_level) holds the number placed at level k - 1; position 0 is unused.
static std::int32_t perm_prefix[max_perm_size];

// Bit n of prefix_sets[d] is set when n is among positions 1..d of perm_prefix. The
// table is kept in step with perm_prefix: the numbers still free at a level come from it at
// once, instead of a scan of the prefix for every number, which used to be the bulk of the
// program's work.
static std::uint32_t prefix_sets[max_perm_size];
static std::uint32_t all_numbers = (1u << perm_size) - 1;

// The numbers that the search takes below a call, where the set placed is placed.
static inline std::uint32_t numbers_left(std::uint32_t placed) { return all_numbers & ~placed; }

// The text " : " followed by positions 1..d of perm_prefix, each number followed by a
// blank, ends at prefix_text_end[d]; it too is kept in step with perm_prefix, for d up to
// text_level. A line then copies it whole instead of converting every number again: each
// number is converted once for all the orderings that share it. The longest, for size 12,
// takes 27 bytes. The last two levels leave it alone and the line writes their numbers
// itself: a copy of the whole text right after a number was written into it waits for
// that write to reach the cache, and every line came right after such a write.
static char prefix_text[32] = " : ";
static int prefix_text_end[max_perm_size] = {3};
constexpr std::int32_t levels_past_text = 2;
static std::int32_t text_level = perm_size - 1 - levels_past_text;

// The text of each number followed by its blank, for the numbers a line writes itself:
// copying all four bytes costs less than converting the number.
struct NumberText {
    char text[4];
    int length;
};
static NumberText number_texts[max_perm_size];

static void make_number_texts()
{
    for (int n = 0; n < perm_size; ++n) {
        char* end = put_number(number_texts[n].text, n);
        *end++ = ' ';
        number_texts[n].length = static_cast<int>(end - number_texts[n].text);
    }
}

static inline char* put_number_text(char* p, const NumberText& number)
{
    std::memcpy(p, number.text, sizeof number.text);
    return p + number.length;
}

// A line of the listing is written exactly as printf("%d : "), printf("%d ") and
// printf("%d \n") would write it. The texts are copied at their full size, which costs less
// than copies of the exact lengths; the next line overwrites what lies past the end.
constexpr size_t longest_line =
    line_number_room + sizeof prefix_text + (levels_past_text + 1) * sizeof NumberText::text + 1;

// Writes the line's number, followed by the text of positions 1..text_level, which ends
// prefix_text_end[text_level] bytes past the pointer returned.
static inline char* start_ordering_line()
{
    char* p = put_line_number(next_line(longest_line));
    std::memcpy(p, prefix_text, sizeof prefix_text);
    return p;
}

// The line's end is at p.
static inline void end_ordering_line(char* p)
{
    *p++ = '\n';
    end_line(p);
    count_line_up();
}

// The ordering of positions 1..leaf_level of perm_prefix followed by last is complete.
static inline void complete_ordering(std::int32_t last)
{
    ++perm_count;
    char* p = start_ordering_line() + prefix_text_end[text_level];
    for (std::int32_t k = text_level + 1; k <= leaf_level; ++k) {
        p = put_number_text(p, number_texts[perm_prefix[k]]);
    }
    end_ordering_line(put_number_text(p, number_texts[last]));
}

// The orderings of positions 1..leaf_level - 1 followed by a and b, and by b and a, are
// complete, where the text of the prefix reaches position leaf_level - 2. Both lines are
// placed from offsets worked out once: each line waits for the end of the one before, and
// adding the lengths one after another along the line made that wait the longer.
static inline void complete_two_orderings(std::int32_t a, std::int32_t b)
{
    const int prefix_end = prefix_text_end[text_level];
    const NumberText before = number_texts[perm_prefix[leaf_level - 1]];
    const NumberText first = number_texts[a];
    const NumberText second = number_texts[b];
    const int last_two_at = prefix_end + before.length;
    const int newline_at = last_two_at + first.length + second.length;
    perm_count += 2;
    for (int k = 0; k < 2; ++k) {
        const NumberText& third = k == 0 ? first : second;
        const NumberText& fourth = k == 0 ? second : first;
        char* p = start_ordering_line();
        std::memcpy(p + prefix_end, before.text, sizeof before.text);
        std::memcpy(p + last_two_at, third.text, sizeof third.text);
        std::memcpy(p + last_two_at + third.length, fourth.text, sizeof fourth.text);
        end_ordering_line(p + newline_at);
    }
}

// What the search just did, for --trace and --tree: placed v at level d (completing an
// ordering at the last level), or turned the candidate v for level d down as already placed.
// The search is watched for either; with --tree alone it still lists the orderings.
enum class PermStep { enter, ordering, turned_down };

// The step action, set when the search is watched; none by default.
static void (*perm_step_action)(PermStep step, std::int32_t v, std::int32_t d);
static bool tracing;

// inline: the compiler then unfolds the recursion into itself where it pays, which spares a
// large listing many calls. Whether the search is watched is decided
// once, not at every step: the listing's search compiles as if it had no step action.
template <bool watched> static inline void perm_search(std::int32_t v, std::int32_t d)
{
    if (d == leaf_level) {
        if constexpr (watched) {
            if (tracing) {
                ++perm_count;  // the trace stands in for the listing
            } else {
                complete_ordering(v);
            }
            perm_step_action(PermStep::ordering, v, d);
        } else {
            complete_ordering(v);
        }
        return;
    }
    if constexpr (watched) perm_step_action(PermStep::enter, v, d);
    perm_prefix[d + 1] = v;
    prefix_sets[d + 1] = prefix_sets[d] | (1u << v);
    if (d < text_level) {
        char* end = put_number_text(prefix_text + prefix_text_end[d], number_texts[v]);
        prefix_text_end[d + 1] = static_cast<int>(end - prefix_text);
    }
    // The numbers left, lowest first: taken from the set, not tried one by one. A watched
    // search tries every number in turn and turns the placed ones down where they come.
    const std::uint32_t placed = prefix_sets[d + 1];
    std::uint32_t left = watched ? all_numbers : numbers_left(placed);
    // Two numbers left, a below b: the call for a would place it and call the last level
    // with b, then the same for b and a. The listing's search completes both orderings here
    // instead, without descending: two calls for every line were much of its work.
    if constexpr (!watched) {
        if (d + 2 == leaf_level) {
            const auto a = static_cast<std::int32_t>(__builtin_ctz(left));
            const auto b = static_cast<std::int32_t>(__builtin_ctz(left & (left - 1)));
            complete_two_orderings(a, b);
            return;
        }
    }
    while (left != 0) {
        const auto i = static_cast<std::int32_t>(__builtin_ctz(left));
        left &= left - 1;
        if constexpr (watched) {
            if ((placed >> i & 1u) != 0) {
                perm_step_action(PermStep::turned_down, i, d + 1);
                continue;
            }
        }
        perm_search<watched>(i, d + 1);
    }
}

// The search as a tree, with --trace as text instead of the listing (one line for each call
// with the ordering so far, indented two spaces a level, and one for each number turned
// down, where its call would have stood), with --tree as a picture of the same nodes.
static void watch_step(PermStep step, std::int32_t v, std::int32_t d)
{
    TraceNode node;
    node.level = d;
    const int number = step == PermStep::ordering ? static_cast<int>(perm_count) : v;
    std::snprintf(node.label, sizeof node.label, "%d", number);
    if (step == PermStep::turned_down) {
        node.kind = TreeKind::turned_down;
        std::snprintf(node.line, sizeof node.line, "%d  already placed", v);
    } else {
        node.kind = step == PermStep::ordering ? TreeKind::solution : TreeKind::call;
        int length = 0;
        for (int k = 1; k <= d; ++k) {
            length +=
                std::snprintf(node.line + length, sizeof node.line - length, "%d ", perm_prefix[k]);
        }
        length += std::snprintf(node.line + length, sizeof node.line - length, "%d", v);
        if (step == PermStep::ordering) {
            std::snprintf(node.line + length, sizeof node.line - length, "  ordering %d", number);
        }
    }
    if (tracing) print_trace_line(permlist_program.name, node.level, node.line);
    if (recording_tree()) record_tree_node(node);
}

// The search from each number at level 0, in ascending order. Kept out of main: inside the
// try block that catches the end of a run, the compiler keeps the search's values where the
// handler could find them, and the listing's search slows down.
[[gnu::noinline]] static void search_every_ordering(bool watched)
{
    for (std::int32_t v = 0; v < perm_size; ++v) {
        if (watched) {
            perm_search<true>(v, 0);
        } else {
            perm_search<false>(v, 0);
        }
    }
}

// The orderings of 0..size-1 from now on; the tables hold sizes 1 to max_perm_size.
static void set_size(int size)
{
    perm_size = std::clamp(size, 1, static_cast<int>(max_perm_size));
    leaf_level = perm_size - 1;
    text_level = leaf_level > levels_past_text ? leaf_level - levels_past_text : 0;
    all_numbers = (1u << perm_size) - 1;
    make_number_texts();
}

// The calls that the search as --trace shows it makes for the orderings of 0..size-1 up to
// the first `done`: a call k levels above the last leads to (k - 1)! orderings, and they come
// in their order. (The listing's search completes the last two numbers without calls.)
static double trace_calls(int size, double done)
{
    double calls = 0, below = 1;
    for (int k = 1; k <= size; ++k) {
        calls += std::ceil(done / below);
        below *= k;
    }
    return calls;
}

static double factorial(int n) { return n <= 1 ? 1 : n * factorial(n - 1); }

// One probe of the search as --trace shows it (run/estimate.h): at each level one of the
// numbers left.
static double probe_orderings(ProbeRandom& random, double& orderings)
{
    std::uint32_t placed = 0;
    double product = 1, calls = 0;
    for (int level = 0; level <= leaf_level; ++level) {
        std::uint32_t left = numbers_left(placed);
        const int count = __builtin_popcount(left);
        product *= count;
        calls += product;
        for (int skip = random.below(count); skip > 0; --skip) left &= left - 1;
        placed |= left & (~left + 1);  // the lowest number left after those skipped
    }
    orderings = product;
    return calls;
}

// The listing's search at the largest size up to the one asked whose tree has at most budget
// calls, its lines made and dropped: the rate of --estimate, without the writing.
static std::int64_t list_for(std::int64_t budget, bool& whole)
{
    const int asked = perm_size;
    int size = asked;
    while (size > 1 && trace_calls(size, factorial(size)) > budget) --size;
    set_size(size);
    discard_listing();
    search_every_ordering(false);
    set_size(asked);
    perm_count = 0;
    whole = size == asked;
    return static_cast<std::int64_t>(trace_calls(size, factorial(size)));
}

static ProgressSample listing_progress()
{
    ProgressSample now;
    now.found = perm_count;
    now.calls = trace_calls(perm_size, now.found);
    return now;
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, permlist_program, settings);
    if (status != run_program) return status;
    set_size(settings.size);
    tracing = settings.trace;
    const bool watched = tracing || settings.tree_file != nullptr;
    if (watched) perm_step_action = watch_step;

    try {
        if (settings.estimate) {
            char source[16];
            std::snprintf(source, sizeof source, "= %d!", perm_size);
            const SearchFacts facts = {
                permlist_program.name, "orderings", factorial(perm_size), source,
                probe_orderings,       list_for,    "to list them"};
            print_estimate(facts, settings.probes, static_cast<std::uint64_t>(settings.seed), 1);
        } else {
            const ProgressSource progress = {permlist_program.name, "orderings",
                                             factorial(perm_size), listing_progress};
            if (settings.tree_file != nullptr) {
                start_tree_file(permlist_program.name, settings.tree_file);
            }
            start_progress(settings.progress, stdout_is_terminal(), progress);
            start_listing(permlist_program.name);
            search_every_ordering(watched);
            flush_listing();
            end_progress();
            if (recording_tree()) finish_tree_file();
        }
        finish_output(permlist_program.name);
        if (!settings.no_wait) _getch();
    } catch (const RunEnd& end) {
        return end.status;
    }
    return 0;
}
