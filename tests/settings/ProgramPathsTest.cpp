#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/settings/ProgramPaths.h"
#include "shell/settings/SettingsInit.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteFile;

// An environment with the given variables; only the folders listed as read-only refuse
// writing (the tests may run as a user who may write anywhere).
DataHomeEnvironment Environment(std::string xdg, std::string home,
                                std::vector<fs::path> readOnly = {}) {
    DataHomeEnvironment env;
    env.xdgDataHome = std::move(xdg);
    env.home = std::move(home);
    env.isWritable = [readOnly](const fs::path& dir) {
        for (const fs::path& r : readOnly)
            if (r == dir) return false;
        return true;
    };
    return env;
}

TEST(ProgramPaths, AFolderOfItsOwnKeepsEverythingBesideTheProgram) {
    TempDir tree;
    const fs::path build = tree.Path() / "bin";
    fs::create_directories(build);
    WriteFile(build / "GAMES.DAT", "");
    // Even when the tree around it looks like an install, GAMES.DAT beside the executable
    // makes its folder the program folder.
    fs::create_directories(tree.Path() / "share" / "tindle");
    const ProgramPaths paths = ResolveProgramPaths(build, Environment("/x", "/home/p"));
    EXPECT_EQ(paths.programDir, build);
    EXPECT_EQ(paths.dataFolder, build);
    EXPECT_EQ(paths.soundModule, build / "tindle-sound.so");

    // Read-only (a copy in a system folder): the data go to the player's data home.
    const ProgramPaths readOnly =
        ResolveProgramPaths(build, Environment("/xdg/data", "/home/p", {build}));
    EXPECT_EQ(readOnly.programDir, build);
    EXPECT_EQ(readOnly.dataFolder, fs::path("/xdg/data/tindle"));
    EXPECT_EQ(readOnly.soundModule, build / "tindle-sound.so");

    // A lone executable without any files: its own folder, so the missing file is named
    // there.
    TempDir lone;
    EXPECT_EQ(ResolveProgramPaths(lone.Path(), Environment("", "/home/p")).programDir, lone.Path());
}

TEST(ProgramPaths, AnInstalledProgramReadsItsShareFolderAndWritesToTheDataHome) {
    TempDir prefix;
    fs::create_directories(prefix.Path() / "bin");
    fs::create_directories(prefix.Path() / "share" / "tindle");
    WriteFile(prefix.Path() / "share" / "tindle" / "GAMES.DAT", "");
    // The bin folder is writable (a user's own prefix): nothing is written there all the same.
    const ProgramPaths paths =
        ResolveProgramPaths(prefix.Path() / "bin", Environment("", "/home/p"));
    EXPECT_EQ(paths.programDir, prefix.Path() / "share" / "tindle");
    EXPECT_EQ(paths.dataFolder, fs::path("/home/p/.local/share/tindle"));
    EXPECT_EQ(paths.soundModule, prefix.Path() / TINDLE_MODULE_INSTALL_DIR / "tindle-sound.so");

    // The record's files follow: the program's under the prefix, the player's at home.
    SettingsRecord record;
    InitialiseSettingsRecord(record, paths);
    EXPECT_EQ(fs::path(record.ProgramDir()), prefix.Path() / "share" / "tindle" / "");
    EXPECT_EQ(PreferencesPath(record), fs::path("/home/p/.local/share/tindle/DATA/CFG.DAT"));
    EXPECT_EQ(DataDirectory(record), fs::path("/home/p/.local/share/tindle/DATA"));
}

TEST(ProgramPaths, TheDataHomeFollowsXdgDataHomeThenHome) {
    EXPECT_EQ(DataHome(Environment("/data", "/home/p")), fs::path("/data/tindle"));
    // A relative XDG_DATA_HOME is no valid setting and is ignored, as is an empty one.
    EXPECT_EQ(DataHome(Environment("rel/data", "/home/p")),
              fs::path("/home/p/.local/share/tindle"));
    EXPECT_EQ(DataHome(Environment("", "/home/p")), fs::path("/home/p/.local/share/tindle"));
    EXPECT_EQ(DataHome(Environment("", "")), fs::path());

    // The data home is made, folders above it included, when DATA is first needed.
    TempDir home;
    SettingsRecord record;
    InitialiseSettingsRecord(record, ProgramPaths{"/usr/share/tindle", home.Path() / "a" / "b",
                                                  "/usr/lib/tindle/tindle-sound.so"});
    EnsureDataDirectory(record);
    EXPECT_TRUE(fs::is_directory(home.Path() / "a" / "b" / "DATA"));
}

}  // namespace
}  // namespace tindle
