// Turning the stock, the redeal of the waste and its limits, the push-button stock, and the
// stock clicks that deal by the game's deal codes.

#include "PlayFixture.h"
#include "model/History.h"
#include "model/UndoRedo.h"
#include "play/Commands.h"
#include "play/Gestures.h"
#include "play/MoveExecutor.h"
#include "play/Pointer.h"
#include "play/TablePlaces.h"

namespace tindle::test {
namespace {

class StockTest : public PlayFixture {
  protected:
    void SetUp() override { UseGame(kKlondikeId); }

    // A stock of the given cards (bottom first), face down as Klondike keeps it.
    void Stock(std::vector<int> cards) { Put(kStock, cards, cards); }

    bool Turn() { return Execute(ctx, {MoveKind::TurnToWaste, 0, 0}); }

    // A click on the stock as the player makes it: press and release in place.
    bool ClickStock() { return ClickPile(ctx, kStock); }
};

TEST_F(StockTest, ThreeAtATimeWithTwoLeftTurnsTwoAndMarksTheStockEmpty) {
    game.def[gd::StockTurnCount] = 3;
    Stock({H(1), H(2), H(3), H(4), H(5)});
    ASSERT_TRUE(Turn());
    EXPECT_EQ(Cards(kWaste), (std::vector<int>{H(5), H(4), H(3)}));
    EXPECT_EQ(view.emptyStockMarks, 0);
    ASSERT_TRUE(Turn());
    EXPECT_EQ(Cards(kWaste), (std::vector<int>{H(5), H(4), H(3), H(2), H(1)}));
    EXPECT_TRUE(Cards(kStock).empty());
    ASSERT_FALSE(view.drawnEmpty.empty());
    EXPECT_EQ(view.drawnEmpty.back(), kStock);
    EXPECT_FALSE(game.cards.CardIsFaceDown(H(1)));
    EXPECT_EQ(game.undo.Count(), 2);
    // The empty-stock mark is for a stock that runs out with at most one card on the waste.
    EXPECT_EQ(view.emptyStockMarks, 0);
}

TEST_F(StockTest, TheEmptyStockMarkWhenNothingIsLeftToRedeal) {
    Stock({H(1)});
    ASSERT_TRUE(Turn());
    EXPECT_EQ(view.emptyStockMarks, 1);
    EXPECT_FALSE(Turn());
    EXPECT_EQ(view.emptyStockMarks, 1);
}

TEST_F(StockTest, RedealGivesTheCardsBackInTheOrderFirstTurnedAndUndoesInOneStep) {
    Stock({H(1), H(2), H(3)});
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(ClickStock());
    ASSERT_EQ(Cards(kWaste), (std::vector<int>{H(3), H(2), H(1)}));
    const Piles beforeRedeal = game.piles;
    const int steps = game.undo.Count();

    ASSERT_TRUE(ClickStock());  // press: the button; release: the redeal and the first turn
    EXPECT_EQ(view.buttonPile, (std::vector<bool>{true, false}));
    EXPECT_EQ(Cards(kStock), (std::vector<int>{H(1), H(2)}));
    EXPECT_EQ(Cards(kWaste), (std::vector<int>{H(3)}));
    EXPECT_TRUE(game.cards.CardIsFaceDown(H(2)));
    EXPECT_EQ(game.counters.passCounter, 2);
    EXPECT_EQ(game.undo.Count(), steps + 1);

    ASSERT_TRUE(Undo(game, settings));
    EXPECT_TRUE(game.piles == beforeRedeal);
    EXPECT_FALSE(game.cards.CardIsFaceDown(H(1)));
}

TEST_F(StockTest, ThreePassesAllowTwoRedealsAndUnlimitedNeverStops) {
    game.def[gd::StockPasses] = 3;
    Stock({H(1), H(2)});
    auto pass = [&] {
        while (!PileEmpty(game.piles.Stock()))
            ASSERT_TRUE(ClickStock());
    };
    pass();
    EXPECT_TRUE(ClickStock());
    pass();
    EXPECT_TRUE(ClickStock());
    pass();
    const Piles exhausted = game.piles;
    EXPECT_FALSE(ClickStock());
    EXPECT_TRUE(game.piles == exhausted);
    EXPECT_EQ(game.counters.passCounter, 3);

    game.def[gd::StockPasses] = -1;
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(ClickStock()) << "redeal " << i;
        pass();
    }
}

TEST_F(StockTest, UndoingARedealGivesThePassBack) {
    game.def[gd::StockPasses] = 2;
    Stock({H(1), H(2)});
    ClickStock();
    ClickStock();
    ASSERT_TRUE(ClickStock());  // the one redeal allowed
    EXPECT_EQ(game.counters.passCounter, 2);
    ASSERT_TRUE(UndoCommand(ctx));
    EXPECT_EQ(game.counters.passCounter, 1);
    ASSERT_TRUE(RedoCommand(ctx));
    EXPECT_EQ(game.counters.passCounter, 2);
    ASSERT_TRUE(UndoCommand(ctx));
    EXPECT_TRUE(ClickStock());  // allowed again
    EXPECT_EQ(Cards(kWaste), std::vector<int>{H(2)});
}

TEST_F(StockTest, OneCardOnTheWasteIsNotRedealt) {
    Stock({H(1)});
    ASSERT_TRUE(ClickStock());
    EXPECT_FALSE(ClickStock());
    EXPECT_TRUE(view.buttonPile.empty());
    EXPECT_EQ(Cards(kWaste), std::vector<int>{H(1)});
}

TEST_F(StockTest, LeavingThePressedStockCancelsTheRedeal) {
    Stock({H(1), H(2)});
    ClickStock();
    ClickStock();
    const TableRect stock = TopCardRect(ctx, kStock);
    const int x = stock.left + 10;
    const int y = stock.top + 10;
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    EXPECT_TRUE(game.pointer.stockPressed);
    imgSfondoMouseMove(ctx, stock.right + 40, y);
    EXPECT_FALSE(game.pointer.stockPressed);
    imgSfondoMouseMove(ctx, x, y);
    EXPECT_FALSE(imgSfondoMouseUp(ctx, x, y));
    EXPECT_TRUE(Cards(kStock).empty());
    EXPECT_EQ(game.counters.passCounter, 1);
}

TEST_F(StockTest, ATurnOnlyOntoAnEmptyWasteWaitsForTheWasteToEmpty) {
    game.def[gd::TurnOnlyWhenWasteEmpty] = 1;
    Stock({H(1), H(2)});
    ASSERT_TRUE(ClickStock());
    EXPECT_FALSE(ClickStock());
    EXPECT_EQ(Cards(kWaste), std::vector<int>{H(2)});
}

TEST_F(StockTest, CountedTurnsRaiseTheDealCounterAndMarkTheStep) {
    game.def[gd::SpecialGame] = 28;
    Stock({H(1), H(2)});
    ASSERT_TRUE(Turn());
    ASSERT_TRUE(Turn());
    EXPECT_EQ(game.counters.dealCounter, 2);
    EXPECT_EQ(CountMarker(game.undo, 2), 2);
}

TEST_F(StockTest, RedealModeCountsPassesOnTheReleaseOnly) {
    game.def[gd::WasteUsed] = 0;
    game.def[gd::RedealMode] = 1;
    game.def[gd::StockPasses] = 2;
    Put(Fila(1), {H(5)});
    const Piles before = game.piles;
    const TableRect stock = TopCardRect(ctx, kStock);
    imgSfondoMouseDown(ctx, MouseButton::Left, false, stock.left + 5, stock.top + 5);
    EXPECT_TRUE(game.pointer.stockPressed);
    EXPECT_EQ(game.counters.passCounter, 1);
    EXPECT_TRUE(imgSfondoMouseUp(ctx, stock.left + 5, stock.top + 5));
    EXPECT_EQ(game.counters.passCounter, 2);
    EXPECT_EQ(game.undo.Count(), 1);
    EXPECT_TRUE(game.piles == before);
    EXPECT_FALSE(ClickStock());  // the passes are used up
    EXPECT_EQ(game.undo.Count(), 1);
}

// ---- Stock clicks that deal

class DealClickTest : public PlayFixture {
  protected:
    void SetUp() override {
        UseGame(kKlondikeId);
        game.def[gd::WasteUsed] = 0;
        for (int k = 0; k < 7; ++k)
            game.def.At(gd::TableauDealCode, k) = 1;
    }
    void Stock(std::vector<int> cards) { Put(kStock, cards, cards); }
};

TEST_F(DealClickTest, CodeSevenSkipsEmptyColumnsAndFillSkipsFullOnes) {
    for (int k = 0; k < 7; ++k)
        game.def.At(gd::TableauDealCode, k) = 7;
    game.def.At(gd::TableauDealCode, 0) = 1;  // the first column decides that the click deals
    Put(Fila(1), {S(9)});
    Put(Fila(3), {S(8)});
    Stock({H(1), H(2), H(3), H(4), H(5)});
    ASSERT_TRUE(ClickPile(ctx, kStock));
    EXPECT_EQ(Cards(Fila(1)), (std::vector<int>{S(9), H(5)}));
    EXPECT_TRUE(Cards(Fila(2)).empty());
    EXPECT_EQ(Cards(Fila(3)), (std::vector<int>{S(8), H(4)}));
    EXPECT_EQ(game.undo.Count(), 1);

    ASSERT_TRUE(Execute(ctx, {MoveKind::FillColumns, 0, 0}));
    EXPECT_EQ(Cards(Fila(1)).size(), 2u);
    EXPECT_EQ(Cards(Fila(2)), std::vector<int>{H(3)});
    EXPECT_EQ(Cards(Fila(4)), std::vector<int>{H(2)});
    EXPECT_EQ(Cards(Fila(5)), std::vector<int>{H(1)});
    EXPECT_TRUE(Cards(Fila(6)).empty());  // the stock ran out
    EXPECT_EQ(game.undo.Count(), 1);      // the fill records no step of its own
}

TEST_F(DealClickTest, FaceDownDealCodesFlyACardBack) {
    game.def.At(gd::TableauDealCode, 1) = 6;
    Stock({H(1), H(2), H(3), H(4), H(5), H(6), H(7)});
    ASSERT_TRUE(ClickPile(ctx, kStock));
    ASSERT_EQ(view.flights.size(), 7u);
    EXPECT_FALSE(view.flights[0].faceDown);
    EXPECT_TRUE(view.flights[1].faceDown);
    EXPECT_EQ(view.flights[1].card, -1);
    EXPECT_TRUE(game.cards.CardIsFaceDown(H(6)));
    EXPECT_FALSE(game.cards.CardIsFaceDown(H(7)));
    EXPECT_EQ(view.fadeIns, 6);
}

TEST_F(DealClickTest, CodeTwoAsksForTheGapsToBeFilledFirst) {
    for (int k = 0; k < 7; ++k)
        game.def.At(gd::TableauDealCode, k) = 2;
    for (int k = 1; k <= 6; ++k)
        Put(Fila(k), {S(k)});
    Stock({H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8)});
    EXPECT_FALSE(ClickPile(ctx, kStock));
    ASSERT_EQ(messages.information.size(), 1u);
    EXPECT_EQ(messages.information[0], "Fill in any gaps in the tableau before dealing.");
    EXPECT_EQ(Cards(kStock).size(), 8u);
    Put(Fila(7), {S(7)});
    ASSERT_TRUE(ClickPile(ctx, kStock));
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(Cards(Fila(k)).size(), 2u);
    EXPECT_EQ(Cards(kStock), std::vector<int>{H(1)});
}

