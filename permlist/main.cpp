// permlist: the orderings of 0..N-1 (0..6 by default) in lexicographic order, numbered.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console/getch.h"
#include "options/options.h"

static const ProgramInfo permlist_program = {
    "permlist",
    "Prints every ordering of the numbers 0 to N-1, numbered, in lexicographic order, each\n"
    "the moment the search completes it. Then waits for a key.",
    option_size | option_no_wait | option_trace,
    0,
    0,
    nullptr,
    "--size 4",
};

static std::int32_t perm_size = 7;  // numbers 0..perm_size - 1, levels 0..perm_size - 1
static std::int32_t leaf_level = perm_size - 1;

static std::int32_t perm_count;
// Position k (1..leaf_level) holds the number placed at level k - 1; position 0 is unused.
static std::int32_t perm_prefix[max_perm_size];

// Bit n of prefix_sets[d] is set when n is among positions 1..d of perm_prefix. The
// table is kept in step with perm_prefix, so that the membership test below answers in
// one step instead of scanning the prefix: the scan was half of the program's work.
static std::uint32_t prefix_sets[max_perm_size];

// 1 if n equals one of positions 1..d of perm_prefix, else 0.
static int prefix_contains(std::int32_t n, std::int32_t d)
{
    return static_cast<int>((prefix_sets[d] >> n) & 1u);
}

// Writes the decimal digits of a non-negative n at p and returns the end.
static char* put_number(char* p, std::int32_t n)
{
    if (n < 10) {  // every number of an ordering
        *p++ = static_cast<char>('0' + n);
        return p;
    }
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (count > 0) *p++ = digits[--count];
    return p;
}

// perm_count in decimal, counted up alongside it: stepping the text costs less than
// converting the number again for every line.
static char count_text[12] = "0";
static int count_length = 1;

static void count_up_text()
{
    int k = count_length - 1;
    while (k >= 0 && count_text[k] == '9') {
        count_text[k--] = '0';
    }
    if (k >= 0) {
        ++count_text[k];
    } else {
        std::memmove(count_text + 1, count_text, static_cast<size_t>(count_length));
        count_text[0] = '1';
        ++count_length;
    }
}

// Lines are gathered here and handed to stdout in large blocks: one stdio call per line
// cost more than the search itself. On a terminal each line still goes out as soon as
// its ordering is found.
static char listing[1 << 16];
static size_t listing_used;
static bool line_by_line;

static void flush_listing()
{
    std::fwrite(listing, 1, listing_used, stdout);
    listing_used = 0;
}

// One line of the listing: the count, " : ", then the numbers, each followed by a
// blank, exactly as printf("%d : "), printf("%d ") and printf("%d \n") would write them.
static void print_ordering(std::int32_t last)
{
    constexpr size_t longest_line = 64;  // 12 numbers with a nine-digit count take 49
    if (listing_used + longest_line > sizeof listing) {
        flush_listing();
    }
    char* const start = listing + listing_used;
    std::memcpy(start, count_text, static_cast<size_t>(count_length));
    char* p = start + count_length;
    *p++ = ' ';
    *p++ = ':';
    *p++ = ' ';
    for (int k = 1; k <= leaf_level; ++k) {
        p = put_number(p, perm_prefix[k]);
        *p++ = ' ';
    }
    p = put_number(p, last);
    *p++ = ' ';
    *p++ = '\n';
    listing_used += static_cast<size_t>(p - start);
    if (line_by_line) {
        flush_listing();
    }
}

// What the search just did, for --trace: placed v at level d (completing an ordering at the
// last level), or turned the candidate v for level d down as already placed.
enum class PermStep { enter, ordering, turned_down };

// The step action, set when the search is watched; none by default.
static void (*perm_step_action)(PermStep step, std::int32_t v, std::int32_t d);

static void perm_search(std::int32_t v, std::int32_t d)
{
    if (d == leaf_level) {
        ++perm_count;
        count_up_text();
        if (perm_step_action != nullptr) {
            perm_step_action(PermStep::ordering, v, d);
        } else {
            print_ordering(v);
        }
        return;
    }
    if (perm_step_action != nullptr) perm_step_action(PermStep::enter, v, d);
    for (std::int32_t i = 0; i < perm_size; ++i) {
        if (i == v || prefix_contains(i, d)) {
            if (perm_step_action != nullptr) perm_step_action(PermStep::turned_down, i, d + 1);
            continue;
        }
        perm_prefix[d + 1] = v;
        prefix_sets[d + 1] = prefix_sets[d] | (1u << v);
        perm_search(i, d + 1);
    }
}

// The search as a tree instead of the listing: one line for each call with the ordering
// so far, indented two spaces a level, and one for each number turned down, where its
// call would have stood.
static void print_step(PermStep step, std::int32_t v, std::int32_t d)
{
    std::printf("%*s", 2 * d, "");
    if (step == PermStep::turned_down) {
        std::printf("%d  already placed\n", v);
        return;
    }
    for (int k = 1; k <= d; ++k) std::printf("%d ", perm_prefix[k]);
    std::printf("%d", v);
    if (step == PermStep::ordering) std::printf("  ordering %d", perm_count);
    std::printf("\n");
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, permlist_program, settings);
    if (status != run_program) return status;
    perm_size = settings.size;
    leaf_level = perm_size - 1;
    if (settings.trace) perm_step_action = print_step;

    line_by_line = stdout_is_terminal();
    for (std::int32_t v = 0; v < perm_size; ++v) {
        perm_search(v, 0);
    }
    flush_listing();
    if (!settings.no_wait) _getch();
    return 0;
}
