#include <gtest/gtest.h>

#include "OpenGameTestSupport.h"
#include "model/GamesDat.h"
#include "shell/OpenGameDescription.h"

namespace tindle {
namespace {

using test::DialogTestGames;
using test::TempDir;
using test::WriteTestGamesDat;

class OpenGameDescriptionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(catalogue_.Read(WriteTestGamesDat(dir_.Path(), DialogTestGames())).Ok());
    }
    GameDescription Describe(int gameId) {
        GameInfoValues values = UnreadGameInfo();
        EXPECT_TRUE(ReadGameInfoValues(catalogue_, gameId, values).Ok());
        return DescribeGame(values);
    }
    TempDir dir_;
    Catalogue catalogue_;
};

TEST_F(OpenGameDescriptionTest, TwoDeckGameWithThreePassesAndAWonGamesFigure) {
    const GameDescription d = Describe(0);
    EXPECT_EQ(d.decks, "2");
    EXPECT_EQ(d.redeals, "2");
    EXPECT_EQ(d.gameTime.text, "Medium");
    EXPECT_EQ(d.gameTime.picture, "PROG_TIME_MEDIUM");
    EXPECT_EQ(d.difficulty.text, "Hard");
    EXPECT_EQ(d.difficulty.picture, "PROG_DIFF_HARD");
    EXPECT_EQ(d.skill.text, "Mostly skill");
    EXPECT_EQ(d.skill.picture, "PROG_SKILL_MOSTLYSKILL");
    EXPECT_EQ(d.winning.text, "Medium (about 1 in 3)");
    EXPECT_EQ(d.winning.picture, "PROG_CHAN_MEDIUM");
}

TEST_F(OpenGameDescriptionTest, PartDeckIsDroppedAndUnlimitedPassesAreNamed) {
    const GameDescription d = Describe(1);
    EXPECT_EQ(d.decks, "1");  // 78 cards
    EXPECT_EQ(d.redeals, "Unlimited");
    EXPECT_EQ(d.gameTime.text, "Long");
    EXPECT_EQ(d.difficulty.text, "Easy");
    EXPECT_EQ(d.skill.text, "Chance only");
    EXPECT_EQ(d.skill.picture, "PROG_SKILL_CHANCEONLY");
    EXPECT_EQ(d.winning.text, "Very high");  // field 400 = 0: the word alone
}

TEST_F(OpenGameDescriptionTest, NoPassesShowsNoRedealsRatherThanMinusOne) {
    const GameDescription d = Describe(2);
    EXPECT_EQ(d.redeals, "0");
    EXPECT_EQ(d.decks, "1");
    EXPECT_EQ(d.gameTime.text, "Quick");
    EXPECT_EQ(d.winning.text, "Very low");
    EXPECT_EQ(d.winning.picture, "PROG_CHAN_VERYLOW");
}

TEST_F(OpenGameDescriptionTest, GameOutsideTheCatalogueReadsNothing) {
    GameInfoValues values = UnreadGameInfo();
    EXPECT_FALSE(ReadGameInfoValues(catalogue_, 3, values).Ok());
    const GameDescription d = DescribeGame(values);
    EXPECT_EQ(d.decks, "");
    EXPECT_EQ(d.redeals, "");
    EXPECT_EQ(d.winning.text, "");
    EXPECT_EQ(d.winning.picture, "");
}

TEST(OpenGameRatings, ValuesOutOfRangeGiveNeitherWordNorPicture) {
    EXPECT_EQ(GameTimeRating(3).text, "");
    EXPECT_EQ(GameTimeRating(-1).picture, "");
    EXPECT_EQ(SkillRating(5).text, "");
    EXPECT_EQ(DifficultyRating(1).text, "Medium");
    EXPECT_EQ(DifficultyRating(1).picture, "PROG_DIFF_MEDIUM");
}

TEST(OpenGameRatings, RedealsAndDecks) {
    EXPECT_EQ(RedealsText(3), "2");
    EXPECT_EQ(RedealsText(1), "0");
    EXPECT_EQ(RedealsText(-1), "Unlimited");
    EXPECT_EQ(RedealsText(0), "0");
    EXPECT_EQ(DecksText(104), "2");
    EXPECT_EQ(DecksText(51), "0");
    EXPECT_EQ(DecksText(52), "1");
}

TEST(OpenGameRatings, WonGamesFigureNeedsANonZeroTotal) {
    EXPECT_EQ(WinningRating(1, 5, 0).text, "High");
    EXPECT_EQ(WinningRating(3, 1, 10).text, "Low (about 1 in 10)");
    EXPECT_EQ(WinningRating(3, 0, 10).text, "Low (about 0 in 10)");
}

}  // namespace
}  // namespace tindle
