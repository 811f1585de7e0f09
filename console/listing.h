// A console listing: lines formatted by hand into a large buffer and handed to standard
// output in blocks, and the running line number as text.
#ifndef CONSOLE_LISTING_H
#define CONSOLE_LISTING_H

#include <cstddef>
#include <cstring>

// Lines gather here and go to standard output in blocks of this size: one write for many
// lines, instead of a stdio call for each.
constexpr std::size_t listing_capacity = std::size_t{1} << 17;
extern char* listing;
extern std::size_t listing_used;
// On a terminal each line goes out as soon as it is complete.
extern bool line_by_line;

// Decides how the lines go out, and names the program for a write error. Until the last
// flush_listing, nothing else may go to standard output.
void start_listing(const char* program);

// From now until the next start_listing the lines are made and dropped, not written: for a
// run that times the making of a listing.
void discard_listing();

// Passes the gathered lines on to standard output and starts a new block; a failed write
// ends the program.
void pass_listing_on();

// Writes out every line gathered and returns when they are all written: what the program
// writes next comes after them.
void flush_listing();

// Where the next line goes, with room for longest bytes: the most its writing may touch,
// copies of fixed length that reach past its end included.
inline char* next_line(std::size_t longest)
{
    if (listing_used + longest > listing_capacity) {
        pass_listing_on();
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

// Copies length bytes from `from` to `to` in whole chunks of text_chunk bytes: both may be
// touched up to a chunk past length. Fixed-size copies are made inline, where a copy of any
// length is a call.
constexpr int text_chunk = 32;
inline void copy_text(char* to, const char* from, int length)
{
    for (int k = 0; k < length; k += text_chunk) std::memcpy(to + k, from + k, text_chunk);
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
// stepping the text is cheaper than converting the number for every line. It is kept in two
// parts, the text of its tens (the number without its last digit, empty below 10) and the
// last digit: a copy of the whole text right after a digit of it was written would wait for
// that write to reach the cache, and the tens change only every tenth line.
extern char line_tens_text[24];
extern int line_tens_length;
extern int line_last_digit;

// Writes the line number at p, with copies that may reach up to line_number_room bytes past
// p, and returns its end.
constexpr std::size_t line_number_room = sizeof line_tens_text + 1;
inline char* put_line_number(char* p)
{
    std::memcpy(p, line_tens_text, sizeof line_tens_text);
    p += line_tens_length;
    *p++ = static_cast<char>('0' + line_last_digit);
    return p;
}

inline int line_number_length() { return line_tens_length + 1; }

void count_tens_up();

inline void count_line_up()
{
    if (++line_last_digit == 10) {
        line_last_digit = 0;
        count_tens_up();
    }
}

#endif
