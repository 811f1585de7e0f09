// A console listing: lines formatted by hand into a large buffer and handed to standard
// output in blocks, and the running line number as text.
#include "console/listing.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "console/getch.h"
#include "console/output.h"

// Into a file or a pipe, a second thread writes one buffer while the search fills the
// other: the kernel's copy of the lines into the file then overlaps the search instead of
// adding to it. It starts with the first full buffer, so that a short listing costs no
// thread. On a terminal each line is written at once, from the search's thread.
static char buffers[2][listing_capacity];
char* listing = buffers[0];
std::size_t listing_used;
bool line_by_line;

char line_number_text[24] = "1";
int line_number_length = 1;

static const char* listing_program = "";

static std::thread writer;
static std::mutex writer_mutex;
static std::condition_variable writer_signal;
static const char* handed_over;  // the buffer the writer is to write, nullptr when none
static std::size_t handed_over_size;
static bool listing_done;

static void write_block(const char* data, std::size_t size)
{
    if (std::fwrite(data, 1, size, stdout) < size) {
        end_if_output_failed(listing_program);
    }
}

static void write_handed_over()
{
    std::unique_lock<std::mutex> lock(writer_mutex);
    for (;;) {
        writer_signal.wait(lock, [] { return handed_over != nullptr || listing_done; });
        if (handed_over == nullptr) {
            return;
        }
        const char* data = handed_over;
        const std::size_t size = handed_over_size;
        lock.unlock();
        write_block(data, size);
        lock.lock();
        handed_over = nullptr;
        writer_signal.notify_all();
    }
}

void start_listing(const char* program)
{
    listing_program = program;
    line_by_line = stdout_is_terminal();
}

void flush_listing()
{
    if (line_by_line) {
        write_block(listing, listing_used);
        listing_used = 0;
        return;
    }
    if (!writer.joinable()) {
        writer = std::thread(write_handed_over);
    }
    std::unique_lock<std::mutex> lock(writer_mutex);
    writer_signal.wait(lock, [] { return handed_over == nullptr; });
    handed_over = listing;
    handed_over_size = listing_used;
    writer_signal.notify_all();
    listing = listing == buffers[0] ? buffers[1] : buffers[0];
    listing_used = 0;
}

void finish_listing()
{
    if (!writer.joinable()) {
        write_block(listing, listing_used);
        listing_used = 0;
        return;
    }
    flush_listing();
    {
        std::unique_lock<std::mutex> lock(writer_mutex);
        writer_signal.wait(lock, [] { return handed_over == nullptr; });
        listing_done = true;
        writer_signal.notify_all();
    }
    writer.join();
}
