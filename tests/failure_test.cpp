// The window programs when things go wrong: no font, no display, Ctrl-C, a flood of keys.
#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <string>
#include <vector>

#include "page_reading.h"
#include "process.h"
#include "solutions.h"
#include "temp_folder.h"
#include "x_session.h"

namespace {

constexpr Uint32 white = 0xFFFFFF, black = 0x000000, red = 0xFF0000, blue = 0x0000FA;

RunRecord run_in(const std::string& folder, const std::string& program,
                 const std::vector<UserAnswer>& answers)
{
    return run_on_own_server(folder, program, answers, 20);
}

const std::string bin = BIN_DIR;

// Runs a copy of the program alone in a tree of its own, from "/": no place it looks in
// holds the font. Its one line must name the font and every place it looked in.
RunRecord run_without_font(const std::string& program)
{
    TempFolder tree;
    if (!copy_into(bin + "/" + program, tree.path() + "/bin", program)) {
        RunRecord r;
        r.failure = "cannot copy " + program;
        return r;
    }
    RunRecord r = run_in("/", tree.path() + "/bin/" + program, {});
    const auto lines = own_lines(r.err, program);
    const std::string places =
        "the working directory, " + tree.path() + "/bin or " + tree.path() + "/share/backtrack";
    if (lines.size() != 1 || lines[0].find("\"times.ttf\"") == std::string::npos ||
        lines[0].find(places) == std::string::npos) {
        r.failure = "not one line naming times.ttf and " + places + ":\n" + r.err;
    }
    return r;
}

}  // namespace

TEST(MissingFont, JugviewSaysSoOnceAndDrawsEveryPage)
{
    const RunRecord r = run_without_font("jugview");
    EXPECT_EQ(r.failure, "");
    EXPECT_EQ(r.exit_status, 0) << r.err;
    ASSERT_EQ(r.pages.size(), 15u);
    const auto solutions = reference_solutions();
    for (size_t n = 0; n < 14; ++n) {
        EXPECT_EQ(read_solution_page(r.pages[n], red, black), solutions[n]) << "solution " << n + 1;
        EXPECT_EQ(count_colour(r.pages[n], black, 0, 0, 799, 35), 0) << "no label on " << n + 1;
    }
}

TEST(MissingFont, TileviewSaysSoOnceAndDrawsEveryPage)
{
    const RunRecord r = run_without_font("tileview");
    EXPECT_EQ(r.failure, "");
    EXPECT_EQ(r.exit_status, 0) << r.err;
    ASSERT_EQ(r.pages.size(), 6u);
    EXPECT_EQ(read_diagram_page(r.pages[0], 50, blue).size(), 49u);
    EXPECT_EQ(read_diagram_page(r.pages[5], 20, blue).size(), 36u);
    EXPECT_EQ(count_colour(r.pages[5], black, 0, 0, 799, 599), 0);
}

// Without a display a window program must not sit invisibly waiting for keys nobody can
// press: it says why on standard error, in its own words only, and fails. (Regression: SDL
// used to say first that XDG_RUNTIME_DIR was not set.)
TEST(NoDisplay, WindowProgramsSayWhyAndExitWithStatusOne)
{
    const std::vector<std::string> environments = {
        "env -u DISPLAY -u SDL_VIDEODRIVER",
        "env -u DISPLAY SDL_VIDEODRIVER=x11",
        "env DISPLAY=:1 SDL_VIDEODRIVER=no-such-driver",
        "env -u SDL_VIDEODRIVER DISPLAY=:4321",
    };
    for (const char* program : {"jugview", "tileview"}) {
        for (const std::string& env : environments) {
            const ProcessResult r =
                run_process("cd " + bin + " && " + env + " timeout 20 ./" + program);
            EXPECT_EQ(r.exit_status, 1) << env << " " << program << "\n" << r.err;
            EXPECT_EQ(own_lines(r.err, program).size(), 1u) << env << " " << program << "\n"
                                                            << r.err;
            EXPECT_EQ(lines_of(r.err).size(), 1u) << env << " " << program << "\n" << r.err;
            EXPECT_EQ(r.out, "");
        }
    }
}

TEST(Interrupt, CtrlCEndsEitherWindowProgramAtAWait)
{
    for (const char* program : {"jugview", "tileview"}) {
        const RunRecord r = run_in(bin, program, {UserAnswer::key, UserAnswer::interrupt});
        EXPECT_EQ(r.failure, "") << program;
        EXPECT_EQ(r.pages.size(), 2u) << program;
        EXPECT_EQ(r.term_signal, SIGINT) << program << " exit status " << r.exit_status;
    }
}

TEST(KeyFlood, JugviewEndsCleanlyAfterItsWaits)
{
    const RunRecord r = run_in(bin, "jugview", {UserAnswer::key_flood});
    EXPECT_EQ(r.failure, "");
    EXPECT_EQ(r.exit_status, 0) << r.err;
    EXPECT_GE(r.pages.size(), 1u);
}
