// Runs a program as a separate process and collects what it writes.
#include "process.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
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

ClosedPipeRun run_until_pipe_closed(const std::string& command, size_t head_bytes,
                                    bool sigpipe_ignored, int timeout_ms)
{
    ClosedPipeRun run;
    char err_path[] = "/tmp/process-stderr-XXXXXX";
    const int err_fd = mkstemp(err_path);
    int out[2];
    if (err_fd < 0 || pipe(out) != 0) {
        return run;
    }
    const std::string line = "exec " + command;
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGPIPE, sigpipe_ignored ? SIG_IGN : SIG_DFL);
        const int null_fd = open("/dev/null", O_RDONLY);
        dup2(null_fd, STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err_fd, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        execl("/bin/sh", "sh", "-c", line.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    close(err_fd);
    char buf[4096];
    while (run.head.size() < head_bytes) {
        const ssize_t n = read(out[0], buf, std::min(sizeof buf, head_bytes - run.head.size()));
        if (n <= 0) break;
        run.head.append(buf, static_cast<size_t>(n));
    }
    close(out[0]);

    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            status = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    run.wait_status = status;
    run.err = read_file(err_path);
    unlink(err_path);
    return run;
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> own_lines(const std::string& err, const std::string& program)
{
    std::vector<std::string> lines;
    for (const std::string& line : lines_of(err)) {
        if (line.rfind(program + ":", 0) == 0) lines.push_back(line);
    }
    return lines;
}