TEST_F(DealClickTest, ReserveCodeThreeDealsTheLastEightToTheTableau) {
    game.def[gd::ReserveCount] = 2;
    Relayout();
    for (int k = 0; k < 7; ++k)
        game.def.At(gd::TableauDealCode, k) = 0;
    game.def.At(gd::ReserveDealCode, 0) = 3;
    game.def.At(gd::ReserveDealCode, 1) = 3;
    Stock({H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9)});
    ASSERT_TRUE(ClickPile(ctx, kStock));  // nine cards: twice to the reserves
    EXPECT_EQ(Cards(Appogg(1)), (std::vector<int>{H(9), H(7)}));
    EXPECT_EQ(Cards(Appogg(2)), (std::vector<int>{H(8), H(6)}));
    Stock({H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8)});
    ASSERT_TRUE(ClickPile(ctx, kStock));  // eight: one to every column
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(Cards(Fila(k)).size(), 1u) << k;
    EXPECT_EQ(Cards(kStock), std::vector<int>{H(1)});
}

TEST_F(DealClickTest, ReserveCodeFourAlternatesReservesInOneUndoStep) {
    game.def[gd::ReserveCount] = 2;
    Relayout();
    for (int k = 0; k < 7; ++k)
        game.def.At(gd::TableauDealCode, k) = 0;
    game.def.At(gd::ReserveDealCode, 0) = 4;
    game.def.At(gd::ReserveDealCode, 1) = 4;
    Stock({H(1), H(2), H(3), H(4), H(5)});
    ASSERT_TRUE(ClickPile(ctx, kStock));
    EXPECT_EQ(Cards(Appogg(1)), (std::vector<int>{H(5), H(4), H(3)}));
    EXPECT_EQ(game.undo.Count(), 1);
    EXPECT_EQ(CountMarker(game.undo, 2), 1);
    ASSERT_TRUE(ClickPile(ctx, kStock));
    EXPECT_EQ(Cards(Appogg(2)), (std::vector<int>{H(2), H(1)}));
    ASSERT_TRUE(UndoCommand(ctx));
    EXPECT_TRUE(Cards(Appogg(2)).empty());
    EXPECT_EQ(Cards(kStock), (std::vector<int>{H(1), H(2)}));
    ASSERT_TRUE(ClickPile(ctx, kStock));  // the second click's turn again: reserve 2
    EXPECT_EQ(Cards(Appogg(2)), (std::vector<int>{H(2), H(1)}));
}

