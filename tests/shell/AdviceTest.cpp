#include <gtest/gtest.h>

#include "shell/Messages.h"
#include "shell/settings/PreferencesFile.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

class AdviceTest : public ::testing::Test {
  protected:
    std::filesystem::path Prefs() const { return dir.Path() / "CFG.DAT"; }
    bool ShowColourAdvice() {
        PreferencesFile prefs(Prefs());
        return Advice(messages, prefs, ColourAdviceText(), kColourAdviceKey, kAdvicePageColour);
    }
    test::TempDir dir;
    test::RecordingMessages messages;
};

TEST_F(AdviceTest, ShownUntilThePlayerTicksTheBox) {
    EXPECT_TRUE(ShowColourAdvice());
    EXPECT_TRUE(ShowColourAdvice());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].kind, "Advice");
    EXPECT_EQ(messages.messages[0].page, 0);
    EXPECT_TRUE(messages.messages[0].text.starts_with(
        "At this time your video driver supports 256 colors or less."));
    // Left unticked, nothing is remembered.
    EXPECT_EQ(PreferencesFile(Prefs()).ReadString("Show_Messages", "Screen_Under_256_Colors", "-"),
              "-");

    messages.tickAdvice = true;
    EXPECT_TRUE(ShowColourAdvice());
    EXPECT_EQ(PreferencesFile(Prefs()).ReadString("Show_Messages", "Screen_Under_256_Colors", ""),
              "N");
    EXPECT_FALSE(ShowColourAdvice());
    EXPECT_FALSE(ShowColourAdvice());
    EXPECT_EQ(messages.messages.size(), 3u);
}

TEST_F(AdviceTest, ShownAgainOnceTheKeyIsRemoved) {
    test::WriteFile(Prefs(), "[show_messages]\nscreen_under_256_colors = N\n");
    EXPECT_FALSE(ShowColourAdvice());
    EXPECT_TRUE(messages.messages.empty());
    PreferencesFile(Prefs()).DeleteKey("Show_Messages", "Screen_Under_256_Colors");
    EXPECT_TRUE(ShowColourAdvice());
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(AdviceTest, OnlyNSilences) {
    test::WriteFile(Prefs(), "[Show_Messages]\nScreen_Under_256_Colors=n\n");
    EXPECT_TRUE(ShowColourAdvice());
}

TEST(Messages, FileMissingStopsOnlyForAMissingFile) {
    test::TempDir dir;
    test::RecordingMessages messages;
    test::WriteFile(dir.Path() / "GAMES.DAT", "x");
    EXPECT_TRUE(CheckProgramFile(dir.Path() / "GAMES.DAT", messages));
    EXPECT_TRUE(messages.messages.empty());

    const std::filesystem::path missing = dir.Path() / "NONE.DAT";
    EXPECT_FALSE(CheckProgramFile(missing, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, "FatalError");
    EXPECT_EQ(messages.messages[0].text,
              "Cannot find file:\n" + missing.string() +
                  "\nCopy the file into the directory that above is specified\nor reinstall "
                  "the program.");
    // A folder of that name is no file either.
    EXPECT_FALSE(CheckProgramFile(dir.Path(), messages));
}

TEST(Messages, NumberBoxShowsTheNumber) {
    test::RecordingMessages messages;
    NumberBox(messages, -42);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, "Information");
    EXPECT_EQ(messages.messages[0].text, "-42");
}

}  // namespace
}  // namespace tindle
