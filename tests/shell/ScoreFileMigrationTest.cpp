#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "shell/ScoreFileMigration.h"
#include "shell/VersionReader.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsInit.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

const std::string kDataLine = "0" + std::string(40, '5');   // a short data line
const std::string kLongLine = "0" + std::string(120, '7');  // longer than 89
const std::string kOtherLine = "Player 1;Freecell;120";     // not a fixed line

std::string Fixed(const std::string& line) {
    std::string content = line.substr(0, 89);
    content.resize(89, ' ');
    return content + " x";
}

class ScoreFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(dir.Path() / "DATA");
        InitialiseSettingsRecord(record, dir.Path());
    }
    std::filesystem::path Score() const { return dir.Path() / "DATA" / "STAT_SCR.DAT"; }
    std::filesystem::path Prefs() const { return dir.Path() / "DATA" / "CFG.DAT"; }
    std::vector<std::filesystem::path> DataFiles() const {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path() / "DATA"))
            files.push_back(entry.path().filename());
        std::sort(files.begin(), files.end());
        return files;
    }

    test::TempDir dir;
    SettingsRecord record;
    test::RecordingMessages messages;
};

TEST_F(ScoreFileTest, Version0200IsBroughtTo0300) {
    test::WriteFile(Score(), "[Version]\r\nVersion=0200\r\n\r\n" + kDataLine + "\r\n" + kOtherLine +
                                 "\r\n" + kLongLine + "\r\n");
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages), MigrationResult::Migrated);
    const std::string migrated = test::ReadFile(Score());
    EXPECT_EQ(migrated, "[Version]\r\nVersion=0300\r\n\r\n\r\n" + Fixed(kDataLine) + "\r\n" +
                            kOtherLine + "\r\n" + Fixed(kLongLine) + "\r\n");
    EXPECT_EQ(Fixed(kDataLine).size(), 91u);
    EXPECT_EQ(Fixed(kDataLine).substr(89), " x");
    EXPECT_EQ(ScoreFileVersion(Score()), "0300");
    EXPECT_TRUE(messages.messages.empty());
    // Nothing is left beside it.
    EXPECT_EQ(DataFiles(), std::vector<std::filesystem::path>{"STAT_SCR.DAT"});
}

TEST_F(ScoreFileTest, A0300FileIsLeftUntouched) {
    const std::string current = "[Version]\r\nVersion=0300\r\n\r\n" + kDataLine + "\r\n";
    test::WriteFile(Score(), current);
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages), MigrationResult::UpToDate);
    EXPECT_EQ(test::ReadFile(Score()), current);
}

TEST_F(ScoreFileTest, AFileWithoutVersionSectionIsMigratedInOrder) {
    test::WriteFile(Score(), kOtherLine + "\n" + kDataLine + "\nlast line");
    EXPECT_EQ(ScoreFileVersion(Score()), "0000");
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages), MigrationResult::Migrated);
    EXPECT_EQ(test::ReadFile(Score()), "[Version]\r\nVersion=0300\r\n\r\n" + kOtherLine + "\r\n" +
                                           Fixed(kDataLine) + "\r\nlast line\r\n");
}

TEST_F(ScoreFileTest, VersionLinesAnywhereAreDropped) {
    test::WriteFile(Score(), "[Other]\nVersion=0100\n[Version]x\nVersion=\nkept\n");
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages), MigrationResult::Migrated);
    EXPECT_EQ(test::ReadFile(Score()), "[Version]\r\nVersion=0300\r\n\r\n[Other]\r\nkept\r\n");
}

TEST_F(ScoreFileTest, NoScoreFileNoMigration) {
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages), MigrationResult::NoScoreFile);
    EXPECT_TRUE(DataFiles().empty());
}

// System calls that fail at a chosen step.
class FailingOps : public ScoreFileOps {
  public:
    enum class Step { None, Create, Write, Rename };
    explicit FailingOps(Step step) : step_(step) {}
    int CreateTemporary(const std::filesystem::path& dir, std::string_view prefix,
                        std::filesystem::path& created) const override {
        if (step_ == Step::Create) return -1;
        const int fd = ScoreFileOps::CreateTemporary(dir, prefix, created);
        temporary = created;
        return fd;
    }
    bool WriteAll(int fd, std::string_view data) const override {
        if (step_ == Step::Write) return FileOps::WriteAll(fd, data.substr(0, 10)) && false;
        return FileOps::WriteAll(fd, data);
    }
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) const override {
        if (step_ == Step::Rename) return false;
        return FileOps::Rename(from, to);
    }
    mutable std::filesystem::path temporary;

  private:
    Step step_;
};

TEST_F(ScoreFileTest, TheTemporaryFileIsMadeInTheDataFolder) {
    test::WriteFile(Score(), kDataLine + "\n");
    FailingOps ops(FailingOps::Step::None);
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages, ops), MigrationResult::Migrated);
    EXPECT_EQ(ops.temporary.parent_path(), dir.Path() / "DATA");
    EXPECT_TRUE(ops.temporary.filename().string().starts_with("rpl"));
}

TEST_F(ScoreFileTest, AFailedRenameLeavesTheCompleteOldFile) {
    const std::string old = "[Version]\r\nVersion=0200\r\n" + kDataLine + "\r\n";
    test::WriteFile(Score(), old);
    FailingOps ops(FailingOps::Step::Rename);
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages, ops), MigrationResult::Failed);
    EXPECT_EQ(test::ReadFile(Score()), old);
    EXPECT_EQ(DataFiles(), std::vector<std::filesystem::path>{"STAT_SCR.DAT"});
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, "Information");
    EXPECT_EQ(messages.messages[0].text, "Error in renaming the file: " + ops.temporary.string() +
                                             "\nto: " + Score().string());
}

