// The peer of `tilelist --count`: a plain recursive counter of the domino tilings of a board of
// at most 64 cells on one thread. The covered cells are one 64-bit mask; the lowest free cell
// is the number of trailing zeros of its complement; a horizontal domino is tried there first,
// then a vertical one; nothing else. No output per tiling.
// Usage: bitmask_tiling_count W H
#include <cstdint>
#include <cstdio>
#include <cstdlib>

static int columns;
static int cells;
static std::uint64_t full;  // every cell covered
static std::uint64_t tilings;

static void count_from(std::uint64_t covered)
{
    if (covered == full) {
        ++tilings;
        return;
    }
    const int c = __builtin_ctzll(~covered);
    if ((c + 1) % columns != 0 && ((covered >> (c + 1)) & 1u) == 0) {
        count_from(covered | std::uint64_t{3} << c);
    }
    if (c + columns < cells) {
        count_from(covered | std::uint64_t{1} << c | std::uint64_t{1} << (c + columns));
    }
}

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    columns = static_cast<int>(std::strtol(argv[1], nullptr, 10));
    const int rows = static_cast<int>(std::strtol(argv[2], nullptr, 10));
    cells = columns * rows;
    if (columns < 1 || rows < 1 || cells > 64) return 2;
    full = cells == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << cells) - 1;
    if (cells % 2 == 0) count_from(0);
    std::printf("%llu\n", static_cast<unsigned long long>(tilings));
    return 0;
}