TEST_F(DealClickTest, AReserveTheGameDoesNotUseIsDealtNothing) {
    game.def[gd::ReserveCount] = 1;
    Relayout();
    for (int k = 0; k < 7; ++k)
        game.def.At(gd::TableauDealCode, k) = 0;
    game.def.At(gd::ReserveDealCode, 0) = 4;
    Stock({H(1), H(2), H(3), H(4), H(5)});
    ASSERT_TRUE(ClickPile(ctx, kStock));
    EXPECT_EQ(Cards(Appogg(1)).size(), 3u);
    EXPECT_FALSE(ClickPile(ctx, kStock));  // the even click's reserve 2 is not in the game
    EXPECT_EQ(Cards(kStock).size(), 2u);
    EXPECT_FALSE(Execute(ctx, {MoveKind::DealReserve, 4, 0}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::DealColumn, 11, 0}));
}

TEST_F(DealClickTest, TableauAndFaceDownReserveDealAreOneStepAndStopAtThePassLimit) {
    game.def[gd::ReserveCount] = 1;
    Relayout();
    game.def.At(gd::ReserveDealCode, 0) = 5;
    game.def[gd::StockPasses] = 1;
    Stock({H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13), S(1),
           S(2), S(3)});
    ASSERT_TRUE(ClickPile(ctx, kStock));
    EXPECT_TRUE(Cards(Appogg(1)).empty());  // the pass counter has reached the passes
    game.def[gd::StockPasses] = 2;
    ASSERT_TRUE(ClickPile(ctx, kStock));
    EXPECT_EQ(Cards(Appogg(1)), std::vector<int>{H(2)});
    EXPECT_TRUE(game.cards.CardIsFaceDown(H(2)));
    EXPECT_EQ(game.undo.Count(), 2);
    ASSERT_TRUE(Undo(game, settings));
    EXPECT_TRUE(Cards(Appogg(1)).empty());
    EXPECT_EQ(Cards(kStock).size(), 9u);
}

TEST_F(DealClickTest, DealsAreRefusedFromAnEmptyStockAndMovesOffThePileListsChangeNothing) {
    EXPECT_FALSE(Execute(ctx, {MoveKind::DealColumns, 0, 0}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::DealColumn, 98, 0}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::DealReserve, 10, 0}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::ToColumn, -1, H(1)}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::ToColumn, 28, H(1)}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::StockClick, 0, 0}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::Select, 0, H(1)}));
    EXPECT_TRUE(game.undo.Empty());
}

}  // namespace
}  // namespace tindle::test
