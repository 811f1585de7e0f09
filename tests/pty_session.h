// Runs a program on a fresh pseudo-terminal, as a user at a terminal would.
#ifndef TESTS_PTY_SESSION_H
#define TESTS_PTY_SESSION_H

#include <string>
#include <sys/types.h>
#include <vector>
#include <termios.h>

class PtySession {
  public:
    PtySession() = default;
    PtySession(const PtySession&) = delete;
    PtySession& operator=(const PtySession&) = delete;
    ~PtySession();  // kills the program if it still runs

    // Starts program with the arguments, the terminal as its controlling terminal and
    // stdin/stdout/stderr; with an output file, standard output goes there instead.
    bool start(const std::string& program, const std::vector<std::string>& args = {},
               const std::string& output_file = "");

    // Collects output until none has come for quiet_ms, or max_ms have passed in all.
    std::string read_until_quiet(int quiet_ms, int max_ms);

    void send(const std::string& bytes);
    void signal(int sig);
    bool running();

    // Waits up to timeout_ms for the program to end; returns its waitpid status, or -1.
    int wait_exit(int timeout_ms);

    // The terminal's current attributes, as the program sees them.
    struct termios attributes() const;

    // The terminal's attributes before the program started. (Read after start, they may
    // already be the program's own: on a busy machine it can reach its key wait first.)
    struct termios attributes_at_start() const { return at_start_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    pid_t pid_ = -1;
    int status_ = -1;
    struct termios at_start_ = {};
};

bool same_attributes(const struct termios& a, const struct termios& b);

// Turns the terminal's "\r\n" line ends back into "\n".
std::string without_carriage_returns(const std::string& text);

#endif
