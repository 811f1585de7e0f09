// Runs a program on a fresh pseudo-terminal, as a user at a terminal would.
#include "pty_session.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

PtySession::~PtySession()
{
    if (pid_ > 0 && status_ < 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
}

bool PtySession::start(const std::string& program, const std::vector<std::string>& args,
                       const std::string& output_file)
{
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
        return false;
    }
    at_start_ = attributes();
    pid_ = fork();
    if (pid_ < 0) {
        return false;
    }
    if (pid_ == 0) {
        setsid();
        ioctl(slave_, TIOCSCTTY, 0);
        dup2(slave_, STDIN_FILENO);
        const int output = output_file.empty()
                               ? slave_
                               : open(output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(output, STDOUT_FILENO);
        dup2(slave_, STDERR_FILENO);
        close(master_);
        close(slave_);
        ::signal(SIGINT, SIG_DFL);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return true;
}

std::string PtySession::read_until_quiet(int quiet_ms, int max_ms)
{
    std::string out;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(max_ms);
    while (std::chrono::steady_clock::now() < deadline) {
        struct pollfd p = {master_, POLLIN, 0};
        if (poll(&p, 1, quiet_ms) <= 0) {
            break;
        }
        char buf[4096];
        const ssize_t n = read(master_, buf, sizeof buf);
        if (n <= 0) {
            break;  // EIO: the program has ended and closed the terminal
        }
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

void PtySession::send(const std::string& bytes)
{
    if (write(master_, bytes.data(), bytes.size()) < 0) {
        return;
    }
}

void PtySession::signal(int sig) { kill(pid_, sig); }

bool PtySession::running()
{
    if (status_ >= 0) {
        return false;
    }
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = status;
        return false;
    }
    return true;
}

int PtySession::wait_exit(int timeout_ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (running()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return status_;
}

struct termios PtySession::attributes() const
{
    struct termios t;
    std::memset(&t, 0, sizeof t);
    tcgetattr(slave_, &t);
    return t;
}

bool same_attributes(const struct termios& a, const struct termios& b)
{
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

std::string without_carriage_returns(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    return out;
}
