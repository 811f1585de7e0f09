// A file written whole or not at all.
#include "run/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const temporary_suffix = ".tmp-XXXXXX";

// The temporary files a run has open at once: its tree, or the page being saved.
constexpr int max_temporary_files = 4;

// A temporary file's name where the signal handler can read it, in a buffer of its own that
// nothing allocates or frees. It is armed from before the file is made until after it is
// renamed or removed: while armed, the name is either that file's or no file's.
struct TemporaryName {
    std::atomic<bool> taken{false};
    std::atomic<bool> armed{false};
    char name[PATH_MAX] = "";
};
TemporaryName temporary_names[max_temporary_files];
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler reads them");

// The signals that end a run from outside, and what each did before the handler took it.
const int ending_signals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
constexpr int ending_signal_count = sizeof ending_signals / sizeof ending_signals[0];
struct sigaction actions_before[ending_signal_count];

// Set by the handler: the process is ending. A thread that makes a file while the handler runs
// on another removes that file itself, as the handler may have looked at its name before.
std::atomic<bool> ending{false};

// Removes the temporary files, then ends the process by the same signal. Only
// async-signal-safe calls: unlink, sigaction, raise. The signal, blocked while its handler
// runs, is taken with its default action as soon as the handler returns.
void remove_temporary_files(int sig)
{
    const int saved_errno = errno;
    ending = true;
    for (TemporaryName& t : temporary_names) {
        if (t.armed) unlink(t.name);
    }
    for (int k = 0; k < ending_signal_count; ++k) {
        if (ending_signals[k] == sig) sigaction(sig, &actions_before[k], nullptr);
    }
    raise(sig);
    errno = saved_errno;
}

// Installs the handler, once, on each ending signal still at its default action: a signal the
// process ignores or handles itself is left to it, and so the handler always ends the process.
// console/getch.cpp's handler, installed over this one while a key is awaited, restores it
// before raising the signal again; raster/window.cpp puts back whatever SDL's start replaced.
void remove_temporary_files_on_signals()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction on_signal = {};
    on_signal.sa_handler = remove_temporary_files;
    sigemptyset(&on_signal.sa_mask);
    for (const int sig : ending_signals) sigaddset(&on_signal.sa_mask, sig);
    for (int k = 0; k < ending_signal_count; ++k) {
        sigaction(ending_signals[k], nullptr, &actions_before[k]);
        if ((actions_before[k].sa_flags & SA_SIGINFO) == 0 &&
            actions_before[k].sa_handler == SIG_DFL) {
            sigaction(ending_signals[k], &on_signal, nullptr);
        }
    }
}

int take_temporary_name()
{
    for (int k = 0; k < max_temporary_files; ++k) {
        bool free = false;
        if (temporary_names[k].taken.compare_exchange_strong(free, true)) return k;
    }
    return -1;
}

void give_back_temporary_name(WholeFile& file)
{
    if (file.slot < 0) return;
    temporary_names[file.slot].armed = false;
    temporary_names[file.slot].taken = false;
    file.slot = -1;
}

// mkstemp makes a file that only its owner can read; ours get the permissions that any new
// file of the user gets.
mode_t new_file_mode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int refusal_of(mode_t mode)
{
    if (S_ISREG(mode)) return 0;
    if (S_ISDIR(mode)) return EISDIR;
    if (S_ISFIFO(mode)) return holds_fifo;
    if (S_ISSOCK(mode)) return holds_socket;
    return holds_device;
}

// The file that path stands for, into target, and 0 when it may take a new regular file.
// A name that holds nothing is its own target; a missing folder is found when the temporary
// file cannot be made there.
int find_target(const std::string& path, std::string& target)
{
    target = path;
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) return errno == ENOENT ? 0 : errno;
    if (S_ISLNK(status.st_mode)) {
        char* resolved = realpath(path.c_str(), nullptr);
        if (resolved == nullptr) return errno == ENOENT ? holds_dangling_link : errno;
        target = resolved;
        std::free(resolved);
        if (stat(target.c_str(), &status) != 0) return errno;
    }
    return refusal_of(status.st_mode);
}

}  // namespace

const char* whole_file_reason(int error)
{
    switch (error) {
    case holds_fifo:
        return "Is a FIFO, not a regular file";
    case holds_device:
        return "Is a device, not a regular file";
    case holds_socket:
        return "Is a socket, not a regular file";
    case holds_dangling_link:
        return "Is a symbolic link to no file";
    default:
        return std::strerror(error);
    }
}

int begin_whole_file(WholeFile& file, const std::string& path)
{
    drop_whole_file(file);  // what it held before, if it was never completed
    file.path = path;
    // The temporary file stands beside the file the name stands for: path, or the file its
    // link leads to, so that the rename stays within one file system.
    std::string target;
    if (const int error = find_target(path, target)) return error;
    if (target.size() + std::strlen(temporary_suffix) >= PATH_MAX) return ENAMETOOLONG;
    remove_temporary_files_on_signals();
    file.slot = take_temporary_name();
    if (file.slot < 0) return EMFILE;
    TemporaryName& t = temporary_names[file.slot];
    std::snprintf(t.name, sizeof t.name, "%s%s", target.c_str(), temporary_suffix);
    t.armed = true;
    file.fd = mkstemp(t.name);
    int error = file.fd < 0 ? errno : 0;
    if (error == 0 && ending) error = EINTR;
    if (error == 0 && fchmod(file.fd, new_file_mode()) != 0) error = errno;
    if (error != 0) drop_whole_file(file);
    return error;
}

int add_to_whole_file(WholeFile& file, const void* bytes, std::size_t size)
{
    const char* p = static_cast<const char*>(bytes);
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = write(file.fd, p + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int end_whole_file(WholeFile& file)
{
    const char* temporary = temporary_names[file.slot].name;
    // Without the sync a crash soon after the rename could leave the new name on an empty file.
    int error = fsync(file.fd) != 0 ? errno : 0;
    if (close(file.fd) != 0 && error == 0) error = errno;
    file.fd = -1;
    // The name may have been given to something else while the file was being written.
    std::string target;
    if (error == 0) error = find_target(file.path, target);
    if (error == 0 && std::rename(temporary, target.c_str()) != 0) error = errno;
    if (error != 0) unlink(temporary);
    give_back_temporary_name(file);
    return error;
}

void drop_whole_file(WholeFile& file)
{
    // Only a file that mkstemp made is ours to remove.
    if (file.fd >= 0) {
        close(file.fd);
        unlink(temporary_names[file.slot].name);
    }
    file.fd = -1;
    give_back_temporary_name(file);
}

int write_whole_file(const std::string& path, const void* bytes, std::size_t size)
{
    WholeFile file;
    int error = begin_whole_file(file, path);
    if (error != 0) return error;
    error = add_to_whole_file(file, bytes, size);
    if (error != 0) {
        drop_whole_file(file);
        return error;
    }
    return end_whole_file(file);
}
