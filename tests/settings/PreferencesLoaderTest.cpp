#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "shell/settings/PreferencesLoader.h"
#include "shell/settings/SettingsInit.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class PreferencesLoaderTest : public ::testing::Test {
  protected:
    PreferencesLoaderTest() {
        InitialiseSettingsRecord(record_, dir_.Path());
        EnsureDataDirectory(record_);
    }
    void WritePrefs(const std::string& text) { WriteFile(PreferencesPath(record_), text); }
    LoadedPreferences Load(bool lowColour = false) {
        PreferencesFile prefs(PreferencesPath(record_));
        return LoadPreferences(record_, prefs, lowColour);
    }
    std::string Get(SettingField f) const { return record_.Get(f); }

    TempDir dir_;
    SettingsRecord record_;
};

TEST_F(PreferencesLoaderTest, FirstStartWithoutAFileGivesEveryDefaultAndCreatesThePlayers) {
    LoadedPreferences loaded = Load();
    // The load only reads: the players reach the file through WriteFirstPlayers.
    EXPECT_FALSE(std::filesystem::exists(PreferencesPath(record_)));
    EXPECT_EQ(Get(field::GameId), "0001");
    EXPECT_EQ(Get(field::GameName), "Freecell");
    EXPECT_EQ(Get(field::CardSet), "001");
    EXPECT_EQ(Get(field::BackCard), "011");
    EXPECT_EQ(Get(field::CardSize), "B");
    EXPECT_FALSE(loaded.toolBarLarge);
    EXPECT_TRUE(loaded.toolBarFlat);
    EXPECT_TRUE(loaded.showTime);
    EXPECT_TRUE(loaded.showScore);
    EXPECT_EQ(Get(field::ShowTime), "Y");
    EXPECT_EQ(Get(field::ShowScore), "Y");
    EXPECT_EQ(Get(field::SoundsEnabled), "Y");
    for (SettingField sound : {field::SoundsAbout, field::SoundsSplash, field::SoundsUndo,
                               field::SoundsRedealWithoutAnimation, field::SoundsTableau}) {
        EXPECT_EQ(Get(sound), "Y") << sound.position;
    }
    EXPECT_EQ(Get(field::UserDefault), "Player 1");
    EXPECT_TRUE(loaded.playersCreated);
    {
        PreferencesFile prefs(PreferencesPath(record_));
        EXPECT_TRUE(WriteFirstPlayers(prefs));
    }
    PreferencesFile written(PreferencesPath(record_));
    EXPECT_EQ(written.ReadString("Preference", "UserDefault", ""), "Player 1");
    EXPECT_EQ(written.ReadString("Users", "User001", ""), "Player 1");
    EXPECT_EQ(written.ReadString("Users", "User002", ""), "Player 2");
    EXPECT_EQ(written.ReadString("Users", "User003", ""), "Player 3");
    {
        // A player chosen before the players were written stays the default.
        PreferencesFile prefs(PreferencesPath(record_));
        ASSERT_TRUE(prefs.WriteString("Preference", "UserDefault", "Anna"));
        EXPECT_TRUE(WriteFirstPlayers(prefs));
    }
    EXPECT_EQ(PreferencesFile(PreferencesPath(record_)).ReadString("Preference", "UserDefault", ""),
              "Anna");

    // The rest of the table and the fixed values.
    const std::pair<SettingField, const char*> defaults[] = {
        {field::ShowToolTips, "Y"},
        {field::BackgroundBmp, "0"},  // empty, then repaired
        {field::BackgroundFixedCol, "32768"},
        {field::BackgroundCol, "-2147483633"},
        {field::BackgroundDef, "N"},
        {field::FadeBackground, "Y"},
        {field::CustomizedBackground, "N"},
        {field::CardsAnimate, "Y"},
        {field::CardsShadowed, "Y"},
        {field::PilesTT, "N"},
        {field::AutomaticFaceUp, "Y"},
        {field::DealAnimation, "Y"},
        {field::RedealAnimation, "Y"},
        {field::WinnableDealsOnly, "N"},
        {field::Language, "20000"},
        {field::SpeedMoveCard, "10"},
        {field::StatusBar, "N"},
        {field::UndoEnabled, "0"},
        {field::ConfirmQuitGame, "N"},
        {field::ConfirmEnterHiScores, "Y"},
        {field::RandomBackground, "N"},
        {field::RandomCard, "N"},
        {field::RandomDeck, "N"},
        {field::VertScrollBar, "Y"},
        {field::ShowPilesSize, "N"},
        {field::ShowMainPopupMenu, "Y"},
        {field::ShowPartialHiddenCard, "Y"},
        {field::RightClickToFoundations, "N"},
        {field::RightClickToTableaus, "N"},
        {field::DoubleClickToFoundations, "Y"},
        {field::DoubleClickToTableaus, "N"},
    };
    for (const auto& [f, expected] : defaults)
        EXPECT_EQ(Get(f), expected) << f.position;
    EXPECT_EQ(loaded.shadowMargin, 9);
    EXPECT_FALSE(loaded.statusBarVisible);
    EXPECT_EQ(Get(field::Cursor), "10");
    EXPECT_EQ(loaded.cursor, 10);
    EXPECT_EQ(Get(field::ScoringSystem), "01");
    EXPECT_EQ(Get(field::Counter1), "0000");
    EXPECT_EQ(Get(field::Counter2), "0000");
    EXPECT_EQ(loaded.gamesFastSearchType, 0);
    EXPECT_EQ(record_.options, PreferenceOptions{});
    EXPECT_EQ(loaded.randomGameType, 2);
    EXPECT_EQ(loaded.autoPlayAllGames, 1);
    EXPECT_TRUE(loaded.autoPlay);
    // The record's own paths are untouched by loading.
    EXPECT_EQ(Get(field::PrefsPath), "DATA\\CFG.DAT");
}

