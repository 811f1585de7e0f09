// juglist, permlist and tilelist run as separate processes: their exact output, their key
// wait on a terminal, and their end when the output cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <numeric>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "process.h"
#include "pty_session.h"
#include "row_count.h"
#include "temp_folder.h"

namespace {

std::string expected_juglist_output()
{
    return read_file(std::string(TEST_DATA_DIR) + "/juglist_output.txt");
}

// The listing of permlist built independently of its search: all of it, or its first lines.
std::string expected_permlist_output(int size = 7, int lines = -1)
{
    std::vector<int> p(static_cast<size_t>(size));
    std::iota(p.begin(), p.end(), 0);
    std::ostringstream out;
    int n = 0;
    do {
        if (n == lines) break;
        out << ++n << " : ";
        for (int v : p) out << v << ' ';
        out << '\n';
    } while (std::next_permutation(p.begin(), p.end()));
    return out.str();
}

// The closing line of tilelist, for a board whose closed form is exact.
std::string tilelist_closing_line(unsigned long long count)
{
    char line[96];
    std::snprintf(line, sizeof line,
                  "Number of tilings (theoretic and experimental)=  %3llu   %llu\n", count, count);
    return line;
}

// The listing of tilelist built by a search of the test's own: the lowest free cell is
// covered first, by a horizontal domino before a vertical one.
class TilingLister {
  public:
    TilingLister(int columns, int rows)
        : columns_(columns), cells_(columns * rows), covered_(static_cast<size_t>(cells_))
    {
        if (cells_ % 2 == 0) search();
        out_ += "\n" + tilelist_closing_line(count_);
    }
    const std::string& output() const { return out_; }

  private:
    void place(int a, int b)
    {
        covered_[a] = covered_[b] = true;
        path_.emplace_back(a, b);
        search();
        path_.pop_back();
        covered_[a] = covered_[b] = false;
    }
    void search()
    {
        int c = 0;
        while (c < cells_ && covered_[c]) ++c;
        if (c == cells_) {
            char text[32];
            std::snprintf(text, sizeof text, "%4llu:", ++count_);
            out_ += text;
            for (const auto& [a, b] : path_) {
                std::snprintf(text, sizeof text, " %d-%d", a, b);
                out_ += text;
            }
            out_ += '\n';
            return;
        }
        if ((c + 1) % columns_ != 0 && !covered_[c + 1]) place(c, c + 1);
        if (c + columns_ < cells_) place(c, c + columns_);
    }

    int columns_;
    int cells_;
    std::vector<bool> covered_;
    std::vector<std::pair<int, int>> path_;
    unsigned long long count_ = 0;
    std::string out_;
};

std::string expected_tilelist_output(int columns = 6, int rows = 4)
{
    return TilingLister(columns, rows).output();
}

// What a user sees: the listing appears, the program then sits waiting with the key
// unechoed, ends with status 0 on a key, and leaves the terminal as it found it.
void check_waits_for_one_unechoed_key(const char* program, const std::string& expected)
{
    PtySession session;
    ASSERT_TRUE(session.start(program));
    const struct termios before = session.attributes_at_start();

    const std::string shown = session.read_until_quiet(500, 20000);
    EXPECT_EQ(without_carriage_returns(shown), expected);
    EXPECT_TRUE(session.running()) << "the program must wait for a key";
    EXPECT_FALSE(session.attributes().c_lflag & ECHO) << "the key must not be echoed";

    session.send("q");
    EXPECT_EQ(session.wait_exit(5000), 0);
    EXPECT_EQ(session.read_until_quiet(100, 1000).find('q'), std::string::npos);
    EXPECT_TRUE(same_attributes(session.attributes(), before));
}

// Ctrl-C, or SIGTERM, during the wait ends the program by that signal and still restores
// the terminal.
void check_signal_restores_terminal(const char* program, int sig)
{
    PtySession session;
    ASSERT_TRUE(session.start(program));
    const struct termios before = session.attributes_at_start();
    session.read_until_quiet(500, 20000);
    ASSERT_TRUE(session.running());

    if (sig == SIGINT) {
        session.send("\x03");
    } else {
        session.signal(sig);
    }
    const int status = session.wait_exit(5000);
    ASSERT_NE(status, -1) << "the signal must end the wait";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig);
    EXPECT_TRUE(same_attributes(session.attributes(), before));
}

