// Amounts and durations written as a person reads them, for the progress line and the
// estimates.
#include "run/figures.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Past this, whole amounts are written with the power of ten.
constexpr double in_full_below = 1e15;

// The power of ten without its plus sign and leading zeros: 1.3e48, as a person writes it.
void write_power_form(char* out, std::size_t size, double amount, int digits)
{
    const int exponent = static_cast<int>(std::floor(std::log10(amount)));
    double mantissa = amount / std::pow(10.0, exponent);
    const double step = std::pow(10.0, digits - 1);
    mantissa = std::round(mantissa * step) / step;
    if (mantissa >= 10) {  // 9.96 rounded up to 10
        std::snprintf(out, size, "1e%d", exponent + 1);
    } else if (mantissa == std::floor(mantissa)) {
        std::snprintf(out, size, "%.0fe%d", mantissa, exponent);
    } else {
        std::snprintf(out, size, "%.*fe%d", digits - 1, mantissa, exponent);
    }
}

}  // namespace

void write_amount(char* out, std::size_t size, double amount)
{
    if (amount >= in_full_below) {
        write_power_form(out, size, amount, 2);
        return;
    }
    // The groups of three digits, the highest first, each written after the one before.
    const auto whole = static_cast<long long>(std::llround(amount));
    long long unit = 1;
    while (unit * 1000 <= whole) unit *= 1000;
    int used = std::snprintf(out, size, "%lld", whole / unit);
    for (unit /= 1000; unit > 0 && used > 0 && static_cast<std::size_t>(used) < size;
         unit /= 1000) {
        used += std::snprintf(out + used, size - static_cast<std::size_t>(used), ",%03lld",
                              whole / unit % 1000);
    }
}

void write_rounded(char* out, std::size_t size, double amount)
{
    constexpr int digits = 3;
    if (amount >= 1000) {
        const double unit = std::pow(10.0, std::floor(std::log10(amount)) - (digits - 1));
        amount = std::round(amount / unit) * unit;
    }
    write_amount(out, size, amount);
}

void write_short(char* out, std::size_t size, double amount)
{
    constexpr double million = 1e6, past_letters = 1e15;
    if (amount < million) {
        write_amount(out, size, amount);
    } else if (amount < past_letters) {
        const char* const letters = "MGT";
        int k = 0;
        double scaled = amount / million;
        while (scaled >= 999.5 && k < 2) {
            scaled /= 1000;
            ++k;
        }
        const int decimals = scaled < 9.995 ? 2 : scaled < 99.95 ? 1 : 0;
        std::snprintf(out, size, "%.*f%c", decimals, scaled, letters[k]);
    } else {
        write_power_form(out, size, amount, 2);
    }
}

void write_duration(char* out, std::size_t size, double seconds)
{
    constexpr double minute = 60, hour = 60 * minute, day = 24 * hour, year = 365.25 * day;
    constexpr double years_in_full = 10000;
    if (seconds < 10) {
        std::snprintf(out, size, "%.1f s", seconds);
    } else if (seconds < minute) {
        std::snprintf(out, size, "%.0f s", seconds);
    } else if (seconds < hour) {
        std::snprintf(out, size, "%.1f min", seconds / minute);
    } else if (seconds < day) {
        std::snprintf(out, size, "%.1f hours", seconds / hour);
    } else if (seconds < year) {
        std::snprintf(out, size, "%.1f days", seconds / day);
    } else if (seconds < years_in_full * year) {
        std::snprintf(out, size, "%.0f years", seconds / year);
    } else {
        write_power_form(out, size, seconds / year, 1);
        const std::size_t used = std::strlen(out);
        std::snprintf(out + used, size - used, " years");
    }
}

void write_clock(char* out, std::size_t size, double seconds)
{
    const auto whole = static_cast<long long>(seconds);
    const long long hours = whole / 3600, minutes = whole / 60 % 60, rest = whole % 60;
    if (hours > 0) {
        std::snprintf(out, size, "%lld:%02lld:%02lld", hours, minutes, rest);
    } else {
        std::snprintf(out, size, "%lld:%02lld", minutes, rest);
    }
}
