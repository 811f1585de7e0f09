// tracetree on bad and odd traces, as students hand them in from any language: whatever the
// input, it ends in time and within bounded memory with status 0 or 1; a fault is one line
// naming the source and its line, with no file made or left; a trace taken gives a picture
// that is well-formed XML, and a note not of the format is told of with its count.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "process.h"
#include "temp_folder.h"

using namespace std::string_literals;

namespace {

constexpr auto time_limit = std::chrono::seconds(30);  // catches a hang, not a slow run
constexpr long memory_limit_kb = MEMORY_LIMIT_MB * 1000L;

struct BoundedRun {
    int status = -1;  // the exit status; -1 when killed or crashed
    long max_kb = 0;  // the most memory it (or a process it waited for) held
};

// Runs the shell command line, input from /dev/null unless it redirects it; killed with all
// it started once past the time limit.
BoundedRun run_bounded(const std::string& command)
{
    const auto deadline = std::chrono::steady_clock::now() + time_limit;
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        signal(SIGPIPE, SIG_DFL);
        dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (std::chrono::steady_clock::now() > deadline) kill(-pid, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss};
}

struct TraceCase {
    std::string trace;  // written to trace.txt
    int line;           // the fault's line; 0 for a trace taken
    std::string says;   // a part of the fault's line, or of what is said of a trace taken
    std::string run = "@ trace.txt";  // the command line, @ standing for tracetree
    std::string source = "trace.txt";
};

// The lines made for 0 to count - 1, one after the other.
std::string made(int count, std::string (*line)(int))
{
    std::string text;
    for (int k = 0; k < count; ++k) text += line(k);
    return text;
}

const std::string unknown = "is not one of the format's notes (solution N, tiling N, ordering N, "
                            "turned down, already on the path, already placed): read as a call";

const TraceCase cases[] = {
    {"a  \n", 0, ""},
    {"a\n  b   \n  c  turned down  \n", 0, ""},
    {"a\n  b\0c\n"s, 2, "a NUL byte at byte 4"},
    {std::string(1000, '\0'), 1, "a NUL byte at byte 1"},
    {"a\x01\n", 1, "U+0001"},
    {"a\n  \x1b[31mred\n", 2, "U+001B"},
    {"a\x7f\n", 1, "U+007F"},
    {"a\xc2\x85\n", 1, "U+0085"},
    {"a\rb\n", 1, "U+000D"},
    {"a\n  b\x80\n", 2, "invalid UTF-8 (0x80) at byte 4"},
    {"a\xc0\xaf\n", 1, "(0xC0)"},
    {"a\xe0\x80\xaf\n", 1, "(0xE0)"},
    {"a\n  \xe2\x82\n  c\n", 2, "(0xE2) at byte 3"},
    {"a\n  b\xe2\x82", 2, "(0xE2)"},
    {"a\xed\xa0\x80\n", 1, "(0xED)"},
    {"a\xf4\x90\x80\x80\n", 1, "(0xF4)"},
    {"a\xff\n", 1, "(0xFF)"},
    {"a\xef\xbf\xbe\n", 1, "noncharacter (U+FFFE)"},
    {"a\n" + std::string(65537, 'x') + "\n", 2, "a line of more than 65536 bytes"},
    {"a\n  " + std::string(65534, 'x') + "\r\nb\n", 0, ""},
    {std::string(1 << 20, 'a'), 1, "a line of more than 65536 bytes"},
    {"", 1, "more than 65536 bytes", "@ /dev/zero", "/dev/zero"},
    {made(100001, [](int) { return "a\n"s; }), 100001, "more than the 100000 a picture takes"},
    {"", 100001, "more than the 100000", "yes root | @", "(standard input)"},
    {"", 1119, "the trace passes 64 MiB", "yes $(printf %060000d 0) | @", "(standard input)"},
    {"a\n  b  turned down\n    c\n", 3, "a line below a candidate turned down"},
    {"a\n  dead end at x\n    c\n", 3, "a line below a dead end"},
    {"dead end\n  c\n", 2, "a line below a dead end"},
    {"a\n  b  turned-down\n  c  turned-down\n  d  turned-down\n", 0,
     "trace.txt:2: note \"turned-down\" " + unknown + " (3 lines)"},
    {"a\n  b  solution\n", 0, "trace.txt:2: note \"solution\" " + unknown + " (1 line)"},
    {made(12, [](int k) { return "n  note " + std::to_string(k) + "\n"; }), 0,
     "trace.txt:11: and more notes that are not the format's, from this "
     "line on: read as calls (2 lines)"},
    {"a\r\n  b  turned down\r\n  c  solution 1\r\n", 0, ""},
    {"a\n\n\0\xff\x1b\t   x\n      y\n"s, 0, ""},
    {"a\n    \n\tgarbage\xc0\n", 0, ""},
    {"a\n   b\n", 2, "indented by 3 blanks"},
    {"a\n\tb\n", 2, "a tab"},
    {"  a\n", 1, "the first line is indented"},
    {"a\n  b\n      c\n", 3, "indented two levels"},
    {"a\n" + std::string(40, ' ') + "c\n", 2, "indented 20 levels"},
    {"", 1, "no node"},
    {"\n", 1, "no node"},
    {"    \nroot\n", 1, "no node"},
    {made(1000, [](int k) { return std::string(2 * static_cast<size_t>(k), ' ') + "c\n"; }) +
         "root\n  (a&b)  turned down\n",
     0, ""},
    {"a&b <c> \"d\" 'e'\n  (x&y)  turned down\n  dead end at <&>\n"
     "  \xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80  solution 1\n",
     0, ""},
    {"a  solution 1\n  b  solution 2\nc\n", 0, ""}};

}  // namespace

