// A file written whole or not at all.
#include "run/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

// mkstemp makes a file that only its owner can read; ours get the permissions that any new
// file of the user gets.
static mode_t new_file_mode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int begin_whole_file(WholeFile& file, const std::string& path)
{
    file.path = path;
    file.temporary = path + ".tmp-XXXXXX";
    file.fd = mkstemp(&file.temporary[0]);
    if (file.fd < 0) {
        file.temporary.clear();
        return errno;
    }
    if (fchmod(file.fd, new_file_mode()) != 0) {
        const int error = errno;
        drop_whole_file(file);
        return error;
    }
    return 0;
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
    // Without the sync a crash soon after the rename could leave the new name on an empty file.
    int error = fsync(file.fd) != 0 ? errno : 0;
    if (close(file.fd) != 0 && error == 0) error = errno;
    file.fd = -1;
    if (error == 0 && std::rename(file.temporary.c_str(), file.path.c_str()) != 0) error = errno;
    if (error != 0) unlink(file.temporary.c_str());
    file.temporary.clear();
    return error;
}

void drop_whole_file(WholeFile& file)
{
    if (file.fd >= 0) close(file.fd);
    file.fd = -1;
    if (!file.temporary.empty()) unlink(file.temporary.c_str());
    file.temporary.clear();
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