// Input closed or at its end ends the wait at once.
void check_ends_without_input(const std::string& program, const std::string& expected)
{
    for (const char* input : {" </dev/null", " <&-"}) {
        const ProcessResult r = run_process("timeout 20 " + program + input);
        EXPECT_EQ(r.exit_status, 0) << input;
        EXPECT_EQ(r.out, expected) << input;
    }
}

}  // namespace

TEST(Juglist, PrintsEverySolutionAndTheDepthSummary)
{
    const ProcessResult r = run_process(JUGLIST_PATH);
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.out, expected_juglist_output());
    EXPECT_EQ(r.err, "");
}

TEST(Juglist, WaitsForOneUnechoedKeyOnATerminal)
{
    check_waits_for_one_unechoed_key(JUGLIST_PATH, expected_juglist_output());
}

TEST(Juglist, SignalsDuringTheWaitRestoreTheTerminal)
{
    check_signal_restores_terminal(JUGLIST_PATH, SIGINT);
    check_signal_restores_terminal(JUGLIST_PATH, SIGTERM);
}

TEST(Juglist, EndsWhenInputIsClosedOrEmpty)
{
    check_ends_without_input(JUGLIST_PATH, expected_juglist_output());
}

TEST(Juglist, EndsWhenInputIsAPipe)
{
    const ProcessResult r = run_process(std::string("echo | ") + JUGLIST_PATH);
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.out, expected_juglist_output());
}

TEST(Permlist, PrintsAllOrderingsInLexicographicOrder)
{
    const ProcessResult r = run_process(PERMLIST_PATH);
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.out, expected_permlist_output());

    // Fixed points, so that a mistake shared with the independent listing cannot hide.
    const std::vector<std::string> lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 5040u);
    EXPECT_EQ(lines[0], "1 : 0 1 2 3 4 5 6 ");
    EXPECT_EQ(lines[1], "2 : 0 1 2 3 4 6 5 ");
    EXPECT_EQ(lines[2], "3 : 0 1 2 3 5 4 6 ");
    EXPECT_EQ(lines[719], "720 : 0 6 5 4 3 2 1 ");
    EXPECT_EQ(lines[720], "721 : 1 0 2 3 4 5 6 ");
    EXPECT_EQ(lines[5039], "5040 : 6 5 4 3 2 1 0 ");
}

TEST(Permlist, WaitsForOneUnechoedKeyOnATerminal)
{
    check_waits_for_one_unechoed_key(PERMLIST_PATH, expected_permlist_output());
}

TEST(Permlist, SignalsDuringTheWaitRestoreTheTerminal)
{
    check_signal_restores_terminal(PERMLIST_PATH, SIGINT);
    check_signal_restores_terminal(PERMLIST_PATH, SIGTERM);
}

TEST(Permlist, EndsWhenInputIsClosedOrEmpty)
{
    check_ends_without_input(PERMLIST_PATH, expected_permlist_output());
}

TEST(Permlist, EverySizeListsItsOrderingsInLexicographicOrder)
{
    for (int n = 1; n <= 9; ++n) {
        const ProcessResult r =
            run_process(std::string(PERMLIST_PATH) + " --no-wait --size " + std::to_string(n));
        EXPECT_EQ(r.exit_status, 0) << n;
        EXPECT_TRUE(r.out == expected_permlist_output(n)) << "size " << n;
    }
}

// Regression: the last three numbers of a line are written apart from the rest, and from
// size 11 on they may take two digits; the first 2000 lines of the largest size move 10 and
// 11 through those places.
TEST(Permlist, TwoDigitNumbersAtTheEndOfALine)
{
    const ClosedPipeRun run =
        run_until_pipe_closed(std::string(PERMLIST_PATH) + " --no-wait --size 12", 65536, false);
    const std::string expected = expected_permlist_output(12, 2000);
    ASSERT_EQ(run.head.size(), 65536u);
    EXPECT_TRUE(run.head == expected.substr(0, run.head.size()));
}

