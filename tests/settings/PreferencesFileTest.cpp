#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/settings/PreferencesFile.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class PreferencesFileTest : public ::testing::Test {
  protected:
    fs::path File() const { return dir_.Path() / "CFG.DAT"; }
    PreferencesFile Open() const { return PreferencesFile(File()); }
    void Write(const std::string& text) const { WriteFile(File(), text); }

    TempDir dir_;
};

TEST_F(PreferencesFileTest, NamesMatchWithoutCaseAndValuesWithoutSurroundingBlanks) {
    Write("[preference]\n  card_SIZE =  M  \n\tGame\t=\t12\t\n[ Users ]\nUser001=Ann Lee\n");
    PreferencesFile prefs = Open();
    EXPECT_TRUE(prefs.Loaded());
    EXPECT_EQ(prefs.ReadString("Preference", "Card_Size", "B"), "M");
    EXPECT_EQ(prefs.ReadInteger("PREFERENCE", "game", 1), 12);
    EXPECT_EQ(prefs.ReadString("users", "USER001", ""), "Ann Lee");
    // A key of another section is not found.
    EXPECT_EQ(prefs.ReadString("Users", "Card_Size", "none"), "none");
}

TEST_F(PreferencesFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    PreferencesFile none = Open();
    EXPECT_FALSE(none.Loaded());
    EXPECT_EQ(none.ReadString("Preference", "Card_Size", "B"), "B");
    EXPECT_EQ(none.ReadInteger("Preference", "Game", 1), 1);
    EXPECT_FALSE(fs::exists(File()));  // reading never creates the file

    Write("[Preference]\nOther=1\n");
    EXPECT_EQ(Open().ReadString("Settings", "Other", "x"), "x");
    EXPECT_EQ(Open().ReadString("Preference", "Card_Size", "B"), "B");
}

TEST_F(PreferencesFileTest, FirstOfDuplicateKeysAndSectionsCountsAndWritesChangeIt) {
    Write("[Preference]\nGame=3\nGAME=4\n[Users]\nUser001=A\n[PREFERENCE]\nGame=5\nLate=yes\n");
    PreferencesFile prefs = Open();
    EXPECT_EQ(prefs.ReadInteger("Preference", "Game", 0), 3);
    // Keys of a repeated section are found too.
    EXPECT_EQ(prefs.ReadString("Preference", "Late", ""), "yes");
    ASSERT_TRUE(prefs.WriteInteger("Preference", "Game", 9));
    EXPECT_EQ(Open().ReadInteger("Preference", "Game", 0), 9);
    EXPECT_EQ(ReadFile(File()),
              "[Preference]\nGame=9\nGAME=4\n[Users]\nUser001=A\n[PREFERENCE]\nGame=5\nLate=yes\n");
}

TEST_F(PreferencesFileTest, IntegerReadsFallBackOnAnythingButAWhole32BitNumber) {
    Write("[P]\na=12abc\nb=\nc=0x10\nd=99999999999\ne= -2147483633 \nf=+5\ng=1.5\n");
    PreferencesFile prefs = Open();
    for (const char* key : {"a", "b", "c", "d", "g"}) {
        EXPECT_EQ(prefs.ReadInteger("P", key, 77), 77) << key;
    }
    EXPECT_EQ(prefs.ReadInteger("P", "e", 0), -2147483633);
    EXPECT_EQ(prefs.ReadInteger("P", "f", 0), 5);
}

TEST_F(PreferencesFileTest, ValuesAreCutTo255CharactersUnlessMoreIsAsked) {
    std::string longValue(400, 'x');
    Write("[P]\nLong=" + longValue + "\n");
    PreferencesFile prefs = Open();
    EXPECT_EQ(prefs.ReadString("P", "Long", ""), std::string(255, 'x'));
    EXPECT_EQ(prefs.ReadString("P", "Long", "", 1000), longValue);
}

