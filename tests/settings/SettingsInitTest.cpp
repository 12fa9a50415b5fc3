#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/settings/DisplayColours.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SplashSound.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteFile;

TEST(SettingsInit, RecordStartsBlankWithProgramDirAndPreferencesPath) {
    SettingsRecord record;
    record.Put(field::GameName, "left over");
    InitialiseSettingsRecord(record, "/opt/tindle");
    EXPECT_EQ(record.Get(field::GameName), "");
    EXPECT_EQ(record.Get(field::ProgramDir), "/opt/tindle/");
    EXPECT_EQ(record.Get(field::PrefsPath), "DATA\\CFG.DAT");
    EXPECT_EQ(PreferencesPath(record), fs::path("/opt/tindle/DATA/CFG.DAT"));
    // A separator already there is not doubled.
    InitialiseSettingsRecord(record, "/opt/tindle/");
    EXPECT_EQ(record.Get(field::ProgramDir), "/opt/tindle/");
}

TEST(SettingsInit, DeepProgramDirectoriesKeepTheirFullPath) {
    SettingsRecord record;
    std::string deep = "/" + std::string(120, 'a') + "/" + std::string(120, 'b');
    InitialiseSettingsRecord(record, deep);
    EXPECT_EQ(PreferencesPath(record), fs::path(deep + "/DATA/CFG.DAT"));
}

TEST(SettingsInit, StoredPathsUseThePlatformSeparator) {
    EXPECT_EQ(FromStoredPath("DATA\\STAT_SCR.DAT"), fs::path("DATA/STAT_SCR.DAT"));
    EXPECT_EQ(FromStoredPath("DATA/CFG.DAT"), fs::path("DATA/CFG.DAT"));
}

TEST(SettingsInit, DataFolderIsCreatedOnceAndFailuresAreIgnored) {
    TempDir dir;
    SettingsRecord record;
    InitialiseSettingsRecord(record, dir.Path());
    EnsureDataDirectory(record);
    EXPECT_TRUE(fs::is_directory(dir.Path() / "DATA"));
    WriteFile(dir.Path() / "DATA" / "CFG.DAT", "[Preference]\nGame=4\n");
    EnsureDataDirectory(record);  // existing folder and file stay
    EXPECT_EQ(test::ReadFile(dir.Path() / "DATA" / "CFG.DAT"), "[Preference]\nGame=4\n");

    // A file in the way: nothing is created and nothing is thrown.
    TempDir blocked;
    WriteFile(blocked.Path() / "DATA", "not a folder");
    InitialiseSettingsRecord(record, blocked.Path());
    EnsureDataDirectory(record);
    EXPECT_TRUE(fs::is_regular_file(blocked.Path() / "DATA"));
}

TEST(DisplayColours, CountsColoursFromBitsAndPlanes) {
    EXPECT_EQ(DisplayColourCount(8), 256);
    EXPECT_EQ(DisplayColourCount(4, 2), 256);
    EXPECT_EQ(DisplayColourCount(16), 65536);
    EXPECT_EQ(DisplayColourCount(24), 16777216);
    EXPECT_EQ(DisplayColourCount(32), kManyColours);
    EXPECT_EQ(DisplayColourCount(16, 2), kManyColours);
    EXPECT_EQ(DisplayColourCount(0), kManyColours);
    EXPECT_TRUE(IsLowColourDisplay(DisplayColourCount(8)));
    EXPECT_FALSE(IsLowColourDisplay(DisplayColourCount(16)));
}

TEST(SplashSound, ReadsTheMasterSwitchAndTheSplashSwitch) {
    TempDir dir;
    fs::path file = dir.Path() / "CFG.DAT";
    SettingsRecord record;
    EXPECT_TRUE(ReadSplashSound(record, PreferencesFile(file)));
    EXPECT_EQ(record.Get(field::SoundsEnabled), "Y");

    WriteFile(file, "[Preference]\nSounds_Splash=N\n");
    EXPECT_FALSE(ReadSplashSound(record, PreferencesFile(file)));
    EXPECT_EQ(record.Get(field::SoundsEnabled), "Y");

    WriteFile(file, "[Preference]\nSounds_Enabled=N\nSounds_Splash=Y\n");
    EXPECT_FALSE(ReadSplashSound(record, PreferencesFile(file)));
    EXPECT_EQ(record.Get(field::SoundsEnabled), "N");
}

}  // namespace
}  // namespace tindle
