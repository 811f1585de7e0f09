// The peer of `permlist --size N --no-wait`: the same listing, byte for byte, written the
// straightforward way: std::next_permutation for the orderings, each line formatted by hand
// into a 64 KiB buffer that goes out with fwrite when full.
// Usage: next_permutation_lister N
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>

static char buffer[1 << 16];
static size_t used;

static char* put_number(char* p, unsigned long n)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (count > 0) *p++ = digits[--count];
    return p;
}

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    const int size = static_cast<int>(std::strtol(argv[1], nullptr, 10));
    if (size < 1 || size > 12) return 2;
    int numbers[12];
    std::iota(numbers, numbers + size, 0);
    unsigned long line = 0;
    do {
        if (used + 128 > sizeof buffer) {
            std::fwrite(buffer, 1, used, stdout);
            used = 0;
        }
        char* p = put_number(buffer + used, ++line);
        std::memcpy(p, " : ", 3);
        p += 3;
        for (int k = 0; k < size; ++k) {
            p = put_number(p, static_cast<unsigned long>(numbers[k]));
            *p++ = ' ';
        }
        *p++ = '\n';
        used = static_cast<size_t>(p - buffer);
    } while (std::next_permutation(numbers, numbers + size));
    std::fwrite(buffer, 1, used, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