TEST_F(PreferencesLoaderTest, LowColourDisplayDefaultsToCardSetThreeButKeepsAStoredOne) {
    Load(true);
    EXPECT_EQ(Get(field::CardSet), "003");
    WritePrefs("[Preference]\nCard=2\n");
    Load(true);
    EXPECT_EQ(Get(field::CardSet), "002");
}

TEST_F(PreferencesLoaderTest, ShadowsFollowAnimationWhenNotStored) {
    WritePrefs("[Preference]\nCards_Animate=N\n");
    LoadedPreferences loaded = Load();
    EXPECT_EQ(Get(field::CardsAnimate), "N");
    EXPECT_EQ(Get(field::CardsShadowed), "N");
    EXPECT_EQ(loaded.shadowMargin, 0);

    WritePrefs("[Preference]\nCards_Animate=N\nCards_Shadowed=Y\n");
    loaded = Load();
    EXPECT_EQ(Get(field::CardsShadowed), "Y");
    EXPECT_EQ(loaded.shadowMargin, 9);
}

TEST_F(PreferencesLoaderTest, StoredValuesReachTheirFieldsAndRightClickIsForcedOff) {
    WritePrefs(
        "[Preference]\nRightClick_To_Foundations=Y\nRightClick_To_Tableaus=Y\n"
        "ToolBar_Large=Y\nToolBar_Flat=N\nBack_Card=5\nGame=-1\nGame_name=\nShow_Time=N\n"
        "UserDefault=Ann\nSounds_Stock=N\nStatusBar=Y\nCustomized_Background=/x/y.png\n"
        "DoubleClick_To_Tableaus=Y\nBackground_Col=255\nBackground_bmp=12\nCursor=12\n"
        "HighLights_Foundations_Mark=3\nLanguage=10000\nUndo_Enabled=2\n"
        "HighLights_Foundations_Color=7\nWinning_Animations=Lines\nWinning_Animations_Time=4\n"
        "[Settings]\nGames_Fast_Search_Type=1\nRandom_Game_Type=0\n");
    LoadedPreferences loaded = Load();
    EXPECT_EQ(Get(field::RightClickToFoundations), "N");
    EXPECT_EQ(Get(field::RightClickToTableaus), "N");
    EXPECT_TRUE(loaded.toolBarLarge);
    EXPECT_FALSE(loaded.toolBarFlat);
    EXPECT_EQ(Get(field::BackCard), "005");
    EXPECT_EQ(Get(field::GameId), "-001");
    EXPECT_EQ(Get(field::GameName), "");
    EXPECT_FALSE(loaded.showTime);
    EXPECT_EQ(Get(field::SoundsStock), "N");
    EXPECT_TRUE(loaded.statusBarVisible);
    EXPECT_EQ(Get(field::CustomizedBackground), "Y");
    EXPECT_EQ(Get(field::DoubleClickToTableaus), "Y");
    EXPECT_EQ(Get(field::BackgroundCol), "255");
    EXPECT_EQ(Get(field::BackgroundBmp), "12");
    EXPECT_EQ(loaded.cursor, 12);
    EXPECT_EQ(Get(field::Cursor), "12");
    EXPECT_EQ(record_.options.highlightMark, 3);
    EXPECT_EQ(record_.options.customizedBackground, "/x/y.png");
    EXPECT_EQ(record_.options.highlightColour, 7);
    EXPECT_EQ(record_.options.winningAnimation, "Lines");
    EXPECT_EQ(record_.options.winningSeconds, 4);
    EXPECT_EQ(Get(field::Language), "10000");
    EXPECT_EQ(Get(field::UndoEnabled), "2");
    EXPECT_EQ(loaded.gamesFastSearchType, 1);
    EXPECT_EQ(loaded.randomGameType, 0);
    // An existing player means no first start: nothing is written.
    EXPECT_EQ(Get(field::UserDefault), "Ann");
    EXPECT_FALSE(loaded.playersCreated);
    EXPECT_EQ(PreferencesFile(PreferencesPath(record_)).ReadString("Users", "User001", "-"), "-");
}

