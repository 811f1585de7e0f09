// A console listing: lines formatted by hand into a large buffer and handed to standard
// output in blocks, and the running line number as text.
#include "console/listing.h"

#include <cstdio>

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
}

void flush_listing()
{
    const std::size_t size = listing_used;
    listing_used = 0;
    if (std::fwrite(listing, 1, size, stdout) < size) {
        end_if_output_failed(listing_program);
    }
}
