#include <gtest/gtest.h>

#include <string>

#include "shell/settings/GameAutoplayStore.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

using test::TempDir;
using test::WriteFile;

class GameAutoplayStoreTest : public ::testing::Test {
  protected:
    PreferencesFile Open() const { return PreferencesFile(dir_.Path() / "CFG.DAT"); }
    void Write(const std::string& text) const { WriteFile(dir_.Path() / "CFG.DAT", text); }
    std::string Games() const { return Open().ReadString("Autoplay", "Games", "", 100000); }

    TempDir dir_;
};

TEST_F(GameAutoplayStoreTest, ReadsOneCharacterPerGameAndOnlyNIsOff) {
    Write("[Autoplay]\nGames=YYN\n");
    PreferencesFile prefs = Open();
    EXPECT_TRUE(ReadGameAutoplay(prefs, 0));
    EXPECT_FALSE(ReadGameAutoplay(prefs, 2));
    EXPECT_TRUE(ReadGameAutoplay(prefs, 5));  // beyond the string
    EXPECT_TRUE(ReadGameAutoplay(prefs, -1));
    Write("[Autoplay]\nGames=nxN\n");
    EXPECT_TRUE(ReadGameAutoplay(Open(), 0));  // lower case is not "N"
    EXPECT_TRUE(ReadGameAutoplay(Open(), 1));
    EXPECT_TRUE(ReadGameAutoplay(Open(), 7999));
    Write("");
    EXPECT_TRUE(ReadGameAutoplay(Open(), 2));
}

TEST_F(GameAutoplayStoreTest, StoringBeyondTheStringExtendsItWithOnEntries) {
    Write("[Autoplay]\nGames=YYN\n");
    PreferencesFile prefs = Open();
    ASSERT_TRUE(StoreGameAutoplay(prefs, 5, false));
    EXPECT_EQ(Games(), "YYNYYNYYYYYYYYY");
    EXPECT_FALSE(ReadGameAutoplay(Open(), 5));
    EXPECT_FALSE(ReadGameAutoplay(Open(), 2));
    // Inside the string only the one character changes.
    ASSERT_TRUE(StoreGameAutoplay(prefs, 2, true));
    EXPECT_EQ(Games(), "YYYYYNYYYYYYYYY");
    // The last character counts as "not inside": the string grows again.
    ASSERT_TRUE(StoreGameAutoplay(prefs, 14, false));
    EXPECT_EQ(Games(), "YYYYYNYYYYYYYYNYYYYYYYYY");
}

TEST_F(GameAutoplayStoreTest, HighCatalogueIdsAreNotLostToTheValueLimit) {
    PreferencesFile prefs = Open();
    ASSERT_TRUE(StoreGameAutoplay(prefs, 700, false));
    ASSERT_TRUE(StoreGameAutoplay(prefs, 3, false));
    EXPECT_EQ(Games().size(), 710u);
    EXPECT_FALSE(ReadGameAutoplay(Open(), 700));
    EXPECT_FALSE(ReadGameAutoplay(Open(), 3));
    EXPECT_TRUE(ReadGameAutoplay(Open(), 699));
}

TEST_F(GameAutoplayStoreTest, CustomisedGamesHaveAKeyOfTheirOwn) {
    EXPECT_EQ(GameAutoplayKey(8003), "Cust_8003");
    EXPECT_EQ(GameAutoplayKey(12), "Games");
    EXPECT_EQ(GameAutoplayKey(12345), "Cust_12345");
    PreferencesFile prefs = Open();
    EXPECT_TRUE(ReadGameAutoplay(prefs, 8003));
    ASSERT_TRUE(StoreGameAutoplay(prefs, 8003, false));
    EXPECT_EQ(Open().ReadString("autoplay", "CUST_8003", ""), "N");
    EXPECT_FALSE(ReadGameAutoplay(Open(), 8003));
    EXPECT_TRUE(ReadGameAutoplay(Open(), 8004));
    EXPECT_EQ(Games(), "");  // the catalogue string is not touched
    Write("[Autoplay]\nCust_8003=No thanks\nCust_8004=\n");
    EXPECT_FALSE(ReadGameAutoplay(Open(), 8003));  // first character decides
    EXPECT_TRUE(ReadGameAutoplay(Open(), 8004));
}

TEST_F(GameAutoplayStoreTest, NoGameStoresNothing) {
    PreferencesFile prefs = Open();
    EXPECT_FALSE(StoreGameAutoplay(prefs, -1, false));
    EXPECT_EQ(Games(), "");
}

}  // namespace
}  // namespace tindle
