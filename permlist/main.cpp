// permlist: the orderings of 0..N-1 (0..6 by default) in lexicographic order, numbered.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console/getch.h"
#include "console/listing.h"
#include "console/output.h"
#include "options/options.h"

static const ProgramInfo permlist_program = {
    "permlist",
    "Prints every ordering of the numbers 0 to N-1, numbered, in lexicographic order, each\n"
    "the moment the search completes it. Then waits for a key.",
    option_size | option_no_wait,
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
// table is kept in step with perm_prefix: the numbers still free at a level come from it at
// once, instead of a scan of the prefix for every number (the scan was half of the
// program's work).
static std::uint32_t prefix_sets[max_perm_size];
static std::uint32_t all_numbers = (1u << perm_size) - 1;

// The text " : " followed by positions 1..d of perm_prefix, each number followed by a
// blank, ends at prefix_text_end[d]; it too is kept in step with perm_prefix. A line then
// copies it whole instead of converting every number again: each number is converted once
// for all the orderings that share it. The longest, for size 12, takes 27 bytes.
static char prefix_text[32] = " : ";
static int prefix_text_end[max_perm_size] = {3};

// One line of the listing, exactly as printf("%d : "), printf("%d ") and printf("%d \n")
// would write it. The number and the prefix text are copied at their full size, which
// costs less than copies of the exact lengths; the next line overwrites what lies past the
// end.
static inline void print_ordering(std::int32_t last)
{
    constexpr size_t longest_line = sizeof line_number_text + sizeof prefix_text + 4;
    char* p = next_line(longest_line);
    std::memcpy(p, line_number_text, sizeof line_number_text);
    p += line_number_length;
    std::memcpy(p, prefix_text, sizeof prefix_text);
    p += prefix_text_end[leaf_level];
    p = put_number(p, last);
    p[0] = ' ';
    p[1] = '\n';
    end_line(p + 2);
}

// inline: the compiler then unfolds the recursion into itself where it pays, which takes
// about a tenth off the time of a large listing.
static inline void perm_search(std::int32_t v, std::int32_t d)
{
    if (d == leaf_level) {
        ++perm_count;
        print_ordering(v);
        count_line_up();
        return;
    }
    perm_prefix[d + 1] = v;
    prefix_sets[d + 1] = prefix_sets[d] | (1u << v);
    char* end = put_number(prefix_text + prefix_text_end[d], v);
    *end++ = ' ';
    prefix_text_end[d + 1] = static_cast<int>(end - prefix_text);
    // The numbers left, lowest first: taken from the set, not tried one by one.
    std::uint32_t left = all_numbers & ~prefix_sets[d + 1];
    while (left != 0) {
        const auto i = static_cast<std::int32_t>(__builtin_ctz(left));
        left &= left - 1;
        perm_search(i, d + 1);
    }
}

int main(int argc, char** argv)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, permlist_program, settings);
    if (status != run_program) return status;
    perm_size = settings.size;
    leaf_level = perm_size - 1;
    all_numbers = (1u << perm_size) - 1;

    start_listing(permlist_program.name);
    for (std::int32_t v = 0; v < perm_size; ++v) {
        perm_search(v, 0);
    }
    flush_listing();
    finish_output(permlist_program.name);
    if (!settings.no_wait) _getch();
    return 0;
}
