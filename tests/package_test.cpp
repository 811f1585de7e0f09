// The Debian package and the source tarball as CPack makes them from the build tree: the
// package unpacked with dpkg-deb into a temporary folder (never installed into the system)
// and checked for its files, its font link, its licence, its control fields and lintian's
// verdict.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "process.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string build = BUILD_DIR;
const std::vector<std::string> console_programs = {CONSOLE_PROGRAMS};
const std::vector<std::string> window_programs = {WINDOW_PROGRAMS};
const std::string version = PROJECT_VERSION;

std::string trimmed(std::string s)
{
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return s;
}

// Both packages made once for the whole suite, into a folder of its own.
class Packages : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        folder_ = new TempFolder;
        const std::string out = folder_->path() + "/out";
        const std::string arch = trimmed(run_process("dpkg --print-architecture").out);
        deb_ = out + "/backtrack_" + version + "_" + arch + ".deb";
        tarball_ = out + "/backtrack-" + version + ".tar.gz";
        made_ = run_process("cd '" + build + "' && cpack -G DEB -B '" + out +
                            "' && cpack --config CPackSourceConfig.cmake -B '" + out +
                            "' && dpkg-deb -x '" + deb_ + "' '" + root() + "'");
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override { ASSERT_EQ(made_.exit_status, 0) << made_.out << made_.err; }

    static std::string root() { return folder_->path() + "/root"; }
    static std::string field(const std::string& name)
    {
        return trimmed(run_process("dpkg-deb -f '" + deb_ + "' " + name).out);
    }

    static TempFolder* folder_;
    static ProcessResult made_;
    static std::string deb_, tarball_;
};

TempFolder* Packages::folder_ = nullptr;
ProcessResult Packages::made_;
std::string Packages::deb_, Packages::tarball_;

bool regular_with_mode(const std::string& path, mode_t mode)
{
    struct stat s = {};
    return lstat(path.c_str(), &s) == 0 && S_ISREG(s.st_mode) && (s.st_mode & 07777) == mode;
}

// The text's words, one blank apart: what stays of a text wrapped anew, or indented with its
// blank lines as " ." as in a Debian copyright file.
std::string words_of(const std::string& text)
{
    std::istringstream in(text);
    std::string word, words;
    while (in >> word) {
        if (word != ".") words += word + " ";
    }
    return words;
}

// The packages that hold the libraries a program is linked with, as dpkg knows them.
std::set<std::string> packages_of_linked_libraries(const std::string& program)
{
    std::set<std::string> packages;
    const std::string multiarch = trimmed(run_process("gcc -print-multiarch").out);
    const ProcessResult needed = run_process("objdump -p '" + program + "'");
    for (const std::string& line : lines_of(needed.out)) {
        std::istringstream words(line);
        std::string key, library;
        if (!(words >> key >> library) || key != "NEEDED") continue;
        const ProcessResult owner = run_process("dpkg -S '*/" + multiarch + "/" + library + "'");
        for (const std::string& found : lines_of(owner.out)) {
            packages.insert(found.substr(0, found.find_first_of(":,")));
        }
        if (owner.exit_status != 0) packages.insert("(no package holds " + library + ")");
    }
    return packages;
}

}  // namespace

TEST_F(Packages, DebianPackageHoldsProgramsPagesEntriesAndDocuments)
{
    std::vector<std::string> all = console_programs;
    all.insert(all.end(), window_programs.begin(), window_programs.end());
    std::vector<std::pair<std::string, mode_t>> files = {
        {"usr/share/doc/backtrack/copyright", 0644},
        {"usr/share/doc/backtrack/changelog.gz", 0644},
    };
    for (const std::string& program : all) {
        files.push_back({"usr/bin/" + program, 0755});
        files.push_back({"usr/share/man/man1/" + program + ".1.gz", 0644});
    }
    for (const std::string& program : window_programs) {
        files.push_back({"usr/share/applications/" + program + ".desktop", 0644});
    }
    for (const auto& [file, mode] : files) {
        EXPECT_TRUE(regular_with_mode(root() + "/" + file, mode)) << file;
    }
    // Nothing else: the package carries exactly these files and the font link.
    size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root())) {
        if (!entry.is_directory()) ++count;
    }
    EXPECT_EQ(count, files.size() + 1);

    // Stripped, and still a working program, started from another folder.
    for (const std::string& program : console_programs) {
        const std::string path = root() + "/usr/bin/" + program;
        EXPECT_EQ(run_process("objdump -h '" + path + "'").out.find(".debug_info"),
                  std::string::npos)
            << program;
        // tracetree reads a trace (here of one node) instead of searching.
        const std::string input = program == "tracetree" ? "echo call | " : "";
        const std::string options = program == "tracetree" ? "" : " --no-wait";
        const ProcessResult run = run_process("cd / && " + input + "'" + path + "'" + options);
        EXPECT_EQ(run.exit_status, 0) << program;
        EXPECT_EQ(run.out,
                  run_process(input + "'" + build + "/bin/" + program + "'" + options).out);
    }
}

