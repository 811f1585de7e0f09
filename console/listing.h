// A console listing: lines formatted by hand into a large buffer and handed to standard
// output in blocks, and the running line number as text.
#ifndef CONSOLE_LISTING_H
#define CONSOLE_LISTING_H

#include <cstddef>
#include <cstring>

// One stdio call per line cost more than the searches themselves: lines gather here.
constexpr std::size_t listing_capacity = std::size_t{1} << 16;
extern char listing[listing_capacity];
extern std::size_t listing_used;
// On a terminal each line goes out as soon as it is complete.
extern bool line_by_line;

// Decides how the lines go out, and names the program for a write error. Until the last
// flush_listing, nothing else may go to standard output.
void start_listing(const char* program);

// Hands the gathered lines to standard output; a failed write ends the program.
void flush_listing();

// Where the next line goes, with room for longest bytes: the most its writing may touch,
// copies of fixed length that reach past its end included.
inline char* next_line(std::size_t longest)
{
    if (listing_used + longest > listing_capacity) {
        flush_listing();
    }
    return listing + listing_used;
}

// The line written at next_line() ends just before end.
inline void end_line(const char* end)
{
    listing_used = static_cast<std::size_t>(end - listing);
    if (line_by_line) {
        flush_listing();
    }
}

// Writes the decimal digits of a non-negative n at p and returns the end.
inline char* put_number(char* p, int n)
{
    if (n < 10) {
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

// The number of the next line in decimal (no sign, no padding), counted up alongside it:
// stepping the text costs less than converting the number again for every line. Copies of
// all sizeof line_number_text bytes are safe. Count up after the line is written, not
// before: a copy that reads the whole text right after a digit of it was written waits
// for that write to reach the cache, and that wait cost as much as the rest of the line.
extern char line_number_text[24];
extern int line_number_length;

inline void count_line_up()
{
    int k = line_number_length - 1;
    while (k >= 0 && line_number_text[k] == '9') {
        line_number_text[k--] = '0';
    }
    if (k >= 0) {
        ++line_number_text[k];
    } else {
        std::memmove(line_number_text + 1, line_number_text,
                     static_cast<std::size_t>(line_number_length));
        line_number_text[0] = '1';
        ++line_number_length;
    }
}

#endif
