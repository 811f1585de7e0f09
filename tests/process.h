// Runs a program as a separate process and collects what it writes.
#ifndef TESTS_PROCESS_H
#define TESTS_PROCESS_H

#include <string>
#include <vector>

struct ProcessResult {
    std::string out;
    std::string err;
    int exit_status = -1;  // -1 when the process did not exit normally
};

// Runs the shell command line with standard input from /dev/null unless the command
// redirects it itself.
ProcessResult run_process(const std::string& command);

std::string read_file(const std::string& path);

// The text's lines, without their line ends.
std::vector<std::string> lines_of(const std::string& text);

// The lines of standard error that the program itself wrote (they start with its name);
// the libraries below it may add their own.
std::vector<std::string> own_lines(const std::string& err, const std::string& program);

struct ClosedPipeRun {
    std::string head;      // what was read before the pipe was closed
    std::string err;       // standard error
    int wait_status = -1;  // as waitpid gives it; -1 when the program had to be killed
};

// Runs the shell command line (input from /dev/null) with its standard output into a
// pipe, reads head_bytes from it (fewer if it ends), closes the pipe and waits up to
// timeout_ms for the program to end, killing it after. With sigpipe_ignored the program
// starts with SIGPIPE ignored, as some parents leave it.
ClosedPipeRun run_until_pipe_closed(const std::string& command, size_t head_bytes,
                                    bool sigpipe_ignored, int timeout_ms = 20000);

#endif
