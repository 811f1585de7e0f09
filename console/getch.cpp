// Single unechoed key read for the console programs.
#include "console/getch.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

const int restoring_signals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int restoring_signal_count = sizeof restoring_signals / sizeof restoring_signals[0];

struct termios saved_terminal;
struct sigaction saved_actions[restoring_signal_count];

// Puts the terminal back, then lets the signal do what it would have done: the handler
// is only there so that the user's shell never stays in no-echo mode.
void restore_and_reraise(int sig)
{
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_terminal);
    for (int k = 0; k < restoring_signal_count; ++k) {
        if (restoring_signals[k] == sig) {
            sigaction(sig, &saved_actions[k], nullptr);
        }
    }
    raise(sig);
}

int read_one_byte()
{
    unsigned char c;
    ssize_t n;
    do {
        n = read(STDIN_FILENO, &c, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1 ? c : -1;
}

}  // namespace

bool stdout_is_terminal() { return isatty(STDOUT_FILENO) != 0; }

int _getch()
{
    std::fflush(stdout);
    if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &saved_terminal) != 0) {
        return read_one_byte();
    }

    struct sigaction on_signal = {};
    on_signal.sa_handler = restore_and_reraise;
    sigemptyset(&on_signal.sa_mask);
    for (int k = 0; k < restoring_signal_count; ++k) {
        sigaction(restoring_signals[k], nullptr, &saved_actions[k]);
        // A signal the caller chose to ignore stays ignored.
        if (saved_actions[k].sa_handler != SIG_IGN) {
            sigaction(restoring_signals[k], &on_signal, nullptr);
        }
    }

    struct termios raw = saved_terminal;
    raw.c_lflag &= ~(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);

    const int key = read_one_byte();

    // TCSAFLUSH drops what the key left unread (the tail of an arrow key's escape
    // sequence), so none of it lands in the shell's next command line.
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_terminal);
    for (int k = 0; k < restoring_signal_count; ++k) {
        sigaction(restoring_signals[k], &saved_actions[k], nullptr);
    }
    return key;
}
