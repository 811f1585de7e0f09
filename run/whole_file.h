// A file written whole or not at all: made under a temporary name in its folder, and given
// its own name only once it is complete and on disk, so that the name never holds half a
// file and an existing file of that name is replaced only by a complete new one.
#ifndef RUN_WHOLE_FILE_H
#define RUN_WHOLE_FILE_H

#include <cstddef>
#include <string>

struct WholeFile {
    std::string path;       // the name it takes when complete
    std::string temporary;  // its name until then
    int fd = -1;
};

// Each returns 0, or the errno of the first call that failed.

// Makes the temporary file beside path, with the permissions any new file of the user gets.
int begin_whole_file(WholeFile& file, const std::string& path);

// Writes the bytes at the end of the file.
int add_to_whole_file(WholeFile& file, const void* bytes, std::size_t size);

// Syncs the file to disk and gives it its name; the temporary file goes if anything fails.
int end_whole_file(WholeFile& file);

// Removes the temporary file of a file that will not be completed (nothing if there is none).
void drop_whole_file(WholeFile& file);

// The bytes as a whole file at path.
int write_whole_file(const std::string& path, const void* bytes, std::size_t size);

#endif
