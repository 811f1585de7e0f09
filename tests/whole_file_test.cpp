// The files that --tree and --save write whole: what a name may already hold, and the signals
// that end a run while such a file is being written.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>

#include "process.h"
#include "temp_folder.h"

namespace {

const std::string bin = BIN_DIR;

// Whether a name in the folder, or below it, contains the text.
bool has_name(const std::string& folder, const std::string& text)
{
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().filename().string().find(text) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

// A FIFO, a socket, a directory, a link to no file, a device: refused, status 1, left as they
// were. A link to a file is written through; --tree=NAME takes a name like an option's as
// given; a name is echoed with its control characters escaped.
TEST(WholeFile, NamesThatHoldNoFileAreRefusedAndLinksWrittenThrough)
{
    const TempFolder f;
    run_process("cd " + f.path() +
                " && mkfifo fifo && mkdir dir pages && mkfifo pages/page-001.png"
                " && echo old > real && ln -s real link && ln -s gone dangling; mknod dev c 1 3");
    sockaddr_un address = {AF_UNIX, {}};
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s/sock", f.path().c_str());
    ASSERT_EQ(bind(socket(AF_UNIX, SOCK_STREAM, 0), reinterpret_cast<sockaddr*>(&address),
                   sizeof address),
              0);
    const bool device = run_process("test -c " + f.path() + "/dev").exit_status == 0;
    const std::string tree = "permlist --size 3 --no-wait --tree";
    const std::pair<std::string, std::string> runs[] = {
        {tree + " fifo", "permlist: cannot write the tree 'fifo': Is a FIFO, not a regular file"},
        {tree + " sock", "permlist: cannot write the tree 'sock': Is a socket, not a regular file"},
        {tree + " dir", "permlist: cannot write the tree 'dir': Is a directory"},
        {tree + " dangling",
         "permlist: cannot write the tree 'dangling': Is a symbolic link to no file"},
        {"jugview --save pages",
         "jugview: cannot write 'pages/page-001.png': Is a FIFO, not a regular file"},
        {tree + " 'a\x1b]0;b\n/t'",
         "permlist: cannot write the tree 'a\\x1b]0;b\\n/t': No such file or directory"},
        {tree + " link", ""},
        {tree + "=--hide", ""},
        {tree + " dev", "permlist: cannot write the tree 'dev': Is a device, not a regular file"},
    };
    for (const auto& [run, err] : runs) {
        if (run == tree + " dev" && !device) continue;
        const ProcessResult r = run_process("cd " + f.path() + " && " + bin + "/" + run);
        EXPECT_EQ(r.exit_status, err.empty() ? 0 : 1) << run;
        EXPECT_EQ(r.err, err.empty() ? "" : err + "\n") << run;
    }
    const ProcessResult left =
        run_process("cd " + f.path() +
                    " && test -p fifo -a -S sock -a -d dir -a -L dangling -a ! -e gone -a "
                    "-p pages/page-001.png -a -L link && grep -q '<svg' real ./--hide && ls -lR");
    EXPECT_EQ(left.exit_status, 0) << left.out;
    EXPECT_EQ(left.out.find(".tmp-"), std::string::npos) << left.out;
    if (!device) GTEST_SKIP() << "the device case needs mknod, which needs root";
}

// SIGINT, SIGTERM and SIGHUP at several moments of a run that writes a file: the listing held
// by a full pipe, the tree being drawn and written, pages being saved. The run ends by that
// signal, as it would without a file, and no temporary file stays.
TEST(WholeFile, ASignalLeavesNoTemporaryFile)
{
    const TempFolder f;
    run_process(bin + "/permlist --trace --no-wait > " + f.path() + "/trace");
    const struct {
        std::string run, seen;
        int delay_ms, sig;
    } runs[] = {
        {"tilelist --board 6x6 --tree t.svg", ".tmp-", 100, SIGINT},
        {"tilelist --board 6x6 --count --no-wait --tree t.svg", ".tmp-", 0, SIGTERM},
        {"tilelist --board 6x6 --count --no-wait --tree t.svg", ".tmp-", 150, SIGHUP},
        {"tracetree trace --tree t.svg", ".tmp-", 50, SIGINT},
        {"tracetree trace --tree t.svg", ".tmp-", 250, SIGHUP},
        {"jugview --save pages --steps", "page-001", 0, SIGTERM},
        {"jugview --save pages --steps", "page-001", 150, SIGINT},
        {"jugview --save pages --steps", "page-001", 300, SIGHUP},
    };
    for (const auto& r : runs) {
        // Its standard output a pipe never read; its pid the shell's, which it takes over.
        const std::string command = "cd " + f.path() + " && echo $$ && exec env --default-signal " +
                                    bin + "/" + r.run + " </dev/null 2>/dev/null";
        FILE* run = popen(command.c_str(), "r");
        char pid_line[32] = "";
        ASSERT_NE(std::fgets(pid_line, sizeof pid_line, run), nullptr) << r.run;
        const pid_t pid = static_cast<pid_t>(std::strtol(pid_line, nullptr, 10));
        for (int k = 0; k < 20000 && !has_name(f.path(), r.seen); ++k) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(r.delay_ms));
        kill(pid, r.sig);
        int status = 0;
        waitpid(pid, &status, 0);  // before the pipe closes, which would end it by SIGPIPE
        pclose(run);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == r.sig) << r.run << ": " << status;
        EXPECT_FALSE(has_name(f.path(), ".tmp-")) << r.run;
        std::filesystem::remove_all(f.path() + "/pages");
    }
}