// A solution line and the summary agree: the k-th depth is the number of states on line
// k, every line starts at the start state and ends in a goal, and there are as many
// depths as lines.
void check_listing(const std::string& arguments, const std::string& start, int third_jug_goal,
                   int second_jug_goal, size_t solutions)
{
    const ProcessResult r = run_process(std::string(JUGLIST_PATH) + " --no-wait " + arguments);
    EXPECT_EQ(r.exit_status, 0) << arguments;
    const std::vector<std::string> lines = lines_of(r.out);
    ASSERT_FALSE(lines.empty());
    std::istringstream summary(lines.back());
    std::string word;
    size_t count = 0;
    for (int k = 0; k < 5; ++k) summary >> word;  // "Time for each of the"
    summary >> count;
    EXPECT_EQ(count, solutions) << arguments;
    summary >> word;  // "solutions:"
    size_t n = 0;
    for (const std::string& line : lines) {
        if (line.size() < 5 || line[4] != ':') continue;
        ++n;
        int depth = -1;
        summary >> depth;
        EXPECT_EQ(std::count(line.begin(), line.end(), '('), depth) << line;
        EXPECT_EQ(line.substr(6, start.size()), start) << line;
        const size_t goal = line.rfind(" (");
        int a = -1, b = -1, c = -1;
        std::istringstream(line.substr(goal + 2)) >> a >> b >> c;
        if (third_jug_goal >= 0) {
            EXPECT_EQ(c, third_jug_goal) << line;
        }
        if (second_jug_goal >= 0) {
            EXPECT_EQ(b, second_jug_goal) << line;
        }
    }
    EXPECT_EQ(n, solutions) << arguments;
    EXPECT_EQ(r.out.back(), ' ');  // the summary still ends without a line end
}

TEST(Juglist, OtherInstancesListEverySolutionAndEveryDepth)
{
    check_listing("--jugs 8,5,3 --goal '4,4,*'", "(8 0 0)", -1, 4, 16);
    check_listing("--goal='*,*,1' --jugs=7,4,3", "(7 0 0)", 1, -1, 12);
    // More solutions than the depth table once held (500).
    check_listing("--jugs 99,97,3 --goal '*,50,*'", "(99 0 0)", -1, 50, 5412);
    check_listing("--jugs 10,6,4 --goal '*,*,1'", "", -1, -1, 0);
}

TEST(Permlist, NoWaitEndsRightAfterTheListingOnATerminal)
{
    PtySession session;
    ASSERT_TRUE(session.start(PERMLIST_PATH, {"--size", "3", "--no-wait"}));
    const std::string shown = session.read_until_quiet(500, 5000);
    EXPECT_EQ(session.wait_exit(5000), 0);
    EXPECT_EQ(without_carriage_returns(shown), expected_permlist_output(3));
}

