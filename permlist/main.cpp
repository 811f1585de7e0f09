// permlist: the 5040 orderings of 0..6 in lexicographic order, numbered, on the console.
#include <cstdint>
#include <cstdio>

#include "console/getch.h"

constexpr int perm_size = 7;  // numbers 0..6, levels 0..6
constexpr int leaf_level = perm_size - 1;

static std::int32_t perm_count;
// Position k (1..6) holds the number placed at level k - 1; position 0 is unused.
static std::int32_t perm_prefix[perm_size];

static int prefix_contains(std::int32_t n, std::int32_t d)
{
    for (int k = 1; k <= d; ++k) {
        if (perm_prefix[k] == n) {
            return 1;
        }
    }
    return 0;
}

static void perm_search(std::int32_t v, std::int32_t d)
{
    if (d == leaf_level) {
        ++perm_count;
        std::printf("%d : ", perm_count);
        for (int k = 1; k <= leaf_level; ++k) {
            std::printf("%d ", perm_prefix[k]);
        }
        std::printf("%d \n", v);
        return;
    }
    for (std::int32_t i = 0; i < perm_size; ++i) {
        if (i == v || prefix_contains(i, d)) {
            continue;
        }
        perm_prefix[d + 1] = v;
        perm_search(i, d + 1);
    }
}

int main()
{
    for (std::int32_t v = 0; v < perm_size; ++v) {
        perm_search(v, 0);
    }
    _getch();
    return 0;
}
