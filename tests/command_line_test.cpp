// The programs' command lines as a user types them: bad input, --help and --version.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <sys/wait.h>
#include <string>
#include <vector>

#include "process.h"
#include "pty_session.h"

namespace {

const std::string bin = BIN_DIR;

struct BadInput {
    const char* program;
    const char* arguments;  // as typed in a shell
    const char* named;      // what the message must name: the option and the value given
    const char* named_too;
};

const BadInput bad_inputs[] = {
    {"juglist", "--jugz 1", "'--jugz'", ""},
    {"juglist", "--jug 8,5,3", "'--jug'", ""},  // whole names only
    {"juglist", "--jugs", "--jugs", "A,B,C"},
    {"juglist", "--jugs 10,5", "--jugs", "'10,5'"},
    {"juglist", "--jugs a,b,c", "--jugs", "'a,b,c'"},
    {"juglist", "--jugs 10,,3", "--jugs", "'10,,3'"},
    {"juglist", "--jugs=", "--jugs", "''"},
    {"juglist", "--jugs 0,5,3", "--jugs", "from 1 to 99"},
    {"juglist", "--jugs 10,-5,3", "--jugs", "'10,-5,3'"},
    {"juglist", "--jugs 100,5,3", "--jugs", "'100,5,3'"},
    {"juglist", "--jugs 10,5,3x", "--jugs", "'10,5,3x'"},
    {"juglist", "--goal '11,*,*'", "--goal", "'11,*,*'"},
    {"juglist", "--goal '*,*,2' --jugs 10,5,1", "--goal", "at most 1"},
    {"juglist", "--goal 1,2", "--goal", "X,Y,Z"},
    {"juglist", "--no-wait=yes", "--no-wait", "'--no-wait=yes'"},
    {"juglist", "--no-wait extra", "'extra'", ""},
    {"juglist", "-x", "'-x'", ""},
    {"jugview", "--jugs 10,5,3,4", "--jugs", "'10,5,3,4'"},
    {"jugview", "--no-wait", "'--no-wait'", ""},
    {"jugview", "--goal '*,6,*'", "--goal", "'*,6,*'"},
    {"jugview", "--delay 200", "--delay", "add --steps"},
    {"jugview", "--steps --delay 10001", "--delay", "from 0 to 10000"},
    {"jugview", "--steps --delay=fast", "--delay", "'fast'"},
    {"jugview", "--steps --trace", "'--trace'", ""},
    {"juglist", "--steps", "'--steps'", ""},
    {"permlist", "--trace=yes", "--trace", "'--trace=yes'"},
    {"jugview", "--save", "--save", "the name of a folder"},
    {"jugview", "--save ''", "--save", "''"},
    {"tileview", "--save= --board 4x4", "--save", "''"},
    {"juglist", "--save pages", "'--save'", ""},
    {"permlist", "--save=pages", "'--save=pages'", ""},
    {"permlist", "--size 7x", "--size", "'7x'"},
    {"permlist", "--size 0", "--size", "'0'"},
    {"permlist", "--size 13", "--size", "from 1 to 12"},
    {"permlist", "--size", "--size", "N"},
    {"permlist", "--board 6x4", "'--board'", ""},
    {"tileview", "--board 6x", "--board", "'6x'"},
    {"tileview", "--board '6*4'", "--board", "'6*4'"},
    {"tileview", "--board 53x4", "--board", "W from 1 to 52"},
    {"tileview", "--board 6x37", "--board", "H from 1 to 36"},
    {"tileview", "--board 0x4", "--board", "'0x4'"},
    {"tileview", "--board=6x4 4x4", "'4x4'", ""},
    {"tileview", "--steps --delay -5", "--delay", "'-5'"},
    {"tileview", "--count", "'--count'", ""},
    {"tilelist", "--board 21x4", "--board", "W from 1 to 20"},
    {"tilelist", "--board 4x21", "--board", "H from 1 to 20"},
    {"tilelist", "--board 0x0", "--board", "'0x0'"},
    {"tilelist", "--board", "--board", "WxH"},
    {"tilelist", "--board 8x8x", "--board", "'8x8x'"},
    {"tilelist", "--count=yes", "--count", "'--count=yes'"},
    {"tilelist", "--coun", "'--coun'", ""},
    {"tilelist", "--size 4", "'--size'", ""},
    {"tilelist", "--count 4x4", "'4x4'", ""},
    {"juglist", "--count=1", "--count", "'--count=1'"},
    {"permlist", "--count", "'--count'", ""},
    {"tilelist", "--trace --count", "--trace and --count", ""},
    {"juglist", "--tree", "--tree", "the name of a file"},
    {"permlist", "--tree=", "--tree", "''"},
    {"jugview", "--tree tree.svg", "'--tree'", ""},
    {"tileview", "--steps --view sideways", "--view", "picture or tree"},
    {"jugview", "--view tree", "--view", "add --steps"},
    {"tilelist", "--count --part 1/2 --tree t.svg", "--tree", "--part"},
    {"juglist", "--estimate --tree t.svg", "--tree", "--estimate"},
    {"juglist", "--count --trace", "--trace and --count", ""},
    {"juglist", "--count --jobs 0", "--jobs", "from 1 to 1024"},
    {"tilelist", "--count --jobs x", "--jobs", "'x'"},
    {"tilelist", "--count --jobs 1025", "--jobs", "'1025'"},
    {"juglist", "--jobs 2", "--jobs", "add --count or --estimate"},
    {"permlist", "--jobs 2", "'--jobs'", ""},
    {"tilelist", "--estimate --probes 0", "--probes", "from 1 to 10000000"},
    {"juglist", "--estimate --probes 10000001", "--probes", "'10000001'"},
    {"permlist", "--probes 100", "--probes", "add --estimate"},
    {"tilelist", "--seed 7", "--seed", "add --estimate"},
    {"permlist", "--estimate --seed -1", "--seed", "'-1'"},
    {"tilelist", "--estimate --trace", "--trace and --estimate", ""},
    {"juglist", "--trace --estimate", "--trace and --estimate", ""},
    {"tilelist", "--count --part 0/4", "--part", "'0/4'"},
    {"tilelist", "--count --part 5/4", "--part", "1 <= I <= K <= 1000000"},
    {"juglist", "--count --part 3", "--part", "'3'"},
    {"juglist", "--count --part 1/0", "--part", "'1/0'"},
    {"tilelist", "--count --part 1/1000001", "--part", "'1/1000001'"},
    {"tilelist", "--part 1/2", "--part", "add --count"},
    {"juglist", "--count --estimate --part 1/2", "--part", "leave out --part"},
    {"permlist", "--part 1/2", "'--part'", ""},
    {"tileview", "--progress", "--progress", "add --save"},
    {"jugview", "--no-progress", "--no-progress", "add --save"},
    {"tilelist", "--progress=yes", "--progress", "'--progress=yes'"},
    {"juglist", "--tree --count", "--tree needs a FILE, not the option --count",
     "--tree=./--count"},
    {"jugview", "--save --no-wait", "--save needs a DIR, not the option --no-wait", "a folder"},
    {"permlist", "--size '\x1b[2J'", "invalid value '\\x1b[2J' for --size", ""},
    {"juglist", "--jugs 'a\nb'", "invalid value 'a\\nb' for --jugs", ""},
};

}  // namespace

