// Runs a program as a separate process and collects what it writes.
#ifndef TESTS_PROCESS_H
#define TESTS_PROCESS_H

#include <string>

struct ProcessResult {
    std::string out;
    std::string err;
    int exit_status = -1;  // -1 when the process did not exit normally
};

// Runs the shell command line with standard input from /dev/null unless the command
// redirects it itself.
ProcessResult run_process(const std::string& command);

std::string read_file(const std::string& path);

#endif