TEST_F(PreferencesFileTest, EveryWriteReachesTheDiskAtOnceAndKeepsWhatItDoesNotUnderstand) {
    Write(
        "; made by hand\nstray=before any section\n[Preference]\n# a note\nno equals sign here\n"
        "Game=3\n\n[Mine]\nX=1\n");
    PreferencesFile prefs = Open();
    ASSERT_TRUE(prefs.WriteString("Preference", "Card_Size", "M"));
    // Another object opened now sees it: it was written through, not kept in memory.
    EXPECT_EQ(Open().ReadString("Preference", "Card_Size", "B"), "M");
    ASSERT_TRUE(prefs.WriteString("Users", "User001", "Player 1"));
    EXPECT_EQ(ReadFile(File()),
              "; made by hand\nstray=before any section\n[Preference]\n# a note\nno equals sign "
              "here\nGame=3\nCard_Size=M\n\n[Mine]\nX=1\n\n[Users]\nUser001=Player 1\n");
    // Entries before the first section belong to none.
    EXPECT_EQ(prefs.ReadString("Preference", "stray", "-"), "-");
}

TEST_F(PreferencesFileTest, WritesOfTwoOpenObjectsDoNotUndoEachOther) {
    PreferencesFile first = Open();
    PreferencesFile second = Open();
    ASSERT_TRUE(first.WriteString("Preference", "A", "1"));
    ASSERT_TRUE(second.WriteString("Preference", "B", "2"));
    PreferencesFile check = Open();
    EXPECT_EQ(check.ReadString("Preference", "A", ""), "1");
    EXPECT_EQ(check.ReadString("Preference", "B", ""), "2");
}