// Each trace with and without --tree.
TEST(TraceReader, EndsEveryInputWithItsStatusItsLineAndNoFileLeft)
{
    const std::string xmllint = XMLLINT;
    for (const TraceCase& c : cases) {
        for (const bool tree : {false, true}) {
            const TempFolder work, logs;
            std::ofstream(work.path() + "/trace.txt", std::ios::binary) << c.trace;
            std::string command = c.run;
            command.replace(command.find('@'), 1,
                            std::string(BIN_DIR) + "/tracetree" + (tree ? " --tree t.svg" : ""));
            const std::string out = logs.path() + "/out", err_file = logs.path() + "/err";
            const BoundedRun run = run_bounded("cd " + work.path() + " && { " + command + "; } >" +
                                               out + " 2>" + err_file);
            const std::string err = read_file(err_file);
            const std::string what = c.run + (tree ? " --tree: " : ": ") + c.says + "\n" + err;
            EXPECT_LT(run.max_kb, memory_limit_kb) << what;
            EXPECT_EQ(run.status, c.line > 0 ? 1 : 0) << what;
            std::string listing;  // the folder's files in order
            for (const auto& file : std::set<std::filesystem::path>(
                     std::filesystem::directory_iterator(work.path()), {})) {
                listing += file.filename().string() + "\n";
            }
            if (c.line > 0) {
                const std::string at = c.source + ":" + std::to_string(c.line) + ": ";
                EXPECT_EQ(lines_of(err).size(), 1u) << what;
                EXPECT_EQ(err.rfind(at, 0), 0u) << what;
                EXPECT_NE(err.find(c.says), std::string::npos) << what;
                EXPECT_EQ(listing, "trace.txt\n") << what;
                continue;
            }
            EXPECT_EQ(c.says.empty(), err.empty()) << what;
            EXPECT_NE(err.find(c.says), std::string::npos) << what;
            for (const std::string& line : lines_of(err)) {
                EXPECT_EQ(line.rfind("trace.txt:", 0), 0u) << what;
            }
            EXPECT_NE(read_file(out).find(" calls, "), std::string::npos) << what;
            if (!tree) continue;
            EXPECT_EQ(listing, "t.svg\ntrace.txt\n") << what;
            const std::string parse = xmllint + " --noout --huge " + work.path() + "/t.svg";
            if (!xmllint.empty()) {
                EXPECT_EQ(run_process(parse).exit_status, 0) << what;
            }
        }
    }
    if (xmllint.empty())
        GTEST_SKIP() << "xmllint not found (Debian: libxml2-utils): no picture parsed";
}
