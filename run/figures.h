// Amounts and durations written as a person reads them, for the progress line and the
// estimates.
#ifndef RUN_FIGURES_H
#define RUN_FIGURES_H

#include <cstddef>

// Room enough for every text below.
constexpr std::size_t figure_room = 32;

// A whole amount in full with a comma between thousands (12,988,816), or where that would
// take more than fifteen digits with its first digits and the power of ten (1.3e48).
void write_amount(char* out, std::size_t size, double amount);

// An amount known only to its first three digits: those digits and zeros (75,700,000), or
// as write_amount writes a large amount.
void write_rounded(char* out, std::size_t size, double amount);

// An amount in at most six characters, for a line that must fit the terminal: in full below a
// million (345,678), then in millions, billions and trillions (3.46M, 1.23G, 4.56T), then with
// the power of ten (1.2e15).
void write_short(char* out, std::size_t size, double amount);

// A stretch of time in the unit that suits it: "0.4 s", "12 s", "4.5 min", "3.2 hours",
// "2.5 days", "12 years", "1e33 years".
void write_duration(char* out, std::size_t size, double seconds);

// The time a run has taken, as a clock shows it: "0:07", "12:34", "1:02:03".
void write_clock(char* out, std::size_t size, double seconds);

#endif
