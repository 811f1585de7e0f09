// The console programs at scale, each run beside a reference program in the same
// iteration, so that a ratio compares runs made under the same load:
//   permlist --size 10 into a file         beside cat of the same bytes from the page cache,
//                                          and beside a std::next_permutation lister
//   permlist --size 11 into /dev/null      lines and bytes per second
//   tilelist --board 8x8 --count           beside a plain bitmask counter, on every processor
//                                          and on one thread (--jobs 1)
//   tilelist --board 9x8 --count           tilings per second
//   tilelist --board 8x6 into a file       beside cat of the same bytes
// With BENCH_BEFORE_BIN set to another build's folder of programs (a build from before a
// change), the listings and the count also run beside that build's own program, in the same
// iterations: "ratio" is then this build's time over the other's.
// The time reported is the program's; "ratio" is its wall time over the reference's, "cpu"
// the same for user and system time. "rss_KiB" is the program's peak resident size; the
// small instances show that it does not grow with the instance.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdint>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "median.h"

namespace {

struct Run {
    double wall = 0;  // seconds
    double cpu = 0;
    long rss_kib = 0;
};

// Writes what the kernel still holds of the regular file at path to the disk, outside the
// time measured; then removes the file unless it is kept. Otherwise a run's writing would
// wait for the disk: reopening the same name for writing waits until the previous contents
// are on it, and their writing back takes a core from the run.
void settle(const std::string& path, bool keep = false)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    const int fd = open(path.c_str(), O_WRONLY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
    if (!keep) unlink(path.c_str());
}

// Runs the program with input from /dev/null and output into the file at out.
Run run(const std::vector<std::string>& command, const std::string& out)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    Run r;  // a wall time of 0 when the run failed
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        struct rusage usage = {};
        wait4(pid, &status, 0, &usage);
        r.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        r.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
        r.rss_kib = usage.ru_maxrss;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) r.wall = 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return r;
}

// A run whose output is on the disk and gone before the next starts.
Run settled_run(const std::vector<std::string>& command, const std::string& out)
{
    const Run result = run(command, out);
    settle(out);
    return result;
}

const std::string bench_dir = BENCH_DIR;
const std::string permlist = PERMLIST_PATH;
const std::string tilelist = TILELIST_PATH;

// The bytes a reference cat copies: the program's own output, made afresh, so that they
// are the program's of today.
std::string output_of(const std::vector<std::string>& command, const std::string& name)
{
    std::string path = bench_dir + "/" + name;
    settle(path);
    run(command, path);
    settle(path, true);
    return path;
}

// Each iteration runs the program and the reference, in turns which goes first; a ratio
// is the median of the iterations' ratios, which one disturbed run cannot move. Output into
// /dev/null goes there for both.
void compare(benchmark::State& state, const std::vector<std::string>& program,
             const std::vector<std::string>& reference, const std::string& out)
{
    std::vector<double> wall_ratios, cpu_ratios, reference_walls;
    long rss = 0;
    bool program_first = true;
    const bool to_null = out == "/dev/null";
    const std::string program_out = to_null ? out : out + ".program";
    const std::string reference_out = to_null ? out : out + ".reference";
    for (auto _ : state) {
        Run p, r;
        if (program_first) {
            p = settled_run(program, program_out);
            r = settled_run(reference, reference_out);
        } else {
            r = settled_run(reference, reference_out);
            p = settled_run(program, program_out);
        }
        program_first = !program_first;
        if (p.wall <= 0 || r.wall <= 0) {
            state.SkipWithError("a run failed");
            break;
        }
        state.SetIterationTime(p.wall);
        wall_ratios.push_back(p.wall / r.wall);
        cpu_ratios.push_back(r.cpu > 0 ? p.cpu / r.cpu : 0);
        reference_walls.push_back(r.wall);
        rss = std::max(rss, p.rss_kib);
    }
    state.counters["ratio"] = median(wall_ratios);
    state.counters["cpu"] = median(cpu_ratios);
    state.counters["ref_ms"] = median(reference_walls) * 1e3;
    state.counters["rss_KiB"] = static_cast<double>(rss);
}

void alone(benchmark::State& state, const std::vector<std::string>& program, const std::string& out)
{
    long rss = 0;
    for (auto _ : state) {
        const Run p = settled_run(program, out);
        if (p.wall <= 0) {
            state.SkipWithError("the run failed");
            break;
        }
        state.SetIterationTime(p.wall);
        rss = std::max(rss, p.rss_kib);
    }
    state.counters["rss_KiB"] = static_cast<double>(rss);
}

// The bytes of the listing of the orderings of 0..size-1, from its line format.
std::int64_t permlist_bytes(int size)
{
    std::int64_t lines = 1;
    for (int n = 2; n <= size; ++n) lines *= n;
    std::int64_t numbers_text = 0;  // every number once, each with its blank
    for (int n = 0; n < size; ++n) numbers_text += n < 10 ? 2 : 3;
    std::int64_t count_digits = 0;  // of the line numbers 1..lines
    for (std::int64_t from = 1, digits = 1; from <= lines; from *= 10, ++digits) {
        count_digits += (std::min(lines, from * 10 - 1) - from + 1) * digits;
    }
    return count_digits + lines * (3 + numbers_text + 1);
}

