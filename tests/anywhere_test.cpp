// The programs started from another folder than their own: from the build tree, and from
// a tree that cmake --install put under a temporary prefix and that was then moved.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "page_reading.h"
#include "process.h"
#include "temp_folder.h"
#include "x_session.h"

namespace {

namespace fs = std::filesystem;

constexpr Uint32 black = 0x000000;

const std::string bin = BIN_DIR;
const std::vector<std::string> console_programs = {CONSOLE_PROGRAMS};
const std::vector<std::string> window_programs = {WINDOW_PROGRAMS};

// One installed tree for the whole suite: installed under one prefix, then moved, so that
// a program that found its data by the prefix it was built for would fail.
class InstalledTree : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        folder_ = new TempFolder;
        const std::string first = folder_->path() + "/first";
        install_ = run_process("cmake --install '" BUILD_DIR "' --prefix '" + first + "'");
        std::error_code error;
        fs::rename(first, prefix(), error);
        if (error) install_.exit_status = -1;
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override { ASSERT_EQ(install_.exit_status, 0) << install_.out << install_.err; }

    static std::string prefix() { return folder_->path() + "/moved"; }

    static TempFolder* folder_;
    static ProcessResult install_;
};

TempFolder* InstalledTree::folder_ = nullptr;
ProcessResult InstalledTree::install_;

std::string gunzipped(const std::string& path)
{
    return run_process("gzip -dc '" + path + "'").out;
}

bool is_executable(const std::string& path)
{
    struct stat s = {};
    return stat(path.c_str(), &s) == 0 && S_ISREG(s.st_mode) && (s.st_mode & S_IXOTH) != 0;
}

}  // namespace

TEST_F(InstalledTree, HoldsProgramsPagesDesktopEntriesAndFont)
{
    std::vector<std::string> all = console_programs;
    all.insert(all.end(), window_programs.begin(), window_programs.end());
    for (const std::string& program : all) {
        EXPECT_TRUE(is_executable(prefix() + "/bin/" + program)) << program;
        // The page the build made (its sections are checked by ctest -L static), naming the
        // version that --version prints.
        const std::string page = gunzipped(prefix() + "/share/man/man1/" + program + ".1.gz");
        EXPECT_EQ(page, read_file(BUILD_DIR "/man/" + program + ".1")) << program;
        EXPECT_NE(page.find("\"" PROJECT_NAME " " PROJECT_VERSION "\""), std::string::npos);
    }
    for (const std::string& program : window_programs) {
        const std::string entry =
            read_file(prefix() + "/share/applications/" + program + ".desktop");
        EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u) << program;
        EXPECT_NE(entry.find("\nExec=" + program + "\n"), std::string::npos) << program;
    }
    for (const std::string& program : console_programs) {
        EXPECT_FALSE(fs::exists(prefix() + "/share/applications/" + program + ".desktop"));
    }
    const std::string font = read_file(prefix() + "/share/backtrack/times.ttf");
    EXPECT_GT(font.size(), 10000u);
    EXPECT_EQ(font, read_file(bin + "/times.ttf"));
    EXPECT_FALSE(fs::exists(prefix() + "/bin/times.ttf")) << "the font belongs in share/";
}

TEST_F(InstalledTree, ConsoleProgramsRunFromAnotherFolder)
{
    for (const std::string& program : console_programs) {
        // tracetree reads a trace rather than searching: its help stands for its output.
        const std::string options = program == "tracetree" ? " --help" : " --no-wait";
        const ProcessResult built = run_process("cd '" + bin + "' && ./" + program + options);
        const ProcessResult installed =
            run_process("cd / && '" + prefix() + "/bin/" + program + "'" + options);
        EXPECT_EQ(installed.exit_status, 0) << program << "\n" << installed.err;
        EXPECT_EQ(installed.err, "") << program;
        EXPECT_GT(installed.out.size(), 100u) << program;
        EXPECT_EQ(installed.out, built.out) << program;

        const ProcessResult version =
            run_process("cd / && '" + prefix() + "/bin/" + program + "' --version");
        EXPECT_EQ(version.out, program + " (" PROJECT_NAME ") " PROJECT_VERSION "\n");
    }
}

// Started from "/", which holds no font: the build tree's programs find it beside them,
// the installed ones in the tree's data folder (their own folder holds none).
TEST_F(InstalledTree, WindowProgramsFindTheirFontFromAnotherFolder)
{
    XServer server;
    ASSERT_TRUE(server.start());
    for (const std::string& program : window_programs) {
        for (const std::string& path : {bin + "/" + program, prefix() + "/bin/" + program}) {
            // The first page is enough: its text is drawn with the font or not at all.
            const RunRecord r = run_window_program(server, "/", path, {UserAnswer::interrupt}, 1);
            EXPECT_EQ(r.failure, "") << path;
            ASSERT_EQ(r.pages.size(), 1u) << path;
            EXPECT_EQ(own_lines(r.err, program), std::vector<std::string>{}) << path;
            // Black is the text's colour alone at the top of the first page of either program.
            EXPECT_GT(count_colour(r.pages[0], black, 0, 0, 799, 35), 20) << path << ": no text";
        }
    }
}