// Whatever is typed wrong: one line naming it, one pointing to --help, status 2, nothing
// else. The window programs run without a display here: had one tried to open its window,
// it would have said so and ended with status 1.
TEST(CommandLine, BadInputGetsTwoLinesAndStatusTwo)
{
    for (const BadInput& c : bad_inputs) {
        const std::string what = std::string(c.program) + " " + c.arguments;
        const ProcessResult r =
            run_process("env -u DISPLAY -u SDL_VIDEODRIVER " + bin + "/" + what);
        EXPECT_EQ(r.exit_status, 2) << what;
        EXPECT_EQ(r.out, "") << what;
        const auto lines = lines_of(r.err);
        ASSERT_EQ(lines.size(), 2u) << what << "\n" << r.err;
        EXPECT_EQ(lines[0].rfind(std::string(c.program) + ": ", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find(c.named), std::string::npos) << what << ": " << lines[0];
        EXPECT_NE(lines[0].find(c.named_too), std::string::npos) << what << ": " << lines[0];
        EXPECT_EQ(lines[1], "Try '" + std::string(c.program) + " --help'.") << what;
    }
}

TEST(CommandLine, BadInputLeavesTheTerminalAlone)
{
    PtySession session;
    ASSERT_TRUE(session.start(bin + "/juglist", {"--jugs", "1,2"}));
    const struct termios before = session.attributes_at_start();
    const std::string shown = session.read_until_quiet(300, 5000);
    const int status = session.wait_exit(5000);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
    EXPECT_NE(shown.find("--jugs"), std::string::npos) << shown;
    EXPECT_TRUE(same_attributes(session.attributes(), before));
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> programs = {
        {"juglist",
         {"--jugs A,B,C", "(default 10,5,3)", "--goal X,Y,Z", "'*,*,2'", "--count", "--no-wait",
          "--trace", "--progress", "--no-progress", "--estimate", "--probes N", "(default 10000)",
          "--seed S", "--jobs N", "--part I/K", "'part I/K: '"}},
        // Regression: the longest help paragraph, --steps's, was cut off at 800 bytes.
        {"jugview",
         {"--jugs A,B,C", "--goal X,Y,Z", "--steps", "--delay MS", "0 to 10000", "[--save DIR]",
          "--save DIR     write", "33554432 steps are kept, and older ones dropped"}},
        {"tileview",
         {"--board WxH", "from 1 to 52", "from 1 to 36", "(default 6x4)", "--steps",
          "--save DIR     write"}},
        {"permlist",
         {"--size N", "from 1 to 12", "(default 7)", "--no-wait", "--trace", "--estimate",
          "--seed S"}},
        {"tilelist",
         {"Usage: tilelist [--board WxH] [--count] [--trace] [--no-wait] [--tree FILE]",
          "[--no-progress] [--estimate] [--probes N] [--seed S] [--jobs N] [--part I/K]\n",
          "from 1 to 20", "(default 6x4)", "--count", "only what follows the listing", "--trace",
          "--jobs N", "--part I/K"}},
    };
    for (const auto& [program, mentions] : programs) {
        const ProcessResult help = run_process(bin + "/" + program + " --help");
        EXPECT_EQ(help.exit_status, 0) << program;
        EXPECT_EQ(help.err, "") << program;
        EXPECT_EQ(help.out.rfind("Usage: " + program + " [--", 0), 0u) << help.out;
        // The texts are wrapped: a mention may run on across a line end and the indent after it.
        std::string flowing = help.out;
        for (size_t k; (k = flowing.find("\n ")) != std::string::npos;) {
            flowing.replace(k, flowing.find_first_not_of(' ', k + 1) - k, " ");
        }
        for (const std::string& m : mentions) {
            EXPECT_NE(flowing.find(m), std::string::npos) << program << " --help lacks " << m;
        }
        EXPECT_EQ(run_process(bin + "/" + program + " -h").out, help.out) << program;
        EXPECT_NE(help.out.find("the last one counts"), std::string::npos) << program;
        EXPECT_NE(help.out.find("\nExamples:\n  " + program + " --"), std::string::npos) << program;

        const ProcessResult version = run_process(bin + "/" + program + " --version");
        EXPECT_EQ(version.exit_status, 0) << program;
        EXPECT_EQ(version.out, program + " (" PROJECT_SHORT_NAME ") " PROJECT_VERSION "\n");
    }
}

// Each program's description states its moves and the order in which the search tries them.
TEST(CommandLine, DescriptionsNameTheOrderOfTheMoves)
{
    const std::string pours = "pours one jug into another until the source is empty or the target "
                              "full; from each state the search tries the pours in the order 1 "
                              "into 2, 1 into 3, 2 into 1, 2 into 3, 3 into 1, 3 into 2";
    const std::string cells =
        "covers the lowest free cell with a domino, horizontal before vertical";
    for (const auto& [program, order] : std::vector<std::pair<std::string, std::string>>{
             {"juglist", pours},
             {"jugview", pours},
             {"tileview", cells},
             {"tilelist", cells},
             {"permlist", "the numbers tried in ascending order"}}) {
        std::string description = run_process(bin + "/" + program + " --help").out;
        description.resize(description.find("\nOptions:"));
        std::replace(description.begin(), description.end(), '\n', ' ');
        EXPECT_NE(description.find(order), std::string::npos) << program << " lacks " << order;
    }
}