// --trace: the search as an indented tree, one line per call and one per candidate turned
// down, then the usual closing lines.
TEST(Trace, PrintsEveryStepOfEachSearch)
{
    struct Case {
        std::string command;
        std::vector<std::string> first_lines;
        std::string closing;      // what follows the tree
        size_t calls, completed;  // call lines, of which complete a configuration
        size_t turned_down;       // candidates turned down, or dead ends
    };
    // A permlist call at level d turns down the d + 1 numbers it has placed: over the levels
    // that is the sum of 7!/(6 - d)! * (d + 1), 46,921, and 13,699 calls in all.
    const std::string juglist_summary = "\n\n Time for each of the 14 solutions: 13 14 13 5 7 7 9 "
                                        "10 11 13 13 15 11 9 ";
    const Case cases[] = {
        {std::string(JUGLIST_PATH) + " --trace --no-wait",
         {"(10 0 0)", "  (5 5 0)", "    (2 5 3)", "      (7 0 3)",
          "        (2 5 3)  already on the path", "        (10 0 0)  already on the path",
          "        (7 3 0)"},
         juglist_summary,
         101,
         14,
         192},
        {std::string(PERMLIST_PATH) + " --trace --no-wait --size 3",
         {"0", "  0  already placed", "  0 1", "    0  already placed", "    1  already placed",
          "    0 1 2  ordering 1", "  0 2"},
         "",
         15,
         6,
         15},
        {std::string(PERMLIST_PATH) + " --no-wait --trace",
         {"0", "  0  already placed", "  0 1", "    0  already placed", "    1  already placed",
          "    0 1 2", "      0  already placed"},
         "",
         13699,
         5040,
         46921},
        {std::string(TILELIST_PATH) + " --trace --no-wait",
         {"0-1", "  2-3", "    4-5", "      6-7", "        8-9", "          10-11",
          "            12-13", "              14-15", "                16-17",
          "                  18-19", "                    20-21",
          "                      22-23  tiling 1", "                16-22"},
         "\nNumber of tilings (theoretic and experimental)=  281   281\n",
         1328,
         281,
         15},
    };
    for (const Case& c : cases) {
        const ProcessResult r = run_process(c.command);
        EXPECT_EQ(r.exit_status, 0) << c.command;
        const size_t tree_end = r.out.size() - c.closing.size();
        EXPECT_EQ(r.out.substr(tree_end), c.closing) << c.command;
        const std::vector<std::string> lines = lines_of(r.out.substr(0, tree_end));
        ASSERT_GE(lines.size(), c.first_lines.size()) << c.command;
        for (size_t k = 0; k < c.first_lines.size(); ++k) {
            EXPECT_EQ(lines[k], c.first_lines[k]) << c.command << " line " << k + 1;
        }
        size_t turned_down = 0, completed = 0;
        for (const std::string& line : lines) {
            turned_down += line.find("  already") != std::string::npos ||
                           line.find("dead end at cell ") != std::string::npos;
            completed += line.find("  solution ") != std::string::npos ||
                         line.find("  ordering ") != std::string::npos ||
                         line.find("  tiling ") != std::string::npos;
        }
        EXPECT_EQ(lines.size() - turned_down, c.calls) << c.command;
        EXPECT_EQ(completed, c.completed) << c.command;
        EXPECT_EQ(turned_down, c.turned_down) << c.command;
    }
}

TEST(Tilelist, ListsEveryTilingInTheSearchOrder)
{
    const ProcessResult r = run_process(TILELIST_PATH);
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out == expected_tilelist_output()) << r.out.substr(0, 400);

    // The tilings the search's own tests know: they hold the independent listing to the
    // search's order.
    const std::vector<std::string> lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 283u);
    EXPECT_EQ(lines[0], "   1: 0-1 2-3 4-5 6-7 8-9 10-11 12-13 14-15 16-17 18-19 20-21 22-23");
    EXPECT_EQ(lines[1], "   2: 0-1 2-3 4-5 6-7 8-9 10-11 12-13 14-15 16-22 17-23 18-19 20-21");
    EXPECT_EQ(lines[131], " 132: 0-1 2-8 3-9 4-10 5-11 6-12 7-13 14-20 15-21 16-22 17-23 18-19");
    EXPECT_EQ(lines[132], " 133: 0-6 1-2 3-4 5-11 7-8 9-10 12-13 14-15 16-17 18-19 20-21 22-23");
    EXPECT_EQ(lines[280], " 281: 0-6 1-7 2-8 3-9 4-10 5-11 12-18 13-19 14-20 15-21 16-22 17-23");
    EXPECT_EQ(lines[281], "");
    EXPECT_EQ(lines[282], "Number of tilings (theoretic and experimental)=  281   281");
}

// Boards of every shape, no tiling at all, and past 9999 tilings, where the numbers outgrow
// their width of four.
TEST(Tilelist, OtherBoardsListAsAnIndependentSearchDoes)
{
    const std::pair<int, int> boards[] = {{4, 4}, {1, 2}, {2, 1}, {1, 1}, {3, 3},
                                          {7, 2}, {1, 8}, {8, 5}, {5, 8}};
    for (const auto& [columns, rows] : boards) {
        const std::string board = std::to_string(columns) + "x" + std::to_string(rows);
        const ProcessResult r =
            run_process(std::string(TILELIST_PATH) + " --no-wait --board " + board);
        EXPECT_EQ(r.exit_status, 0) << board;
        EXPECT_EQ(r.err, "") << board;
        EXPECT_TRUE(r.out == expected_tilelist_output(columns, rows)) << board;
    }
}

