// --save when the folder cannot be had or a page cannot be written: one line naming the file
// and the reason, status 1, and no page file that is not whole.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "process.h"
#include "saved_pages.h"

namespace {

struct Fault {
    const char* program;
    const char* prepare;            // shell commands run first in the scratch folder
    const char* folder;             // --save's value, in the scratch folder
    const char* named;              // the file the message names, in the scratch folder
    const char* reason;             // as strerror gives it
    std::vector<std::string> left;  // the names in the folder afterwards
};

const Fault folder_faults[] = {
    {"jugview", "touch pages", "pages", "pages", "Not a directory", {}},
    {"tileview", "true", "missing/pages", "missing/pages", "No such file or directory", {}},
    // The page is whole but cannot take its name: its temporary file goes.
    {"jugview",
     "mkdir -p pages/page-001.png",
     "pages",
     "pages/page-001.png",
     "Is a directory",
     {"page-001.png"}},
};

// Real read-only and full file systems: a tmpfs mounted in a private mount namespace. A
// tileview page (about 8 KiB) does not fit in 4 KiB: its write fails part-way.
const Fault mount_faults[] = {
    {"jugview",
     "mkdir pages && mount -t tmpfs -o ro none pages",
     "pages",
     "pages/page-001.png",
     "Read-only file system",
     {}},
    {"tileview",
     "mkdir pages && mount -t tmpfs -o size=4k none pages",
     "pages",
     "pages/page-001.png",
     "No space left on device",
     {}},
};

void expect_fault_reported(const Fault& f, bool private_mounts)
{
    const TempFolder scratch;
    const SaveRun r = run_save(scratch.path(), f.prepare, f.program, f.folder, "", private_mounts);
    const std::string what = std::string(f.program) + " after " + f.prepare + ": " + r.err;
    EXPECT_EQ(r.status, 1) << what;
    EXPECT_EQ(r.out, "") << what;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << what;
    EXPECT_EQ(r.err.rfind(std::string(f.program) + ": cannot ", 0), 0u) << what;
    EXPECT_NE(r.err.find("'" + scratch.path() + "/" + f.named + "': " + f.reason + "\n"),
              std::string::npos)
        << what;
    EXPECT_EQ(r.names, f.left) << what;
}

}  // namespace

TEST(SaveFaults, FolderOrPageNameTakenOrParentMissing)
{
    for (const Fault& f : folder_faults) expect_fault_reported(f, false);
}

// Permission bits do not stop root, so an unwritable folder is a read-only mount.
TEST(SaveFaults, ReadOnlyFolderAndFullDisk)
{
    if (geteuid() != 0 || run_process("unshare -m true").exit_status != 0) {
        GTEST_SKIP() << "a read-only folder and a full disk are tmpfs mounts in a private mount "
                        "namespace: they need root and unshare -m";
    }
    for (const Fault& f : mount_faults) expect_fault_reported(f, true);
}