TEST_F(PreferencesFileTest, DeletingAKeyRemovesEveryOccurrenceAndNothingElse) {
    Write(
        "[Preference]\nCustomized_Background=/pics/a.png\nGame=3\n[preference]\n"
        "customized_background=old\n");
    PreferencesFile prefs = Open();
    ASSERT_TRUE(prefs.DeleteKey("Preference", "Customized_Background"));
    EXPECT_EQ(prefs.ReadString("Preference", "Customized_Background", "none"), "none");
    EXPECT_EQ(ReadFile(File()), "[Preference]\nGame=3\n[preference]\n");
    EXPECT_TRUE(prefs.DeleteKey("Preference", "NotThere"));

    // Deleting from a missing file creates nothing.
    fs::remove(File());
    EXPECT_TRUE(Open().DeleteKey("Preference", "Game"));
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(PreferencesFileTest, WindowsLineBreaksAndByteOrderMarkAreKept) {
    Write("\xEF\xBB\xBF[Preference]\r\nGame=3\r\n");
    PreferencesFile prefs = Open();
    EXPECT_EQ(prefs.ReadInteger("Preference", "Game", 0), 3);
    ASSERT_TRUE(prefs.WriteString("Preference", "Card", "002"));
    EXPECT_EQ(ReadFile(File()), "\xEF\xBB\xBF[Preference]\r\nGame=3\r\nCard=002\r\n");
}

// Keys written together replace the file once: all of them, or none when one cannot be.
TEST_F(PreferencesFileTest, KeysWrittenTogetherReplaceTheFileOnce) {
    struct CountedRenames : FileOps {
        bool Rename(const fs::path& from, const fs::path& to) const override {
            ++renames;
            return FileOps::Rename(from, to);
        }
        mutable int renames = 0;
    } ops;
    Write("[Preference]\nGame=3\n");
    PreferencesFile prefs(File(), ops);
    ASSERT_TRUE(prefs.WriteStrings({{"Preference", "UserDefault", "Player 1"},
                                    {"Users", "User001", "Player 1"},
                                    {"Users", "User002", "Two\nlines"}}));
    EXPECT_EQ(ops.renames, 1);
    EXPECT_EQ(ReadFile(File()),
              "[Preference]\nGame=3\nUserDefault=Player 1\n\n[Users]\n"
              "User001=Player 1\nUser002=Two lines\n");
    EXPECT_EQ(prefs.ReadString("Users", "User002", ""), "Two lines");
    EXPECT_FALSE(prefs.WriteStrings({{"Users", "User003", "Player 3"}, {"Users", "a=b", "x"}}));
    EXPECT_EQ(ops.renames, 1);
    EXPECT_EQ(Open().ReadString("Users", "User003", "-"), "-");
}

TEST_F(PreferencesFileTest, ValuesAndNamesCannotBreakTheFileApart) {
    PreferencesFile prefs = Open();
    ASSERT_TRUE(prefs.WriteString("Users", "User001", "Eve\n[Preference]\nGame=99"));
    EXPECT_EQ(Open().ReadString("Users", "User001", ""), "Eve [Preference] Game=99");
    EXPECT_EQ(Open().ReadInteger("Preference", "Game", 1), 1);
    EXPECT_FALSE(prefs.WriteString("Users", "a=b", "x"));
    EXPECT_FALSE(prefs.WriteString("Users", "a\nb", "x"));
    EXPECT_FALSE(prefs.WriteString("Users", "  ", "x"));
    EXPECT_FALSE(prefs.WriteString("Users", "[x]", "x"));
    EXPECT_FALSE(prefs.WriteString("Us]ers", "a", "x"));
    EXPECT_FALSE(prefs.WriteString("", "a", "x"));
    EXPECT_EQ(ReadFile(File()), "[Users]\nUser001=Eve [Preference] Game=99\n");
}

TEST_F(PreferencesFileTest, DamagedFileReadsWhatMakesSenseAndStaysWritable) {
    std::string junk;
    for (int i = 0; i < 4000; ++i)
        junk += static_cast<char>((i * 37 + 11) % 256);
    std::string text = junk + "\n[Preference]\n" + std::string(100000, 'z') + "\n" + "Game=7\n" +
                       junk + "\n[Preference\nGame=8\n=nothing\n" +
                       std::string("Card_Size=\0M", 12) + "\n";
    Write(text);
    PreferencesFile prefs = Open();
    EXPECT_EQ(prefs.ReadInteger("Preference", "Game", 1), 7);
    EXPECT_EQ(prefs.ReadString("Settings", "Random_Game_Type", "2"), "2");
    ASSERT_TRUE(prefs.WriteString("Preference", "Show_Time", "N"));
    PreferencesFile again = Open();
    EXPECT_EQ(again.ReadString("Preference", "Show_Time", "Y"), "N");
    EXPECT_EQ(again.ReadInteger("Preference", "Game", 1), 7);
    // Everything that was there is still there.
    std::string after = ReadFile(File());
    EXPECT_NE(after.find(junk), std::string::npos);
    EXPECT_NE(after.find(std::string(100000, 'z')), std::string::npos);
}

TEST_F(PreferencesFileTest, AFileTooLargeToBeOursIsReadButNeverReplaced) {
    std::string text =
        "[Preference]\nGame=4\n" + std::string(PreferencesFile::kMaxFileBytes, '#') + "\n";
    Write(text);
    PreferencesFile prefs = Open();
    EXPECT_EQ(prefs.ReadInteger("Preference", "Game", 1), 4);
    EXPECT_FALSE(prefs.WriteString("Preference", "Game", "5"));
    EXPECT_EQ(ReadFile(File()), text);
}

TEST_F(PreferencesFileTest, AFolderInPlaceOfTheFileGivesDefaultsAndFailedWrites) {
    fs::create_directory(File());
    PreferencesFile prefs = Open();
    EXPECT_EQ(prefs.ReadInteger("Preference", "Game", 1), 1);
    EXPECT_FALSE(prefs.WriteString("Preference", "Game", "5"));
    EXPECT_TRUE(fs::is_directory(File()));
}

TEST_F(PreferencesFileTest, WriteIntoAMissingFolderFailsQuietly) {
    PreferencesFile prefs(dir_.Path() / "DATA" / "CFG.DAT");
    EXPECT_FALSE(prefs.WriteString("Preference", "Game", "5"));
    EXPECT_EQ(prefs.ReadString("Preference", "Game", "1"), "1");
    EXPECT_FALSE(fs::exists(dir_.Path() / "DATA"));
}

}  // namespace
}  // namespace tindle
