// Win tests and scores by code, the end-of-game sequence, and autoplay.

#include <tuple>

#include "PlayFixture.h"
#include "WinningAnimationFakes.h"
#include "model/GameEnd.h"
#include "model/History.h"
#include "model/RuleCodes.h"
#include "play/Autoplay.h"
#include "play/Commands.h"
#include "play/EndGame.h"
#include "play/Gestures.h"
#include "play/MoveExecutor.h"
#include "play/ScoreDisplay.h"

namespace tindle::test {
namespace {

class GameEndTest : public PlayFixture {
  protected:
    void SetUp() override { UseGame(kKlondikeId); }
    void Code(int special) { game.def[gd::SpecialGame] = static_cast<int16_t>(special); }
    bool Won() const { return IsGameWon(game, settings); }
    int Score() const { return ScoreOf(game, settings).value_or(-9999); }
};

TEST_F(GameEndTest, StandardWinIgnoresFoundationsAndTheSecondWaste) {
    Put(kSecondWaste, {H(1), H(2)});
    Put(Dest(1), {S(1)});
    EXPECT_TRUE(Won());
    Put(Fila(7), {D(3)});
    EXPECT_FALSE(Won());
    Put(Fila(7), {});
    Put(Fila(8), {D(3)});  // beyond the game's columns
    EXPECT_TRUE(Won());
    Put(kWaste, {D(4)});
    EXPECT_FALSE(Won());
}

TEST_F(GameEndTest, WinCodes) {
    Code(4);
    Put(Fila(1), {0, 0});
    EXPECT_TRUE(Won());
    Code(0);
    EXPECT_FALSE(Won());
    Code(27);
    for (int k = 1; k <= 7; ++k)
        Put(Fila(k), {S(k)});
    EXPECT_TRUE(Won());
    Code(31);
    EXPECT_FALSE(Won());
    for (int k = 1; k <= 7; ++k)
        Put(Fila(k), {k <= 4 ? MakeCard(k - 1, 1) : MakeCard(k - 4, 1) + 52});
    EXPECT_TRUE(Won());
    Code(45);
    EXPECT_FALSE(Won());
    for (int k = 5; k <= 7; ++k)
        Put(Fila(k), {});
    EXPECT_TRUE(Won());
    Code(41);
    Put(Dest(1), {H(1), H(2)});
    EXPECT_TRUE(Won());
    Put(Dest(3), {S(1)});
    EXPECT_FALSE(Won());
    Code(43);
    EXPECT_FALSE(Won());
    Put(Fila(2), {S(9), H(8), S(7), H(6), S(5), H(4), S(3), H(2), S(1)});
    EXPECT_TRUE(Won());
    Code(21);
    Put(Fila(1), {H(1), H(2), H(3), H(4)});
    EXPECT_TRUE(Won());
    Put(kStock, {D(1)});
    EXPECT_FALSE(Won());
    for (int c : {32, 44, 46, 48}) {
        Code(c);
        EXPECT_FALSE(Won()) << c;
    }
}

TEST_F(GameEndTest, StandardScoreStartsAtMinusTheDeckAndGainsFivePerCard) {
    EXPECT_EQ(Score(), -52);
    Put(Dest(2), {C(1), C(2)});
    Put(kSecondWaste, {S(1)});
    EXPECT_EQ(Score(), -37);
    game.def[gd::ScoreBonus] = 2;
    game.def[gd::UsesJokers] = 1;
    game.def[gd::JokerCount] = 2;
    EXPECT_EQ(Score(), -37 + 10 - 10);
    settings.Put(field::ScoringSystem, "02");
    EXPECT_FALSE(ScoreOf(game, settings));
    // The selection games keep their selection on foundation 1: it does not score.
    settings.Put(field::ScoringSystem, "01");
    game.def[gd::SelectionGame] = 1;
    Put(Dest(1), {H(5), H(6)});
    EXPECT_EQ(Score(), -37);
}

TEST_F(GameEndTest, ScoreCodes) {
    Code(9);
    EXPECT_FALSE(ScoreOf(game, settings));
    Code(34);
    Put(Fila(1), {H(1)});
    Put(Fila(2), {D(2)});
    Put(Fila(3), {S(3)});
    Put(Fila(4), {H(4)});
    EXPECT_EQ(Score(), -52 + 20);  // counting stops at the third column
    Code(35);
    Put(kSecondWaste, {S(1), S(2), S(3)});
    EXPECT_EQ(Score(), 30 - 52);
    Code(37);
    game.counters.dealCounter = 2;
    EXPECT_EQ(Score(), 10 * 1 - 4 - 52);
    Code(39);
    EXPECT_EQ(Score(), 7 - 2 - 52);
    Code(47);
    EXPECT_EQ(Score(), 15 - 52);
    game.piles.fila = {};
    EXPECT_EQ(Score(), 4 * 52);
    Code(44);
    Put(Fila(1), {S(13)});
    Put(Fila(2), {S(13 + 13)});
    EXPECT_EQ(Score(), -52);
    for (int k = 1; k <= 7; ++k)
        Put(Fila(k), {MakeCard(k % 4, 13)});
    EXPECT_EQ(Score(), 150);  // seven Kings: 91
    Code(43);
    game.piles.fila = {};
    Put(Fila(3), {S(9), H(8), S(7), H(6), S(5), H(4), S(3), H(2), S(1)});
    EXPECT_EQ(Score(), 225 - 52);
    Code(48);
    game.def[gd::ScoreBonus] = 1;
    Put(Dest(2), {S(4), S(5)});
    EXPECT_EQ(Score(), 5 + 10 - 52);
}

TEST_F(GameEndTest, GridRunsScoreFromTheAcesAndWrapRoundOnce) {
    Code(46);
    game.def[gd::TableauCount] = 2;
    Put(Fila(1), {H(1), H(2), H(3), 0, S(1), S(2)});
    Put(Fila(2), {S(3), D(5), C(1)});
    // 2 after the Ace: 10, 3: 5; the spade run: 10 for its 2, 5 for the 3 in column 2; the
    // club Ace at the end carries into column 1 again, where the heart Ace stops the scan.
    EXPECT_EQ(Score(), -32 + 15 + 15);
    // A run of clubs at the end of the last column goes on with the 3 at the bottom of column
    // 1 (5 only, though it is the run's second step there).
    Put(Fila(2), {S(3), D(5), C(1), C(2)});
    Put(Fila(1), {C(3), H(1), H(2), H(3), 0, S(1), S(2)});
    EXPECT_EQ(Score(), -32 + 15 + 15 + 10 + 5);
}

TEST_F(GameEndTest, EndGameWithoutAGameDoesNothing) {
    game.flags.gameInProgress = false;
    game.flags.gameWon = true;
    EXPECT_FALSE(EndGame(ctx));
    EXPECT_EQ(ui.winningAnimations, 0);
    EXPECT_TRUE(game.flags.gameWon);
}

TEST_F(GameEndTest, AWonGameEndsWithTheAnimationThenTheGameDialog) {
    // What the end of a won game shows: the animations, the game dialogs, the sounds "Won".
    auto shown = [this] {
        return std::tuple{ui.winningAnimations, ui.gameDialogs, sounds.Count("Won")};
    };
    game.flags.gameWon = true;
    game.flags.clockRunning = true;
    EXPECT_TRUE(EndGame(ctx));
    EXPECT_EQ(shown(), std::tuple(1, 1, 1));
    EXPECT_FALSE(game.flags.gameInProgress);
    EXPECT_FALSE(game.flags.clockRunning);
    EXPECT_TRUE(game.flags.stopRequest);
    EXPECT_EQ(ui.routings.back(), InputRouting::Normal);
    EXPECT_EQ(ui.routings.front(), InputRouting::AnimationInterrupt);

    // A new game started in the moment before the animation (the window's events run) is
    // neither covered by it nor followed by the game dialog; nor is a window closed then.
    AnimationClock clock;
    PlayContext eventsRun{game,   settings, layout, catalogue, view,
                          sounds, messages, clock,  random,    ui};
    clock.onEvents = [this] { game.flags.gameInProgress = true; };
    game.flags.gameInProgress = true;
    game.flags.gameWon = true;
    EXPECT_TRUE(EndGame(eventsRun));
    EXPECT_EQ(shown(), std::tuple(1, 1, 1));
    EXPECT_TRUE(game.flags.gameInProgress);
    EXPECT_EQ(ui.routings.back(), InputRouting::Normal);
    clock.onEvents = [this] { ui.exitRequested = true; };
    game.flags.gameWon = true;
    EXPECT_TRUE(EndGame(eventsRun));
    EXPECT_EQ(shown(), std::tuple(1, 1, 1));
    EXPECT_EQ(ui.closes, 1);
}

TEST_F(GameEndTest, AnAbandonedGameShowsNothingAndACloseAskedForDuringTheAnimationIsDone) {
    EXPECT_FALSE(EndGame(ctx));
    EXPECT_EQ(ui.winningAnimations + ui.gameDialogs, 0);
    game.flags.gameInProgress = true;
    game.flags.gameWon = true;
    ui.exitRequested = true;
    EXPECT_TRUE(EndGame(ctx));
    EXPECT_EQ(ui.closes, 1);
    EXPECT_EQ(ui.gameDialogs, 0);
}

// A win that no release looks for still ends the game at the click that makes it, whatever
// the win code: the last stock card turned onto the second waste of a Golf-type game
// (Eddy), and the stock of an Aces Up game dealt out onto its four Aces (AcesAlone).
TEST_F(GameEndTest, AStockClickThatWinsEndsTheGameWhateverTheWinCode) {
    Code(special::Eddy);
    game.def[gd::WasteUsed] = 0;
    game.def[gd::SecondWastePresent] = 1;
    game.def[gd::SecondWasteArrangement] = 7;
    game.def[gd::SecondWasteRow] = 1;
    Relayout();
    Put(kStock, {C(5)});
    ClickPile(ctx, kStock);
    EXPECT_EQ(Cards(kSecondWaste), std::vector<int>{C(5)});
    EXPECT_FALSE(game.flags.gameInProgress);
    EXPECT_EQ(ui.winningAnimations, 1);

    UseGame(11);  // Aces Up
    Put(kStock, {H(1), D(1), C(1), S(1)});
    ClickPile(ctx, kStock);
    EXPECT_EQ(Cards(Fila(4)).size(), 1u);
    EXPECT_FALSE(game.flags.gameInProgress);
    EXPECT_EQ(ui.winningAnimations, 2);
}

TEST_F(GameEndTest, AScoreGameIsWonByItsTargetScore) {
    Code(34);
    game.def[gd::TargetScore] = -42;
    Put(Fila(1), {H(1)});
    Put(Fila(2), {D(2)});
    Put(kStock, {C(3)});
    EXPECT_TRUE(Won());
    game.flags.gameWon = false;  // EndGame decides by the score alone
    EXPECT_TRUE(EndGame(ctx));
}

// ---- Autoplay

class AutoplayTest : public GameEndTest {
  protected:
    void SetUp() override {
        GameEndTest::SetUp();
        ui.autoplayTicked = true;
    }
};

TEST_F(AutoplayTest, PlaysEveryCardThatMayGoHomeAndEndsAWonGame) {
    Put(Fila(1), {H(3), H(2)});
    Put(Fila(2), {H(1)});
    EXPECT_TRUE(RunAutoplay(ctx));
    EXPECT_EQ(Cards(Dest(1)), (std::vector<int>{H(1), H(2), H(3)}));
    EXPECT_EQ(sounds.Count("Autoplay"), 3);
    EXPECT_FALSE(game.flags.gameInProgress);
    EXPECT_EQ(ui.winningAnimations, 1);
    EXPECT_FALSE(game.flags.stopRequest);
}

TEST_F(AutoplayTest, NeverTakesTheWasteWhenTheGameLocksIt) {
    Put(kWaste, {H(1)});
    Put(Fila(1), {S(4)});
    game.def[gd::WasteLocked] = 1;
    EXPECT_FALSE(RunAutoplay(ctx));
    EXPECT_EQ(Cards(kWaste), std::vector<int>{H(1)});
    game.def[gd::WasteLocked] = 0;
    EXPECT_TRUE(RunAutoplay(ctx));
    EXPECT_EQ(Cards(Dest(1)), std::vector<int>{H(1)});
}

TEST_F(AutoplayTest, WithReservesAPassMovesOneTableauCard) {
    settings.Put(field::CardsAnimate, "Y");
    game.def[gd::ReserveCount] = 1;
    Relayout();
    Put(Appogg(1), {H(2)});
    Put(Fila(1), {H(1)});
    Put(Fila(2), {S(1)});
    EXPECT_TRUE(RunAutoplay(ctx));
    // After the Ace of hearts the pass ends; the next one starts with the reserve.
    std::vector<int> order;
    for (const auto& f : view.flights)
        order.push_back(f.card);
    EXPECT_EQ(order, (std::vector<int>{H(1), H(2), S(1)}));

    // Without reserves the same pass goes on through the columns.
    view.flights.clear();
    game.flags.gameInProgress = true;  // the first part won its game
    game.def[gd::ReserveCount] = 0;
    Put(Dest(1), {});
    Put(Dest(2), {});
    Put(Fila(1), {H(1)});
    Put(Fila(2), {S(1)});
    Put(Fila(3), {H(2)});
    EXPECT_TRUE(RunAutoplay(ctx));
    order.clear();
    for (const auto& f : view.flights)
        order.push_back(f.card);
    EXPECT_EQ(order, (std::vector<int>{H(1), S(1), H(2)}));
}

TEST_F(AutoplayTest, ATurnUpThatLeadsNowhereLeavesTheHistoryAsItWas) {
    Put(Fila(1), {S(4), H(9)}, {H(9)});
    Put(Fila(2), {D(7)});
    const int steps = game.undo.Count();
    EXPECT_FALSE(RunAutoplay(ctx));
    EXPECT_FALSE(game.cards.CardIsFaceDown(H(9)));
    EXPECT_EQ(game.undo.Count(), steps);
}

TEST_F(AutoplayTest, WaitsWhileOffOrNoGameIsInProgressAndTheCommandRunsIt) {
    Put(Fila(1), {H(1)});
    ui.autoplayTicked = false;
    EXPECT_FALSE(RunAutoplay(ctx));
    ui.autoplayTicked = true;
    ui.autoplayEnabled = false;
    EXPECT_FALSE(RunAutoplay(ctx));
    ui.autoplayEnabled = true;
    ui.autoplayTicked = false;
    AutoplayCommand(ctx);
    EXPECT_TRUE(ui.autoplayTicked);
    EXPECT_EQ(Cards(Dest(1)), std::vector<int>{H(1)});
    AutoplayCommand(ctx);
    EXPECT_FALSE(ui.autoplayTicked);
}

TEST_F(AutoplayTest, EmptyColumnsFillByTheGamesRuleAfterARelease) {
    game.def[gd::FillRule] = 3;
    Put(kStock, {D(9), D(8)}, {D(9), D(8)});
    Put(Fila(1), {S(6)});
    for (int k = 3; k <= 7; ++k)
        Put(Fila(k), {C(k + 5)});
    Put(Fila(2), {H(7)});
    ASSERT_TRUE(DragCardTo(ctx, S(6), Fila(2)));
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{D(8)});
    EXPECT_FALSE(game.cards.CardIsFaceDown(D(8)));
    EXPECT_EQ(Cards(Fila(2)), (std::vector<int>{H(7), S(6)}));
}

TEST_F(AutoplayTest, FillRuleFourStopsOnceAGridDropWasMade) {
    game.def[gd::FillRule] = 4;
    Put(kStock, {D(9), D(8)}, {D(9), D(8)});
    EXPECT_TRUE(AutoFillEmptyColumns(ctx));
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{D(8)});
    Put(Fila(1), {});
    SetMarker(game, 1);
    EXPECT_FALSE(AutoFillEmptyColumns(ctx));
    EXPECT_TRUE(Cards(Fila(1)).empty());
}

}  // namespace
}  // namespace tindle::test
