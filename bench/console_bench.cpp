// Whole runs of the console programs, output to a file and input from /dev/null, beside
// the minimal programs that write the same bytes in one call.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

static void run_once(benchmark::State& state, const char* program)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/tmp/bench-console-output",
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, nullptr) != 0) {
        state.SkipWithError("cannot start the program");
    } else {
        int status;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the run failed");
    }
    posix_spawn_file_actions_destroy(&actions);
}

static void BM_process(benchmark::State& state, const char* program)
{
    for (auto _ : state) run_once(state, program);
}

BENCHMARK_CAPTURE(BM_process, juglist, JUGLIST_PATH)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_process, juglist_floor, WRITE_JUGLIST_PATH)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_process, permlist, PERMLIST_PATH)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_process, permlist_floor, WRITE_PERMLIST_PATH)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
