// The progress line of a long run: how far it has come, on standard error, while it runs.
#include "run/progress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

#include "run/figures.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto quiet_start = std::chrono::seconds(1);  // a short run shows no line at all
constexpr auto terminal_period = std::chrono::milliseconds(200);
constexpr auto log_period = std::chrono::seconds(1);
constexpr int usual_width = 80;
// Erases from the cursor to the end of the line: a shorter line leaves nothing of a longer.
constexpr const char* erase_rest = "\x1b[K";

ProgressSource source;
bool on_terminal;
std::thread sampler;
std::mutex lock;
std::condition_variable woken;
bool stopping;
bool line_shown;
Clock::time_point started;

// "3.46M of 13.0M tilings (26.6%) in 0:01, about 0:03 left; 20.1M calls, 25.1M/s": what
// matters most comes first, since a narrow terminal cuts the line's end.
void compose(char* line, std::size_t size, double seconds)
{
    const ProgressSample now = source.sample();
    char found[figure_room], clock[figure_room];
    write_short(found, sizeof found, now.found);
    write_clock(clock, sizeof clock, seconds);
    char pages[figure_room + 16] = "", count[4 * figure_room] = "", left[figure_room + 16] = "",
                             calls[3 * figure_room] = "";
    if (now.pages >= 0) std::snprintf(pages, sizeof pages, "%.0f pages, ", now.pages);
    if (source.total >= 0) {
        char total[figure_room];
        write_short(total, sizeof total, source.total);
        const double share = source.total > 0 ? 100 * now.found / source.total : 100;
        if (share >= 0.05 || share == 0) {
            std::snprintf(count, sizeof count, "%s of %s %s (%.1f%%)", found, total,
                          source.found_name, share);
        } else {
            std::snprintf(count, sizeof count, "%s of %s %s (<0.1%%)", found, total,
                          source.found_name);
        }
    } else {
        std::snprintf(count, sizeof count, "%s %s", found, source.found_name);
    }
    if (source.total > 0 && now.found > 0) {
        char duration[figure_room];
        write_duration(duration, sizeof duration, seconds * (source.total - now.found) / now.found);
        std::snprintf(left, sizeof left, ", about %s left", duration);
    }
    if (now.calls >= 0) {
        char made[figure_room], rate[figure_room];
        write_short(made, sizeof made, now.calls);
        write_short(rate, sizeof rate, seconds > 0 ? now.calls / seconds : 0);
        std::snprintf(calls, sizeof calls, "; %s calls, %s/s", made, rate);
    }
    std::snprintf(line, size, "%s%s in %s%s%s", pages, count, clock, left, calls);
}

void write_all(const char* text, std::size_t length)
{
    while (length > 0) {
        const ssize_t n = write(STDERR_FILENO, text, length);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // a standard error that takes nothing loses the line, no more
        text += n;
        length -= static_cast<std::size_t>(n);
    }
}

int terminal_width()
{
    struct winsize size = {};
    return ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col
                                                                           : usual_width;
}

void draw(double seconds)
{
    constexpr std::size_t longest = 256;
    char text[longest];
    char line[longest + 64];
    compose(text, sizeof text, seconds);
    int length = 0;
    if (on_terminal) {
        // The cursor stays on the line: one character short of the width, so that the
        // terminal never wraps it onto a second line that a carriage return cannot reach.
        const int room = terminal_width() - 1;
        length = std::snprintf(line, sizeof line, "\r%.*s%s", room, text, erase_rest);
        line_shown = true;
    } else {
        length = std::snprintf(line, sizeof line, "%s: %s\n", source.program, text);
    }
    if (length > 0) write_all(line, std::min(static_cast<std::size_t>(length), sizeof line - 1));
}

void sample_until_stopped()
{
    const auto period = on_terminal ? Clock::duration(terminal_period) : log_period;
    auto next = started + quiet_start;
    std::unique_lock<std::mutex> hold(lock);
    while (!woken.wait_until(hold, next, [] { return stopping; })) {
        const auto now = Clock::now();
        draw(std::chrono::duration<double>(now - started).count());
        next = std::max(next + period, now);
    }
    if (line_shown) {
        const char erase[] = "\r\x1b[K";
        write_all(erase, sizeof erase - 1);
    }
}

}  // namespace

void start_progress(ProgressChoice choice, bool output_on_terminal, const ProgressSource& from)
{
    const bool error_on_terminal = isatty(STDERR_FILENO) != 0;
    const bool wanted =
        choice == ProgressChoice::shown ||
        (choice == ProgressChoice::automatic && error_on_terminal && !output_on_terminal);
    if (!wanted || sampler.joinable()) return;
    source = from;
    on_terminal = error_on_terminal;
    stopping = false;
    line_shown = false;
    started = Clock::now();
    static bool end_registered = false;
    if (!end_registered) end_registered = std::atexit(end_progress) == 0;
    try {
        sampler = std::thread(sample_until_stopped);
    } catch (const std::system_error&) {
        // Without a thread to draw it (a browser has none), the run goes on without the line.
    }
}

void end_progress()
{
    if (!sampler.joinable()) return;
    {
        const std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    woken.notify_one();
    sampler.join();
}
