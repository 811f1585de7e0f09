// Runs a program as a separate process and collects what it writes.
#include "process.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

ProcessResult run_process(const std::string& command)
{
    char err_path[] = "/tmp/process-stderr-XXXXXX";
    const int err_fd = mkstemp(err_path);
    close(err_fd);

    ProcessResult result;
    const std::string line = "exec 0</dev/null; " + command + " 2>" + err_path;
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) {
        result.out.append(buf, n);
    }
    const int status = pclose(pipe);
    if (WIFEXITED(status)) {
        result.exit_status = WEXITSTATUS(status);
    }
    result.err = read_file(err_path);
    unlink(err_path);
    return result;
}