TEST_F(Packages, DebianPackageLinksToTheSystemFontInsteadOfACopy)
{
    const fs::path link = root() + "/usr/share/backtrack/times.ttf";
    ASSERT_TRUE(fs::is_symlink(link));
    const fs::path target = fs::read_symlink(link);
    EXPECT_TRUE(target.is_relative()) << target << ": Debian wants links within /usr relative";
    const fs::path installed = (fs::path("/usr/share/backtrack") / target).lexically_normal();
    EXPECT_EQ(installed, "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf");
    EXPECT_TRUE(fs::is_regular_file(installed)) << "fonts-liberation2 is not installed here";
    for (const auto& entry : fs::recursive_directory_iterator(root())) {
        EXPECT_FALSE(entry.is_regular_file() && entry.path().extension() == ".ttf") << entry.path();
    }
}

// The package's copyright file puts every file under the MIT licence with the holders that
// LICENSE names, and carries the licence's text as LICENSE has it.
TEST_F(Packages, DebianPackageCarriesTheLicence)
{
    const std::string licence = words_of(read_file(SOURCE_DIR "/LICENSE"));
    const std::string notice = "Copyright (c) ";
    const std::size_t at = licence.find(notice),
                      text = licence.find("Permission is hereby granted");
    ASSERT_TRUE(at < text && text != std::string::npos) << licence;
    const std::string holders = licence.substr(at + notice.size(), text - at - notice.size());
    const std::string copyright =
        words_of(read_file(root() + "/usr/share/doc/backtrack/copyright"));
    EXPECT_NE(copyright.find("Files: * Copyright: " + holders + "License: MIT "), std::string::npos)
        << copyright;
    EXPECT_NE(copyright.find("License: MIT " + licence.substr(text)), std::string::npos)
        << copyright;
}

TEST_F(Packages, DebianPackageNamesItsVersionAndTheRuntimePackagesItNeeds)
{
    EXPECT_EQ(field("Package"), "backtrack");
    EXPECT_EQ(field("Version"), version);
    // Each name as a whole word of the field, however the field orders them.
    std::string depends = ", " + field("Depends") + ",";
    for (char& c : depends) {
        if (c == '|') c = ',';
    }
    std::set<std::string> wanted = {"fonts-liberation2"};
    for (const std::string& program : window_programs) {
        const std::set<std::string> linked =
            packages_of_linked_libraries(build + "/bin/" + program);
        EXPECT_TRUE(linked.count("libsdl-ttf2.0-0")) << program << " is not linked with SDL_ttf";
        wanted.insert(linked.begin(), linked.end());
    }
    for (const std::string& package : wanted) {
        const bool named = depends.find(", " + package + ",") != std::string::npos ||
                           depends.find(", " + package + " (") != std::string::npos;
        EXPECT_TRUE(named) << package << " missing from Depends:" << depends;
    }
}

TEST_F(Packages, LintianFindsNoErrorsInTheDebianPackage)
{
    const ProcessResult lintian = run_process("lintian --fail-on error '" + deb_ + "' 2>&1");
    EXPECT_EQ(lintian.exit_status, 0) << lintian.out;
}

TEST_F(Packages, SourceTarballHoldsEveryTrackedFileUnderItsVersionedFolder)
{
    const ProcessResult listing = run_process("tar -tzf '" + tarball_ + "'");
    ASSERT_EQ(listing.exit_status, 0) << listing.err;
    const std::string top = "backtrack-" + version + "/";
    std::set<std::string> entries;
    for (const std::string& entry : lines_of(listing.out)) {
        EXPECT_EQ(entry.rfind(top, 0), 0u) << entry;
        const std::string file = entry.substr(std::min(top.size(), entry.size()));
        EXPECT_NE(file.rfind("build", 0), 0u) << entry << ": a build tree";
        EXPECT_NE(file.rfind(".git/", 0), 0u) << entry;
        EXPECT_NE(file, ".git") << entry;
        entries.insert(file);
    }
    for (const char* file :
         {"CMakeLists.txt", "packaging/CMakeLists.txt", "README.md", "LICENSE"}) {
        EXPECT_TRUE(entries.count(file)) << file;
    }
    // In a checkout, every file that git tracks is there.
    const ProcessResult tracked = run_process("git -C '" SOURCE_DIR "' ls-files");
    if (tracked.exit_status == 0) {
        for (const std::string& file : lines_of(tracked.out)) {
            EXPECT_TRUE(entries.count(file)) << file;
        }
    }
}
