// The places the window programs look in for their font, and how a message names them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster/font_places.h"

TEST(FontPlaces, WorkingDirectoryThenProgramFolderThenDataFolderBesideIt)
{
    struct Case {
        std::string program_folder, data_folder;
        std::vector<std::string> folders;
        std::string described;
    };
    const std::vector<Case> cases = {
        {"/usr/bin",
         "../share/backtrack",
         {"", "/usr/bin", "/usr/share/backtrack"},
         "the working directory, /usr/bin or /usr/share/backtrack"},
        // A tree under any prefix, however deep.
        {"/tmp/t/moved/bin",
         "../share/backtrack",
         {"", "/tmp/t/moved/bin", "/tmp/t/moved/share/backtrack"},
         "the working directory, /tmp/t/moved/bin or /tmp/t/moved/share/backtrack"},
        // Nothing above the root: its parent is itself.
        {"/",
         "../share/backtrack",
         {"", "/", "/share/backtrack"},
         "the working directory, / or /share/backtrack"},
        // Other install layouts, as GNUInstallDirs can set them.
        {"/opt/x/games",
         "../../share/x",
         {"", "/opt/x/games", "/opt/share/x"},
         "the working directory, /opt/x/games or /opt/share/x"},
        {"/opt/x", ".", {"", "/opt/x", "/opt/x"}, "the working directory, /opt/x or /opt/x"},
        // Where the system does not say which program runs, the working directory alone.
        {"", "../share/backtrack", {""}, "the working directory"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> folders = font_folders(c.program_folder, c.data_folder);
        EXPECT_EQ(folders, c.folders) << c.program_folder;
        EXPECT_EQ(describe_folders(folders), c.described) << c.program_folder;
    }
}

TEST(FontPlaces, PathsToOpenAndTheRunningProgramsOwnFolder)
{
    EXPECT_EQ(path_in("", "times.ttf"), "times.ttf");
    EXPECT_EQ(path_in("/usr/share/backtrack", "times.ttf"), "/usr/share/backtrack/times.ttf");
    EXPECT_EQ(path_in("/", "times.ttf"), "/times.ttf");
    // This test's own binary lives in the tests folder of the build tree.
    EXPECT_EQ(running_program_folder(), TEST_BINARY_DIR);
}
