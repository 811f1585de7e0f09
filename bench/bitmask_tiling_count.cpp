// The peer of `tilelist --count`: a plain depth-first counter of the domino tilings of a
// board of at most 64 cells, the covered cells in one machine word, in the search order of
// the tiling enumeration (lowest free cell, horizontal domino first). No output per tiling.
// Usage: bitmask_tiling_count W H
#include <cstdint>
#include <cstdio>
#include <cstdlib>

static int columns;
static int cells;
static std::uint64_t tilings;

static void count_from(std::uint64_t covered, int c)
{
    while (c < cells && ((covered >> c) & 1u) != 0) ++c;
    if (c == cells) {
        ++tilings;
        return;
    }
    if ((c + 1) % columns != 0 && ((covered >> (c + 1)) & 1u) == 0) {
        count_from(covered | std::uint64_t{3} << c, c + 2);
    }
    if (c + columns < cells) {
        count_from(covered | std::uint64_t{1} << c | std::uint64_t{1} << (c + columns), c + 1);
    }
}

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    columns = static_cast<int>(std::strtol(argv[1], nullptr, 10));
    const int rows = static_cast<int>(std::strtol(argv[2], nullptr, 10));
    cells = columns * rows;
    if (columns < 1 || rows < 1 || cells > 64) return 2;
    if (cells % 2 == 0) count_from(0, 0);
    std::printf("%llu\n", static_cast<unsigned long long>(tilings));
    return 0;
}