void BM_permlist_10_file_vs_cat(benchmark::State& state)
{
    const std::vector<std::string> program = {permlist, "--size", "10", "--no-wait"};
    const std::string bytes = output_of(program, "permlist-10.txt");
    compare(state, program, {"/bin/cat", bytes}, bench_dir + "/scale-out");
}

void BM_permlist_10_file_vs_next_permutation(benchmark::State& state)
{
    compare(state, {permlist, "--size", "10", "--no-wait"}, {NEXT_PERMUTATION_PATH, "10"},
            bench_dir + "/scale-out");
}

void BM_permlist_11_null(benchmark::State& state)
{
    alone(state, {permlist, "--size", "11", "--no-wait"}, "/dev/null");
    state.SetItemsProcessed(state.iterations() * 39916800);
    state.SetBytesProcessed(state.iterations() * permlist_bytes(11));
}

void BM_permlist_7_null(benchmark::State& state)
{
    alone(state, {permlist, "--no-wait"}, "/dev/null");
}

void BM_tilelist_8x8_count_vs_bitmask(benchmark::State& state)
{
    compare(state, {tilelist, "--board", "8x8", "--count", "--no-wait"},
            {BITMASK_COUNT_PATH, "8", "8"}, bench_dir + "/scale-out");
    state.SetItemsProcessed(state.iterations() * 12988816);
}

void BM_tilelist_8x8_count_one_thread_vs_bitmask(benchmark::State& state)
{
    compare(state, {tilelist, "--board", "8x8", "--count", "--no-wait", "--jobs", "1"},
            {BITMASK_COUNT_PATH, "8", "8"}, bench_dir + "/scale-out");
}

void BM_tilelist_9x8_count(benchmark::State& state)
{
    alone(state, {tilelist, "--board", "9x8", "--count", "--no-wait"}, "/dev/null");
    state.SetItemsProcessed(state.iterations() * 108435745);
}

void BM_tilelist_8x6_file_vs_cat(benchmark::State& state)
{
    const std::vector<std::string> program = {tilelist, "--board", "8x6", "--no-wait"};
    const std::string bytes = output_of(program, "tilelist-8x6.txt");
    compare(state, program, {"/bin/cat", bytes}, bench_dir + "/scale-out");
}

void BM_tilelist_4x4_null(benchmark::State& state)
{
    alone(state, {tilelist, "--board", "4x4", "--no-wait"}, "/dev/null");
}

void BM_juglist_5412_solutions_null(benchmark::State& state)
{
    alone(state, {JUGLIST_PATH, "--jugs", "99,97,3", "--goal", "*,50,*", "--no-wait"}, "/dev/null");
}

// This build's program beside the same program of the build in BENCH_BEFORE_BIN.
void register_beside_the_build_before()
{
    const char* before = std::getenv("BENCH_BEFORE_BIN");
    if (before == nullptr || *before == '\0') return;
    const std::string bin = before;
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        bool to_file;
        int runs;
    } runs[] = {
        {"permlist_10_file_vs_before", {"permlist", "--size", "10", "--no-wait"}, true, 15},
        {"tilelist_8x6_file_vs_before", {"tilelist", "--board", "8x6", "--no-wait"}, true, 15},
        {"tilelist_8x8_count_vs_before",
         {"tilelist", "--board", "8x8", "--count", "--no-wait"},
         false,
         9},
        {"juglist_5412_solutions_vs_before",
         {"juglist", "--jugs", "99,97,3", "--goal", "*,50,*", "--no-wait"},
         false,
         9},
    };
    for (const auto& r : runs) {
        std::vector<std::string> program = r.arguments, reference = r.arguments;
        program[0] = (r.arguments[0] == "permlist"   ? permlist
                      : r.arguments[0] == "tilelist" ? tilelist
                                                     : std::string(JUGLIST_PATH));
        reference[0] = bin + "/" + r.arguments[0];
        const std::string out = r.to_file ? bench_dir + "/scale-out" : "/dev/null";
        benchmark::RegisterBenchmark(r.name,
                                     [program, reference, out](benchmark::State& state) {
                                         compare(state, program, reference, out);
                                     })
            ->UseManualTime()
            ->Iterations(r.runs)
            ->Unit(benchmark::kMillisecond);
    }
}
const bool registered_beside_the_build_before = (register_beside_the_build_before(), true);

}  // namespace

// A fixed number of runs each: enough pairs for a median, few enough for the longest runs.
#define SCALE_BENCHMARK(name, runs)                                                                \
    BENCHMARK(name)->UseManualTime()->Iterations(runs)->Unit(benchmark::kMillisecond)

SCALE_BENCHMARK(BM_permlist_10_file_vs_cat, 15);
SCALE_BENCHMARK(BM_permlist_10_file_vs_next_permutation, 5);
SCALE_BENCHMARK(BM_permlist_11_null, 3);
SCALE_BENCHMARK(BM_permlist_7_null, 50);
SCALE_BENCHMARK(BM_tilelist_8x8_count_vs_bitmask, 15);
SCALE_BENCHMARK(BM_tilelist_8x8_count_one_thread_vs_bitmask, 5);
SCALE_BENCHMARK(BM_tilelist_9x8_count, 3);
SCALE_BENCHMARK(BM_tilelist_8x6_file_vs_cat, 31);
SCALE_BENCHMARK(BM_tilelist_4x4_null, 50);
SCALE_BENCHMARK(BM_juglist_5412_solutions_null, 5);