TEST(Tilelist, CountPrintsOnlyTheClosingLine)
{
    const std::pair<int, int> boards[] = {{6, 4},  {4, 4},  {2, 12}, {5, 5},
                                          {1, 20}, {20, 1}, {6, 7},  {8, 8}};
    for (const auto& [columns, rows] : boards) {
        const std::string board = std::to_string(columns) + "x" + std::to_string(rows);
        const ProcessResult r =
            run_process(std::string(TILELIST_PATH) + " --count --no-wait --board=" + board);
        EXPECT_EQ(r.exit_status, 0) << board;
        EXPECT_EQ(r.out, tilelist_closing_line(tilings_by_rows(columns, rows))) << board;
    }
    // Without --no-wait the count, too, waits for its key (here: the end of the input).
    const ProcessResult r = run_process(std::string(TILELIST_PATH) + " --count");
    EXPECT_EQ(r.out, tilelist_closing_line(281));
}

TEST(Tilelist, WaitsForOneUnechoedKeyOnATerminal)
{
    check_waits_for_one_unechoed_key(TILELIST_PATH, expected_tilelist_output());
}

// With --count juglist prints exactly what follows the last solution line of its listing:
// the summary, also when there is no solution at all.
TEST(Juglist, CountPrintsTheTailOfTheListing)
{
    for (const char* arguments :
         {"", "--jugs 8,5,3 --goal '4,4,*'", "--jugs 99,97,3 --goal '*,50,*'",
          "--jugs 10,6,4 --goal '*,*,1'"}) {
        const std::string command = std::string(JUGLIST_PATH) + " --no-wait " + arguments;
        const ProcessResult full = run_process(command);
        const ProcessResult count = run_process(command + " --count");
        EXPECT_EQ(count.exit_status, 0) << arguments;
        const size_t last_line_end = full.out.rfind(")\n");
        const std::string tail =
            last_line_end == std::string::npos ? full.out : full.out.substr(last_line_end + 2);
        EXPECT_EQ(count.out, tail) << arguments;
        EXPECT_EQ(count.out.rfind("\n\n Time for each of the ", 0), 0u) << count.out;
    }
}

// A full disk: one line naming the failure, status 1, and no wait for a key.
TEST(ConsolePrograms, AFailedWriteIsAnErrorNeverASuccess)
{
    const std::pair<const char*, const char*> runs[] = {
        {JUGLIST_PATH, ""},
        {JUGLIST_PATH, "--count"},
        {PERMLIST_PATH, ""},
        {PERMLIST_PATH, "--size 12"},
        {TILELIST_PATH, ""},
        {TILELIST_PATH, "--count"},
        {TILELIST_PATH, "--board 20x20"},
    };
    for (const auto& [program, arguments] : runs) {
        const std::string command = std::string(program) + " " + arguments;
        const ProcessResult r = run_process("timeout 20 " + command + " >/dev/full");
        EXPECT_EQ(r.exit_status, 1) << command;
        const std::string path = program;
        const std::string name = path.substr(path.rfind('/') + 1);
        EXPECT_EQ(r.err, name + ": cannot write the output: No space left on device\n") << command;
    }
}

