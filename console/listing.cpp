// A console listing: lines formatted by hand into a large buffer and handed to standard
// output in blocks, and the running line number as text.
#include "console/listing.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <pthread.h>
#include <unistd.h>

#include "console/getch.h"
#include "console/output.h"

// Into a file or a pipe, writing a block costs the kernel about as long as making its
// lines: there a writer thread writes the full blocks of a ring while the search fills the
// next ones, and the two overlap. It starts with the first full block, so that a short
// listing costs no thread. A terminal and devices such as /dev/null, which cost the kernel
// little, are written from the search's thread.
constexpr int block_count = 16;
static char blocks[block_count][listing_capacity];
char* listing = blocks[0];
std::size_t listing_used;
bool line_by_line;

char line_tens_text[24];
int line_tens_length;
int line_last_digit = 1;

void count_tens_up()
{
    int k = line_tens_length - 1;
    while (k >= 0 && line_tens_text[k] == '9') {
        line_tens_text[k--] = '0';
    }
    if (k >= 0) {
        ++line_tens_text[k];
    } else {
        std::memmove(line_tens_text + 1, line_tens_text,
                     static_cast<std::size_t>(line_tens_length));
        line_tens_text[0] = '1';
        ++line_tens_length;
    }
}

static const char* listing_program = "";
static bool worth_a_writer;
static bool discarding;
// A POSIX thread, not std::thread: that would load the C++ library into every run of the
// console programs, which use nothing else of it.
static pthread_t writer;
static bool writer_started;

// Blocks handed to the writer, in order: number k lies in blocks[k % block_count], its size
// in handed_sizes. The writer has written those below blocks_written. What one thread
// writes and the other reads fills cache lines of its own: the search writes the listing's
// other variables at every line, and a line they shared would travel from core to core
// each time.
constexpr std::size_t cache_line = 64;
static struct alignas(cache_line) {
    std::atomic<long> blocks_handed{0};
    std::size_t handed_sizes[block_count] = {};
    std::atomic<bool> listing_done{false};
} from_search;
static struct alignas(cache_line) {
    std::atomic<long> blocks_written{0};
    std::atomic<int> error{0};  // the errno of a write that failed; the writer then stops
} from_writer;

// A thread that has to wait for the other looks again after a short sleep, longer as the
// wait goes on: a quarter of the time waited so far, so that it never oversleeps by much,
// up to a hundredth of a second, so that a long wait (a reader that stopped reading, a
// search between two far-apart finds) costs next to nothing. Waking a sleeping thread
// instead cost the waker a system call and the machine an interrupt, for each block: here
// that took more than the writing gained.
template <typename Ready> static void wait_until(Ready ready)
{
    constexpr long shortest_sleep_ns = 50'000;
    constexpr long longest_sleep_ns = 10'000'000;
    for (long waited_ns = 0; !ready();) {
        const long sleep_ns = std::clamp(waited_ns / 4, shortest_sleep_ns, longest_sleep_ns);
        const struct timespec pause = {0, sleep_ns};
        nanosleep(&pause, nullptr);
        waited_ns += sleep_ns;
    }
}

// Returns 0, or the errno of the write that failed.
static int write_block(const char* p, std::size_t left)
{
    while (left > 0) {
        const ssize_t written = write(STDOUT_FILENO, p, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// A failed write stops the writer; the search learns of it when it next hands a block over
// or finishes, and ends the run from its own thread.
static void* write_handed_blocks(void*)
{
    for (long k = 0;; ++k) {
        wait_until([k] {
            return k < from_search.blocks_handed.load(std::memory_order_acquire) ||
                   from_search.listing_done.load(std::memory_order_acquire);
        });
        if (k == from_search.blocks_handed.load(std::memory_order_acquire)) return nullptr;
        const int error =
            write_block(blocks[k % block_count], from_search.handed_sizes[k % block_count]);
        if (error != 0) {
            from_writer.error.store(error, std::memory_order_release);
            return nullptr;
        }
        from_writer.blocks_written.store(k + 1, std::memory_order_release);
    }
}

// Ends the run when the writer has stopped at a failed write.
static void end_if_writer_failed()
{
    const int error = from_writer.error.load(std::memory_order_acquire);
    if (error == 0) return;
    pthread_join(writer, nullptr);
    writer_started = false;
    end_output_failed(listing_program, error);
}

void start_listing(const char* program)
{
    listing_program = program;
    discarding = false;
    line_by_line = stdout_is_terminal();
    struct stat out;
    worth_a_writer = !line_by_line && fstat(STDOUT_FILENO, &out) == 0 &&
                     (S_ISREG(out.st_mode) || S_ISFIFO(out.st_mode) || S_ISSOCK(out.st_mode));
    std::fflush(stdout);  // the lines go past stdio: whatever it holds goes before them
}

void discard_listing()
{
    discarding = true;
    line_by_line = false;
    worth_a_writer = false;
}

// The gathered lines written from the search's own thread.
static void write_listing_here()
{
    if (discarding) {
        listing_used = 0;
        return;
    }
    if (const int error = write_block(listing, listing_used)) {
        end_output_failed(listing_program, error);
    }
    listing_used = 0;
}

void pass_listing_on()
{
    // Without a thread, none wanted or none to be had, the blocks are written here.
    if (worth_a_writer && !writer_started) {
        writer_started = pthread_create(&writer, nullptr, write_handed_blocks, nullptr) == 0;
        worth_a_writer = writer_started;
    }
    if (!worth_a_writer) {
        write_listing_here();
        return;
    }
    const long k = from_search.blocks_handed.load(std::memory_order_relaxed);
    from_search.handed_sizes[k % block_count] = listing_used;
    from_search.blocks_handed.store(k + 1, std::memory_order_release);
    // The next block is free once the writer is done with what it last held.
    wait_until([k] {
        return k + 1 - from_writer.blocks_written.load(std::memory_order_acquire) < block_count ||
               from_writer.error.load(std::memory_order_acquire) != 0;
    });
    end_if_writer_failed();
    listing = blocks[(k + 1) % block_count];
    listing_used = 0;
}

void flush_listing()
{
    if (!writer_started) {
        write_listing_here();
        return;
    }
    pass_listing_on();
    from_search.listing_done.store(true, std::memory_order_release);
    pthread_join(writer, nullptr);
    writer_started = false;
    if (const int error = from_writer.error.load(std::memory_order_acquire)) {
        end_output_failed(listing_program, error);
    }
}