TEST_F(PreferencesLoaderTest, BadNumbersFallBackAndZerosAreRepaired) {
    WritePrefs(
        "[Preference]\nBack_Card=abc\nCard=x\nGame=one\nBackground_Col=0\n"
        "Background_Fixed_Col=green\nSpeed_Move_Card=fast\nLanguage=\nCursor=7z\n"
        "[Settings]\nRandom_Game_Type=?\n");
    LoadedPreferences loaded = Load();
    EXPECT_EQ(Get(field::BackCard), "011");
    EXPECT_EQ(Get(field::CardSet), "001");
    EXPECT_EQ(Get(field::GameId), "0001");
    EXPECT_EQ(Get(field::BackgroundCol), "-2147483633");  // 0 is repaired
    EXPECT_EQ(Get(field::BackgroundFixedCol), "32768");
    EXPECT_EQ(Get(field::SpeedMoveCard), "10");
    EXPECT_EQ(Get(field::Language), "20000");
    EXPECT_EQ(loaded.cursor, 10);
    EXPECT_EQ(loaded.randomGameType, 2);

    WritePrefs("[Preference]\nBack_Card=0\nBackground_bmp=   \n");
    Load();
    EXPECT_EQ(Get(field::BackCard), "001");
    EXPECT_EQ(Get(field::BackgroundBmp), "0");
    // A back number too large for its field cannot name a back either.
    WritePrefs("[Preference]\nBack_Card=1234\n");
    Load();
    EXPECT_EQ(Get(field::BackCard), "001");
}

TEST_F(PreferencesLoaderTest, NumbersTheFieldsCannotHoldAreLimitedNotMangled) {
    WritePrefs("[Preference]\nSpeed_Move_Card=150\nCursor=100\n");
    LoadedPreferences loaded = Load();
    EXPECT_EQ(Get(field::SpeedMoveCard), "99");
    EXPECT_EQ(loaded.cursor, 10);
    EXPECT_EQ(Get(field::Cursor), "10");
    WritePrefs("[Preference]\nSpeed_Move_Card=-4\n");
    Load();
    EXPECT_EQ(Get(field::SpeedMoveCard), "0");
}

TEST_F(PreferencesLoaderTest, AutoplayStartStateForAllGamesOrPerGame) {
    WritePrefs("[Preference]\nAutoPlay=N\n");
    EXPECT_FALSE(Load().autoPlay);
    WritePrefs("[Preference]\nAutoPlay=yes\n");  // only "Y" is on
    EXPECT_FALSE(Load().autoPlay);

    WritePrefs("[Preference]\nAutoPlay_All_Games=2\nAutoPlay=N\nGame=2\n[Autoplay]\nGames=YYY\n");
    LoadedPreferences loaded = Load();
    EXPECT_EQ(loaded.autoPlayAllGames, 2);
    EXPECT_TRUE(loaded.autoPlay);
    WritePrefs("[Preference]\nAutoPlay_All_Games=2\nGame=2\n[Autoplay]\nGames=YYN\n");
    EXPECT_FALSE(Load().autoPlay);
    WritePrefs("[Preference]\nAutoPlay_All_Games=2\nGame=8001\n[Autoplay]\nCust_8001=N\n");
    EXPECT_FALSE(Load().autoPlay);
}

TEST_F(PreferencesLoaderTest, ClosingWritesAutoplayOnlyForAllGamesAndAlwaysTheRandomType) {
    PreferencesFile prefs(PreferencesPath(record_));
    EXPECT_TRUE(StoreClosingPreferences(prefs, 1, false, 3));
    PreferencesFile check(PreferencesPath(record_));
    EXPECT_EQ(check.ReadString("Preference", "AutoPlay", "-"), "N");
    EXPECT_EQ(check.ReadInteger("Settings", "Random_Game_Type", 0), 3);

    EXPECT_TRUE(StoreClosingPreferences(prefs, 2, true, 1));
    PreferencesFile again(PreferencesPath(record_));
    EXPECT_EQ(again.ReadString("Preference", "AutoPlay", "-"), "N");
    EXPECT_EQ(again.ReadInteger("Settings", "Random_Game_Type", 0), 1);
}

TEST_F(PreferencesLoaderTest, WritePreferenceLandsInTheRecordsFileAndNowhereWithoutOne) {
    EXPECT_TRUE(WritePreference(record_, "Game_TreeNum", "-12"));
    EXPECT_EQ(
        PreferencesFile(PreferencesPath(record_)).ReadString("preference", "game_treenum", ""),
        "-12");

    // A record without a program directory names no file: nothing is written anywhere.
    SettingsRecord bare;
    bare.Put(field::PrefsPath, kPreferencesStoredPath);
    EXPECT_FALSE(WritePreference(bare, "Game_TreeNum", "-3"));
    EXPECT_FALSE(fs::exists(PreferencesPath(bare)));
}

TEST_F(PreferencesLoaderTest, UnwritableFolderStillLoadsAndGivesAPlayer) {
    fs::remove_all(dir_.Path() / "DATA");
    LoadedPreferences loaded = Load();
    EXPECT_EQ(Get(field::UserDefault), "Player 1");
    EXPECT_TRUE(loaded.playersCreated);
    EXPECT_FALSE(fs::exists(dir_.Path() / "DATA"));
}

}  // namespace
}  // namespace tindle