TEST_F(ScoreFileTest, AFailedWriteLeavesTheOldFile) {
    const std::string old = kDataLine + "\r\n";
    test::WriteFile(Score(), old);
    FailingOps ops(FailingOps::Step::Write);
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages, ops), MigrationResult::Failed);
    EXPECT_EQ(test::ReadFile(Score()), old);
    EXPECT_EQ(DataFiles(), std::vector<std::filesystem::path>{"STAT_SCR.DAT"});
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Error in writing the file: " + ops.temporary.string());
}

TEST_F(ScoreFileTest, NoTemporaryFileIsTold) {
    const std::string old = kDataLine + "\r\n";
    test::WriteFile(Score(), old);
    FailingOps ops(FailingOps::Step::Create);
    EXPECT_EQ(MigrateScoreFile(dir.Path(), messages, ops), MigrationResult::Failed);
    EXPECT_EQ(test::ReadFile(Score()), old);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Error creating temp file.");
}

// A folder, a FIFO (which would wait for a writer forever), /dev/zero (which never ends) and
// a file far larger than any score file are told without waiting or reading them whole.
TEST_F(ScoreFileTest, AnUnreadableScoreFileIsToldAndLeftAlone) {
    namespace fs = std::filesystem;
    const std::vector<std::pair<const char*, std::function<void()>>> kinds = {
        {"folder", [&] { fs::create_directory(Score()); }},
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(Score().c_str(), 0600), 0); }},
        {"/dev/zero", [&] { fs::create_symlink("/dev/zero", Score()); }},
        {"oversized",
         [&] {
             test::WriteFile(Score(), "[Version]\r\nVersion=0200\r\n");
             fs::resize_file(Score(), (16u << 20) + 1);
         }},
    };
    for (const auto& [what, make] : kinds) {
        SCOPED_TRACE(what);
        messages.messages.clear();
        make();
        const auto type = fs::symlink_status(Score()).type();
        EXPECT_EQ(MigrateScoreFile(dir.Path(), messages), MigrationResult::Failed);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, "Error in reading the file: " + Score().string());
        EXPECT_EQ(fs::symlink_status(Score()).type(), type);
        EXPECT_EQ(DataFiles(), std::vector<fs::path>{"STAT_SCR.DAT"});
        fs::remove_all(Score());
    }
}

TEST_F(ScoreFileTest, OldYesValuesAreRepairedOnlyWhenTheScoreFileExists) {
    test::WriteFile(Prefs(), "[Preference]\nCards_Animate=S\nConfirmQuit=S\n");
    record.Put(field::CardsAnimate, "S");
    EXPECT_FALSE(LookAfterScoreFile(record, messages));
    EXPECT_EQ(PreferencesFile(Prefs()).ReadString("Preference", "Cards_Animate", ""), "S");
    EXPECT_EQ(record.Get(field::CardsAnimate), "S");

    test::WriteFile(Score(), "[Version]\nVersion=0300\n");
    EXPECT_FALSE(LookAfterScoreFile(record, messages));  // up to date: nothing migrated
    const PreferencesFile prefs(Prefs());
    EXPECT_EQ(prefs.ReadString("Preference", "Cards_Animate", ""), "Y");
    EXPECT_EQ(prefs.ReadString("Preference", "ConfirmQuit", ""), "Y");
    EXPECT_EQ(record.Get(field::CardsAnimate), "Y");
}

TEST_F(ScoreFileTest, OtherValuesAreNotRepaired) {
    test::WriteFile(Prefs(), "[Preference]\nCards_Animate=N\n");
    test::WriteFile(Score(), kDataLine + "\n");
    EXPECT_TRUE(LookAfterScoreFile(record, messages));
    const PreferencesFile prefs(Prefs());
    EXPECT_EQ(prefs.ReadString("Preference", "Cards_Animate", ""), "N");
    EXPECT_EQ(prefs.ReadString("Preference", "ConfirmQuit", "-"), "-");
}

TEST(VersionReader, ReadsKeysOfOneSection) {
    test::TempDir dir;
    const auto file = dir.Path() / "f.txt";
    test::WriteFile(file,
                    "Version=0100\n[Other]\nVersion=0150\n[Version]\r\nname=a=b\r\n"
                    "Version=0200\r\n[Next]\nVersion=0900\n");
    const SectionValues read =
        ReadSectionValues(file, "Version", {"Version", "name", "absent"}, {"0000", "", "d"}, 1000);
    EXPECT_EQ(read.values, (std::vector<std::string>{"0200", "a=b", "d"}));
    EXPECT_FALSE(read.allFound);
    EXPECT_TRUE(ReadSectionValues(file, "Version", {"Version"}, {"0000"}, 1000).allFound);
}

TEST(VersionReader, MissingFileOrSectionGivesTheDefaults) {
    test::TempDir dir;
    EXPECT_EQ(ReadSectionValues(dir.Path() / "none", "Version", {"Version"}, {"0000"}, 1000).values,
              std::vector<std::string>{"0000"});
    test::WriteFile(dir.Path() / "f", "Version=0500\n");
    const SectionValues read =
        ReadSectionValues(dir.Path() / "f", "Version", {"Version"}, {"0000"}, 1000);
    EXPECT_EQ(read.values, std::vector<std::string>{"0000"});
    EXPECT_FALSE(read.allFound);
}

}  // namespace
}  // namespace tindle