// Into a regular file or a pipe, the lines go out from a second thread once they fill a
// block: the file holds the listing byte for byte, and a write that fails there ends the
// program as anywhere (a file-size limit, with its signal ignored, stands for a full disk).
TEST(ConsolePrograms, AListingIntoAFileIsWholeAndAFailedWriteThereIsAnError)
{
    const TempFolder folder;
    const std::string file = folder.path() + "/listing";
    const ProcessResult whole =
        run_process(std::string(PERMLIST_PATH) + " --no-wait --size 9 >" + file);
    EXPECT_EQ(whole.exit_status, 0);
    EXPECT_TRUE(read_file(file) == expected_permlist_output(9));
    const ProcessResult board =
        run_process(std::string(TILELIST_PATH) + " --no-wait --board 5x8 >" + file);
    EXPECT_EQ(board.exit_status, 0);
    EXPECT_TRUE(read_file(file) == expected_tilelist_output(5, 8));

    // juglist writes through stdio: what stdio still holds when the write fails is dropped,
    // not written at the exit after a gap.
    for (const char* command :
         {PERMLIST_PATH " --no-wait --size 10", TILELIST_PATH " --no-wait --board 8x8",
          JUGLIST_PATH " --no-wait --jugs 99,97,3 --goal '*,50,*'"}) {
        const ProcessResult r =
            run_process("trap '' XFSZ; ulimit -f 2048; " + std::string(command) + " >" + file);
        EXPECT_EQ(r.exit_status, 1) << command;
        const std::string path = std::string(command).substr(0, std::string(command).find(' '));
        const std::string name = path.substr(path.rfind('/') + 1);
        EXPECT_EQ(r.err, name + ": cannot write the output: File too large\n") << command;
        // What fitted is the listing's beginning, nothing of it lost.
        const std::string written = read_file(file);
        EXPECT_GE(written.size(), 512u * 1024u) << command;
        const ProcessResult head =
            run_process(std::string(command) + " | head -c " + std::to_string(written.size()));
        EXPECT_TRUE(written == head.out) << command;
    }
}

// A reader that pauses before reading leaves the writer thread stuck in its first write
// while the search fills the whole ring behind it: the search then waits for each block to
// come free, and no block may be filled again before it was written.
TEST(ConsolePrograms, ASlowReaderGetsTheWholeListing)
{
    const std::pair<std::string, std::string> runs[] = {
        {std::string(PERMLIST_PATH) + " --no-wait --size 9", expected_permlist_output(9)},
        {std::string(TILELIST_PATH) + " --no-wait --board 7x6", expected_tilelist_output(7, 6)},
    };
    for (const auto& [command, expected] : runs) {
        const ProcessResult r = run_process(command + " | (sleep 0.5; cat)");
        EXPECT_EQ(r.exit_status, 0) << command;
        EXPECT_EQ(r.out.size(), expected.size()) << command;
        EXPECT_TRUE(r.out == expected) << command;
    }
}

// A reader that goes away ends the program at once and quietly: by SIGPIPE, or with status 1
// where SIGPIPE is ignored. Every run here would go on for ages otherwise.
TEST(ConsolePrograms, AClosedPipeEndsTheProgramQuietly)
{
    const std::string runs[] = {
        std::string(JUGLIST_PATH) + " --no-wait --jugs 99,97,3 --goal '*,50,*'",
        std::string(PERMLIST_PATH) + " --no-wait --size 12",
        std::string(TILELIST_PATH) + " --no-wait --board 20x20",
    };
    for (const std::string& command : runs) {
        for (const bool ignored : {false, true}) {
            const ClosedPipeRun run = run_until_pipe_closed(command, 8192, ignored);
            EXPECT_EQ(run.head.size(), 8192u) << command;
            if (ignored) {
                EXPECT_TRUE(WIFEXITED(run.wait_status) && WEXITSTATUS(run.wait_status) == 1)
                    << command << ": " << run.wait_status;
            } else {
                EXPECT_TRUE(WIFSIGNALED(run.wait_status) && WTERMSIG(run.wait_status) == SIGPIPE)
                    << command << ": " << run.wait_status;
            }
            EXPECT_EQ(run.err, "") << command;
        }
    }
}

// The largest board, read through a pipe closed after its first two tilings: all
// horizontal, then the two cells at the right end of the last two rows turned vertical.
TEST(Tilelist, TheLargestBoardStartsAsTheSmallerOnesDo)
{
    const ClosedPipeRun run =
        run_until_pipe_closed(std::string(TILELIST_PATH) + " --no-wait --board 20x20", 8192, false);
    const std::vector<std::string> lines = lines_of(run.head);
    ASSERT_GE(lines.size(), 2u);
    std::string first = "   1:", second = "   2:";
    for (int a = 0; a < 400; a += 2) first += " " + std::to_string(a) + "-" + std::to_string(a + 1);
    for (int a = 0; a < 378; a += 2)
        second += " " + std::to_string(a) + "-" + std::to_string(a + 1);
    second += " 378-398 379-399";
    for (int a = 380; a < 398; a += 2)
        second += " " + std::to_string(a) + "-" + std::to_string(a + 1);
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], second);
}

