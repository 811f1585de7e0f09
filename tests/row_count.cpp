// The number of domino tilings of a board, counted row by row.
#include "row_count.h"

#include <utility>
#include <vector>

std::uint64_t tilings_by_rows(int columns, int rows)
{
    std::vector<std::uint64_t> ways(1u << columns, 0);
    ways[0] = 1;
    for (int r = 0; r < rows; ++r) {
        std::vector<std::uint64_t> next(ways.size(), 0);
        for (unsigned filled = 0; filled < ways.size(); ++filled) {
            if (ways[filled] == 0) continue;
            // Cover the row's free cells from the left: a vertical domino reaching into the
            // next row, or a horizontal one.
            std::vector<std::pair<int, unsigned>> partial = {{0, 0u}};
            while (!partial.empty()) {
                const auto [c, below] = partial.back();
                partial.pop_back();
                if (c == columns) {
                    next[below] += ways[filled];
                } else if (filled >> c & 1u) {
                    partial.push_back({c + 1, below});
                } else {
                    if (r + 1 < rows) partial.push_back({c + 1, below | 1u << c});
                    if (c + 1 < columns && !(filled >> (c + 1) & 1u))
                        partial.push_back({c + 2, below});
                }
            }
        }
        ways = std::move(next);
    }
    return ways[0];
}
