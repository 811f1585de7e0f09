// Whole runs of the window programs with --save and the defaults, as a user starts them
// from the folder that holds the font, every page written into a folder under /tmp.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Processor time of the finished children, user and system, in milliseconds.
static double children_cpu_ms()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The wall-clock time depends on the machine's other load and on the disk's syncs; the
// counter cpu_ms is the processor time the run itself took.
static void BM_save_run(benchmark::State& state, const char* program)
{
    char folder[] = "/tmp/bench-save-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        state.SkipWithError("cannot make a folder for the pages");
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, BIN_DIR);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    std::string path = std::string(BIN_DIR) + "/" + program;
    char save[] = "--save";
    char* argv[] = {&path[0], save, folder, nullptr};
    const double cpu_before = children_cpu_ms();
    for (auto _ : state) {
        pid_t pid;
        int status = 0;
        if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, nullptr) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the run failed");
            break;
        }
    }
    state.counters["cpu_ms"] = benchmark::Counter((children_cpu_ms() - cpu_before) /
                                                  static_cast<double>(state.iterations()));
    posix_spawn_file_actions_destroy(&actions);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

BENCHMARK_CAPTURE(BM_save_run, jugview, "jugview")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_save_run, tileview, "tileview")->UseRealTime()->Unit(benchmark::kMillisecond);
