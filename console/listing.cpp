// A console listing: lines formatted by hand into a large buffer and handed to standard
// output in blocks, and the running line number as text.
#include "console/listing.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include "console/getch.h"
#include "console/output.h"

char listing[listing_capacity];
std::size_t listing_used;
bool line_by_line;

char line_number_text[24] = "1";
int line_number_length = 1;

static const char* listing_program = "";

void start_listing(const char* program)
{
    listing_program = program;
    line_by_line = stdout_is_terminal();
    std::fflush(stdout);  // the lines go past stdio: whatever it holds goes before them
}

// The lines go to the file descriptor in one write each time: through stdio, every
// block not a whole number of its buffers cost a second write and a copy.
void flush_listing()
{
    const char* p = listing;
    std::size_t left = listing_used;
    listing_used = 0;
    while (left > 0) {
        const ssize_t written = write(STDOUT_FILENO, p, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            end_output_failed(listing_program, errno);
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
}
