// A file written whole or not at all: made under a temporary name in its folder, and given
// its own name only once it is complete and on disk, so that the name never holds half a
// file and an existing file of that name is replaced only by a complete new one.
//
// What the name may hold already: nothing, or a regular file, which is replaced. A symbolic
// link to a regular file is written through: the link stays, and the new file takes the place
// of the file it leads to. Anything else is refused before a byte is written, and is never
// opened: a directory, a FIFO (opening it would wait for a reader), a device, a socket, and a
// link that leads to no file (its target's name is whatever the link says: following it could
// make a file anywhere, and replacing the link would break it silently).
//
// No temporary file outlives the process: SIGINT, SIGTERM, SIGHUP and SIGPIPE remove every
// temporary file still open, then end the process by the same signal as they would have
// without it (a signal the process ignores stays ignored).
#ifndef RUN_WHOLE_FILE_H
#define RUN_WHOLE_FILE_H

#include <cstddef>
#include <string>

struct WholeFile {
    std::string path;  // the name it takes when complete, as given
    int slot = -1;     // where its temporary name is kept for the signal handler; -1: none
    int fd = -1;
};

// Each returns 0, the errno of the first call that failed, or one of these refusals of what
// the name holds. whole_file_reason says which, in words.
enum : int {
    holds_fifo = -1,
    holds_device = -2,
    holds_socket = -3,
    holds_dangling_link = -4,
};

// The error's words, as strerror gives them for an errno ("Is a directory", "Is a FIFO, not
// a regular file").
const char* whole_file_reason(int error);

// Makes the temporary file beside the file that path stands for, with the permissions any new
// file of the user gets, once path is known to take a file.
int begin_whole_file(WholeFile& file, const std::string& path);

// Writes the bytes at the end of the file.
int add_to_whole_file(WholeFile& file, const void* bytes, std::size_t size);

// Syncs the file to disk and gives it its name, after checking once more what that name
// holds; the temporary file goes if anything fails.
int end_whole_file(WholeFile& file);

// Removes the temporary file of a file that will not be completed (nothing if there is none).
void drop_whole_file(WholeFile& file);

// The bytes as a whole file at path.
int write_whole_file(const std::string& path, const void* bytes, std::size_t size);

#endif
