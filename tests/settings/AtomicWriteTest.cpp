#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "shell/settings/AtomicFile.h"
#include "shell/settings/PreferencesFile.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

enum class FailAt { Write, Sync, Rename };

// Real system calls, except that one step fails; a failing write first writes half of its
// data, as a full disk does.
class FailingOps : public FileOps {
  public:
    explicit FailingOps(FailAt step) : step_(step) {}
    bool WriteAll(int fd, std::string_view data) const override {
        if (step_ != FailAt::Write) return FileOps::WriteAll(fd, data);
        FileOps::WriteAll(fd, data.substr(0, data.size() / 2));
        return false;
    }
    bool Sync(int fd) const override { return step_ != FailAt::Sync && FileOps::Sync(fd); }
    bool Rename(const fs::path& from, const fs::path& to) const override {
        return step_ != FailAt::Rename && FileOps::Rename(from, to);
    }

  private:
    FailAt step_;
};

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

const std::string kOld = "[Preference]\nGame=3\nCard_Size=M\n";

TEST(AtomicWrite, AnInterruptedWriteLeavesTheOldFileAndNoTemporaryFile) {
    for (FailAt step : {FailAt::Write, FailAt::Sync, FailAt::Rename}) {
        TempDir dir;
        fs::path file = dir.Path() / "CFG.DAT";
        WriteFile(file, kOld);
        FailingOps ops(step);
        PreferencesFile prefs(file, ops);
        EXPECT_FALSE(prefs.WriteString("Preference", "Game", "12345678901234567890"));
        EXPECT_EQ(ReadFile(file), kOld);
        EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"CFG.DAT"});
        // What the object reports is what the disk holds.
        EXPECT_EQ(prefs.ReadString("Preference", "Game", ""), "3");
    }
}

TEST(AtomicWrite, AFailedFirstWriteCreatesNoFile) {
    TempDir dir;
    fs::path file = dir.Path() / "CFG.DAT";
    FailingOps ops(FailAt::Rename);
    PreferencesFile prefs(file, ops);
    EXPECT_FALSE(prefs.WriteString("Preference", "Game", "1"));
    EXPECT_TRUE(Names(dir.Path()).empty());
}

TEST(AtomicWrite, ReplacementKeepsTheFileModeAndLeavesOnlyTheFile) {
    TempDir dir;
    fs::path file = dir.Path() / "CFG.DAT";
    WriteFile(file, kOld);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceFileAtomically(file, "new"));
    EXPECT_EQ(ReadFile(file), "new");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"CFG.DAT"});
}

TEST(AtomicWrite, ReadOnlyFolderRefusesTheWriteAndKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
    TempDir dir;
    fs::path file = dir.Path() / "CFG.DAT";
    WriteFile(file, kOld);
    fs::permissions(dir.Path(), fs::perms::owner_write, fs::perm_options::remove);
    PreferencesFile prefs(file);
    EXPECT_FALSE(prefs.WriteString("Preference", "Game", "5"));
    fs::permissions(dir.Path(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadFile(file), kOld);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"CFG.DAT"});
}

// Run as an ordinary user: the mode binds everyone else, so the rename must not bypass it.
TEST(AtomicWrite, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "a file's mode does not bind the super-user";
    TempDir dir;
    fs::path file = dir.Path() / "CFG.DAT";
    WriteFile(file, kOld);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    PreferencesFile prefs(file);
    EXPECT_FALSE(prefs.WriteString("Preference", "Player1", "Someone"));
    EXPECT_EQ(ReadFile(file), kOld);
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"CFG.DAT"});
    EXPECT_EQ(prefs.ReadString("Preference", "Player1", "none"), "none");
}

// What a killed write leaves goes at the next start; anything else, and a write that may be
// going on just now, stays.
TEST(AtomicWrite, LeftoverTemporaryFilesAreRemoved) {
    TempDir dir;
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const char* name :
         {"CFG.DAT.tmp-a1B2c3", "rplX9y8Z7.tmp", "CFG.DAT.tmp-youngX", "CFG.DAT", "STAT_SCR.DAT",
          "notes.tmp", "CFG.DAT.tmp-abc", "rplABCDEFG.tmp", "rpl.tmp"}) {
        WriteFile(dir.Path() / name, "x");
        if (std::string(name) != "CFG.DAT.tmp-youngX") fs::last_write_time(dir.Path() / name, old);
    }
    fs::create_directory(dir.Path() / "rplFOLDER.tmp");
    fs::last_write_time(dir.Path() / "rplFOLDER.tmp", old);

    RemoveLeftoverTemporaryFiles(dir.Path());
    std::vector<std::string> left = Names(dir.Path());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"CFG.DAT", "CFG.DAT.tmp-abc", "CFG.DAT.tmp-youngX",
                                              "STAT_SCR.DAT", "notes.tmp", "rpl.tmp",
                                              "rplABCDEFG.tmp", "rplFOLDER.tmp"}));
    RemoveLeftoverTemporaryFiles(dir.Path() / "none");  // a missing folder is no error
}

TEST(ReadFileLimited, TellsMissingUnreadableTooLargeAndWhole) {
    TempDir dir;
    std::string text = "stale";
    EXPECT_EQ(ReadFileLimited(dir.Path() / "none", 10, text), FileReadStatus::Missing);
    EXPECT_EQ(text, "");
    EXPECT_EQ(ReadFileLimited(dir.Path(), 10, text), FileReadStatus::Unreadable);
    WriteFile(dir.Path() / "f", "0123456789");
    EXPECT_EQ(ReadFileLimited(dir.Path() / "f", 10, text), FileReadStatus::Ok);
    EXPECT_EQ(text, "0123456789");
    EXPECT_EQ(ReadFileLimited(dir.Path() / "f", 4, text), FileReadStatus::TooLarge);
    EXPECT_EQ(text, "0123");
}

// Files that never end: nothing waits for a writer, and nothing reads on without a limit.
TEST(ReadFileLimited, ReadsOnlyRegularFiles) {
    TempDir dir;
    std::string text;
    ASSERT_EQ(::mkfifo((dir.Path() / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(ReadFileLimited(dir.Path() / "fifo", 10, text), FileReadStatus::Unreadable);
    fs::create_symlink("/dev/zero", dir.Path() / "zero");
    EXPECT_EQ(ReadFileLimited(dir.Path() / "zero", 10, text), FileReadStatus::Unreadable);
    fs::create_symlink(dir.Path() / "f", dir.Path() / "link");
    WriteFile(dir.Path() / "f", "linked");
    EXPECT_EQ(ReadFileLimited(dir.Path() / "link", 10, text), FileReadStatus::Ok);
    EXPECT_EQ(text, "linked");
}

}  // namespace
}  // namespace tindle
