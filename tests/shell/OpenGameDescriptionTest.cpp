#include <gtest/gtest.h>

#include "OpenGameTestSupport.h"
#include "model/GamesDat.h"
#include "shell/OpenGameDescription.h"
#include "shell/WinnableShares.h"

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

// The solver's measured share replaces the guess only for the game of the same id and name;
// a damaged line, a renamed or renumbered game and a missing file fall back on the guess.
TEST_F(OpenGameDescriptionTest, MeasuredShareReplacesTheGuessOfItsOwnGameOnly) {
    const std::string text =
        "# GameId won searched name\n"
        "0 141 200 Zeta\r\n"
        "1 986 1000  alpha \n"
        "1 5 5 alpha\n"     // a second line of a game: the first one counts
        "2 201 200 Beta\n"  // more won than searched
        "2 x 200 Beta\n"    // not a number
        "2 10 0 Beta\n"     // nothing searched
        "2 10 200\n"        // no name
        "4 7 200 Renamed Game\n";
    test::WriteFile(dir_.Path() / std::string(kWinnableSharesFileName), text);
    const WinnableShares shares =
        ReadWinnableShares(dir_.Path() / std::string(kWinnableSharesFileName));
    ASSERT_EQ(shares.size(), 4u);

    GameInfoValues values = UnreadGameInfo();
    ASSERT_TRUE(ReadGameInfoValues(catalogue_, 0, values).Ok());
    const Rating measured = DescribeGame(values, FindWinnableShare(shares, 0, "Zeta")).winning;
    EXPECT_EQ(measured.text, "at least 70.5 % (solver)");
    EXPECT_EQ(measured.picture, "PROG_CHAN_HIGH");
    const auto alpha = FindWinnableShare(shares, 1, "alpha");
    ASSERT_TRUE(alpha);
    EXPECT_EQ(MeasuredWinningRating(*alpha).text, "at least 98.6 % (solver)");
    EXPECT_EQ(MeasuredWinningRating(*alpha).picture, "PROG_CHAN_VERYHIGH");
    // Rounded down, and the classes by fifths.
    EXPECT_EQ(WinnableShareText({5, "x", 1, 3}), "at least 33.3 % (solver)");
    EXPECT_EQ(WinnableShareClass({5, "x", 10, 200}), 4);
    EXPECT_EQ(WinnableShareClass({5, "x", 40, 200}), 3);
    EXPECT_EQ(WinnableShareClass({5, "x", 200, 200}), 0);
    // Winnable deals only searches where the solver won at least one deal in five.
    EXPECT_TRUE(WinnableSearchPays(WinnableShare{5, "x", 40, 200}));
    EXPECT_FALSE(WinnableSearchPays(WinnableShare{5, "x", 39, 200}));
    EXPECT_TRUE(WinnableSearchPays(std::nullopt));

    EXPECT_FALSE(FindWinnableShare(shares, 2, "Beta"));
    EXPECT_FALSE(FindWinnableShare(shares, 0, "Zeta Two"));  // renamed
    EXPECT_FALSE(FindWinnableShare(shares, 9, "Zeta"));      // renumbered
    EXPECT_EQ(DescribeGame(values, FindWinnableShare(shares, 9, "Zeta")).winning.text,
              "Medium (about 1 in 3)");
    EXPECT_TRUE(ReadWinnableShares(dir_.Path() / "missing.dat").empty());
    EXPECT_TRUE(ReadWinnableShares(dir_.Path()).empty());  // a folder
}

}  // namespace
}  // namespace tindle