// A count of a few seconds on one thread. While its output goes to a file, standard error on a
// terminal gets the progress line, rewritten in place and erased at the end, so that the
// terminal is left as it was; a standard error that is no terminal gets lines for a log only
// with --progress; and --no-progress leaves the terminal with the closing line alone.
TEST(Progress, KeptOnATerminalWhileTheRunLastsAndErasedAtItsEnd)
{
    const std::vector<std::string> count = {"--board",   "5x16",   "--count",
                                            "--no-wait", "--jobs", "1"};
    std::string command = TILELIST_PATH;
    for (const std::string& word : count) command += " " + word;
    const std::string closing = tilelist_closing_line(tilings_by_rows(5, 16));
    const TempFolder folder;
    const std::string file = folder.path() + "/count";
    PtySession to_file, on_terminal;
    ASSERT_TRUE(to_file.start(TILELIST_PATH, count, file));
    std::vector<std::string> without = count;
    without.push_back("--no-progress");
    ASSERT_TRUE(on_terminal.start(TILELIST_PATH, without));
    const ProcessResult logged = run_process(command + " --progress");

    // The line comes after a second, then five times a second until the end.
    const std::string drawn = to_file.read_until_quiet(1500, 60000);
    EXPECT_EQ(to_file.wait_exit(5000), 0);
    EXPECT_EQ(read_file(file), closing);
    EXPECT_EQ(drawn.rfind('\r', 0), 0u) << drawn;
    EXPECT_NE(drawn.find(" tilings ("), std::string::npos) << drawn;
    EXPECT_NE(drawn.find(" calls, "), std::string::npos) << drawn;
    EXPECT_EQ(drawn.find('\n'), std::string::npos) << drawn;
    const std::string erase = "\r\x1b[K";
    ASSERT_GT(drawn.size(), erase.size());
    EXPECT_EQ(drawn.substr(drawn.size() - erase.size()), erase);

    EXPECT_EQ(on_terminal.wait_exit(60000), 0);
    EXPECT_EQ(without_carriage_returns(on_terminal.read_until_quiet(200, 5000)), closing);

    EXPECT_EQ(logged.exit_status, 0);
    EXPECT_EQ(logged.out, closing);
    ASSERT_FALSE(logged.err.empty());
    EXPECT_EQ(logged.err.back(), '\n');
    for (const std::string& line : lines_of(logged.err)) {
        EXPECT_EQ(line.rfind("tilelist: ", 0), 0u) << line;
        EXPECT_NE(line.find(" tilings ("), std::string::npos) << line;
    }
}

// --estimate prints the estimate instead of the search: permlist's tree is even, so that its
// probes give the exact size (13,699 calls, rounded to three digits); the exact count stands
// beside an estimate where it is known; and the numbers do not change with the threads.
TEST(Estimate, PrintsTheEstimateInsteadOfTheSearch)
{
    const ProcessResult perm = run_process(std::string(PERMLIST_PATH) + " --estimate --no-wait");
    EXPECT_EQ(perm.exit_status, 0);
    const std::vector<std::string> lines = lines_of(perm.out);
    ASSERT_EQ(lines.size(), 5u) << perm.out;
    EXPECT_EQ(lines[0], "Estimated from 10,000 random probes (seed 1):");
    EXPECT_EQ(lines[1], "  calls:     13,700");
    EXPECT_EQ(lines[2], "  orderings: 5,040 (exactly 5,040 = 7!)");
    EXPECT_EQ(lines[3].rfind("  time:      about ", 0), 0u) << lines[3];

    const std::string tiles = std::string(TILELIST_PATH) + " --estimate --no-wait --probes 500";
    const ProcessResult one = run_process(tiles + " --jobs 1 --seed 7");
    const ProcessResult three = run_process(tiles + " --jobs 3 --seed 7");
    EXPECT_EQ(one.out.substr(0, one.out.find("  time:")),
              three.out.substr(0, three.out.find("  time:")));
    EXPECT_NE(one.out.find("(exactly 281 by the closed form)\n"), std::string::npos) << one.out;
    EXPECT_EQ(one.out.rfind("Estimated from 500 random probes (seed 7):\n", 0), 0u) << one.out;
}
