// juglist and permlist run as separate processes: their exact output, and their key wait on a
// terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <numeric>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "process.h"
#include "pty_session.h"

namespace {

std::string expected_juglist_output()
{
    return read_file(std::string(TEST_DATA_DIR) + "/juglist_output.txt");
}

// The listing of permlist built independently of its search.
std::string expected_permlist_output()
{
    std::vector<int> p(7);
    std::iota(p.begin(), p.end(), 0);
    std::ostringstream out;
    int n = 0;
    do {
        out << ++n << " : ";
        for (int v : p) out << v << ' ';
        out << '\n';
    } while (std::next_permutation(p.begin(), p.end()));
    return out.str();
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// What a user sees: the listing appears, the program then sits waiting with the key
// unechoed, ends with status 0 on a key, and leaves the terminal as it found it.
void check_waits_for_one_unechoed_key(const char* program, const std::string& expected)
{
    PtySession session;
    ASSERT_TRUE(session.start(program));
    const struct termios before = session.attributes();

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
    const struct termios before = session.attributes();
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
