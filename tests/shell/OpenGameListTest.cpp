#include <gtest/gtest.h>

#include "OpenGameTestSupport.h"
#include "shell/OpenGameList.h"

namespace tindle {
namespace {

using test::DialogTestGames;
using test::TempDir;
using test::WriteTestGamesDat;

TEST(OpenGameList, KeysHoldPaddedNameTypeIdAndAttribute) {
    CatalogueEntry e;
    e.type = 5;
    e.gameId = 12;
    e.attribute = 'A';
    e.name = "Klondike";
    e.text = "005 0120 AKlondike";
    const std::string key = GameListKey(e);
    ASSERT_EQ(key.size(), kGameKeyLength);
    EXPECT_EQ(key.substr(0, 50), "Klondike" + std::string(42, ' '));
    EXPECT_EQ(key.substr(50, 3), "005");
    EXPECT_EQ(key.substr(53, 3), "012");
    EXPECT_EQ(key[56], 'A');
    EXPECT_EQ(GameKeyName(key), "Klondike");
    EXPECT_EQ(GameKeyType(key), 5);
    EXPECT_EQ(GameKeyId(key), 12);
    EXPECT_EQ(GameKeyAttribute(key), 'A');
}

TEST(OpenGameList, ANameOfFiftyCharactersFillsItsColumnsWithoutShiftingTheRest) {
    CatalogueEntry e;
    e.type = 800;
    e.gameId = 7;
    e.name = std::string(50, 'x');
    const std::string key = GameListKey(e);  // no line text: the numbers are written out
    ASSERT_EQ(key.size(), kGameKeyLength);
    EXPECT_EQ(GameKeyName(key), std::string(50, 'x'));
    EXPECT_EQ(GameKeyType(key), 800);
    EXPECT_EQ(GameKeyId(key), 7);
    EXPECT_EQ(GameKeyAttribute(key), ' ');
}

TEST(OpenGameList, ListIsTheCatalogueSortedWithoutRegardToCase) {
    TempDir dir;
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(WriteTestGamesDat(dir.Path(), DialogTestGames())).Ok());
    const auto list = BuildGameList(catalogue);
    ASSERT_EQ(list.size(), 3u);  // the game of class 1 is not in the catalogue
    EXPECT_EQ(GameKeyName(list[0]), "alpha");
    EXPECT_EQ(GameKeyName(list[1]), "Beta");
    EXPECT_EQ(GameKeyName(list[2]), "Zeta");
    EXPECT_EQ(GameKeyId(list[0]), 1);
    EXPECT_EQ(GameKeyType(list[1]), 99);
}

TEST(OpenGameList, ShorterNameComesFirstAndCaseOnlyDifferencesKeepCatalogueOrder) {
    EXPECT_TRUE(GameKeyLess("Spider", "spider one"));
    EXPECT_FALSE(GameKeyLess("spider", "SPIDER"));
    EXPECT_FALSE(GameKeyLess("SPIDER", "spider"));
    // A blank (the padding) sorts before every letter: "Golf" before "Golf Rush" and
    // before "Golfer".
    EXPECT_TRUE(GameKeyLess("Golf      ", "Golfer    "));
}

TEST(OpenGameList, EmptyCatalogueGivesAnEmptyList) {
    EXPECT_TRUE(BuildGameList(Catalogue{}).empty());
}

TEST(OpenGameList, BrokenNumbersReadAsMinusOne) {
    EXPECT_EQ(GameKeyId("short"), -1);
    EXPECT_EQ(GameKeyType(std::string(50, ' ') + "x5 001 "), -1);
}

}  // namespace
}  // namespace tindle
