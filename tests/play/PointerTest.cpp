// Presses, double clicks and right clicks on the table: what is lifted, turned or sent.

#include "PlayFixture.h"
#include "play/Commands.h"
#include "play/Gestures.h"
#include "play/Pointer.h"
#include "play/TablePlaces.h"
#include "support/RandomPlay.h"

namespace tindle::test {
namespace {

class PointerTest : public PlayFixture {
  protected:
    void Point(int card, int& x, int& y) { ASSERT_TRUE(PointOnCard(ctx, card, x, y)) << card; }
    bool Press(int card, MouseButton button = MouseButton::Left, bool ctrl = false) {
        int x = 0;
        int y = 0;
        Point(card, x, y);
        return imgSfondoMouseDown(ctx, button, ctrl, x, y);
    }
    bool Release() { return imgSfondoMouseUp(ctx, 0, 0); }
};

class KlondikePointer : public PointerTest {
  protected:
    void SetUp() override { UseGame(kKlondikeId); }
};

TEST_F(KlondikePointer, AFaceDownTopCardIsTurnedByAClickNotLifted) {
    Put(Fila(1), {S(4), H(9)}, {S(4), H(9)});
    EXPECT_TRUE(Press(H(9)));
    EXPECT_EQ(game.pointer.dragCard, 0);
    EXPECT_FALSE(game.cards.CardIsFaceDown(H(9)));
    EXPECT_TRUE(game.cards.CardIsFaceDown(S(4)));
    EXPECT_EQ(game.undo.Count(), 1);
    EXPECT_EQ(sounds.Count("Face_up"), 1);
    Release();
    EXPECT_FALSE(ClickPile(ctx, Fila(1)));  // a face-up top card is only lifted
    EXPECT_EQ(game.undo.Count(), 1);
}

TEST_F(KlondikePointer, ADoubleClickPrefersTheFoundationToAColumn) {
    settings.Put(field::DoubleClickToTableaus, "Y");
    Put(Fila(1), {D(9), H(2)});
    Put(Fila(2), {S(3)});
    Put(Dest(1), {H(1)});
    ASSERT_TRUE(DoubleClickCard(ctx, H(2)));
    EXPECT_EQ(Cards(Dest(1)), (std::vector<int>{H(1), H(2)}));
    EXPECT_EQ(Cards(Fila(2)), std::vector<int>{S(3)});
    EXPECT_FALSE(game.flags.doubleClickMark);  // the press that followed was the one ignored
}

TEST_F(KlondikePointer, ADoubleClickOnTheStockDealsOncePerPress) {
    Put(kStock, {H(1), H(2), H(3)}, {H(1), H(2), H(3)});
    int x = 0;
    int y = 0;
    const TableRect stock = TopCardRect(ctx, kStock);
    x = stock.left + 5;
    y = stock.top + 5;
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    imgSfondoMouseUp(ctx, x, y);
    EXPECT_FALSE(imgSfondoDblClick(ctx));
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    imgSfondoMouseUp(ctx, x, y);
    EXPECT_EQ(Cards(kWaste), (std::vector<int>{H(3), H(2)}));
}

TEST_F(KlondikePointer, WithBothDoubleClickPreferencesOffThePressesStillAct) {
    settings.Put(field::DoubleClickToFoundations, "N");
    settings.Put(field::DoubleClickToTableaus, "N");
    Put(Fila(1), {S(1)}, {S(1)});
    EXPECT_FALSE(DoubleClickCard(ctx, S(1)));
    EXPECT_FALSE(game.cards.CardIsFaceDown(S(1)));  // the first press turned it
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{S(1)});

    settings.Put(field::DoubleClickToFoundations, "Y");
    game.cards.SetCardFace(S(1), kFaceDown);
    EXPECT_TRUE(DoubleClickCard(ctx, S(1)));
    EXPECT_EQ(Cards(Dest(1)), std::vector<int>{S(1)});
}

TEST_F(KlondikePointer, APressRightAfterADoubleClickThatActedIsIgnored) {
    Put(Fila(1), {D(1)});
    Put(kStock, {H(4)}, {H(4)});
    int x = 0;
    int y = 0;
    Point(D(1), x, y);
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    imgSfondoMouseUp(ctx, x, y);
    ASSERT_TRUE(imgSfondoDblClick(ctx));
    EXPECT_TRUE(game.flags.doubleClickMark);
    const TableRect stock = TopCardRect(ctx, kStock);
    EXPECT_FALSE(imgSfondoMouseDown(ctx, MouseButton::Left, false, stock.left + 5, stock.top + 5));
    EXPECT_EQ(Cards(kStock), std::vector<int>{H(4)});
    EXPECT_FALSE(game.flags.doubleClickMark);
}

TEST_F(KlondikePointer, ARightClickSendsTheCardButNotWithCtrlHeldThenItPeeks) {
    Put(Fila(1), {D(9), H(2), S(7)});
    Put(Dest(1), {H(1)});
    Put(Fila(2), {H(8)});
    EXPECT_FALSE(Press(H(2), MouseButton::Right, true));
    EXPECT_EQ(game.pointer.peekY, CardCorner(ctx, Fila(1), 1).y);
    Release();
    EXPECT_EQ(game.pointer.peekX, 0);
    EXPECT_EQ(Cards(Dest(1)), std::vector<int>{H(1)});

    EXPECT_TRUE(Press(S(7), MouseButton::Right));
    EXPECT_EQ(Cards(Fila(2)), (std::vector<int>{H(8), S(7)}));
    Release();

    settings.Put(field::ShowPartialHiddenCard, "N");
    EXPECT_FALSE(Press(H(2), MouseButton::Right, true));
    EXPECT_EQ(messages.beeps, 1);  // nothing was peeked
}

TEST_F(KlondikePointer, OneUndoTakesBackOnePlayerActionWithWhatItSetOffAndOneRedoReplaysIt) {
    // Autoplay off: the A♥ dragged home (the 9♠ beneath turns up), the 2♥ sent home by a
    // double click (the J♦ beneath turns up), then Autoplay switched on (the 3♥ goes home and
    // the K♣ beneath turns up).
    Put(Fila(1), {S(9), H(1)}, {S(9)});
    Put(Fila(2), {D(11), H(2)}, {D(11)});
    Put(Fila(3), {C(13), H(3)}, {C(13)});
    std::vector<TableState> tables{Capture(game)};
    ASSERT_TRUE(DragCardTo(ctx, H(1), Dest(1)));
    tables.push_back(Capture(game));
    ASSERT_TRUE(DoubleClickCard(ctx, H(2)));
    EXPECT_FALSE(game.cards.CardIsFaceDown(D(11)));
    tables.push_back(Capture(game));
    AutoplayCommand(ctx);
    EXPECT_EQ(Cards(Dest(1)), (std::vector<int>{H(1), H(2), H(3)}));
    EXPECT_FALSE(game.cards.CardIsFaceDown(C(13)));
    tables.push_back(Capture(game));
    const History undone = game.undo;  // the snapshots of the moves and turn-ups

    for (int back = 3; back > 0; --back) {
        ASSERT_TRUE(UndoCommand(ctx)) << back;
        EXPECT_TRUE(Capture(game) == tables[static_cast<size_t>(back - 1)]) << back;
    }
    EXPECT_FALSE(UndoCommand(ctx));
    EXPECT_TRUE(game.undo.Empty());
    for (int forth = 1; forth <= 3; ++forth) {
        ASSERT_TRUE(RedoCommand(ctx)) << forth;
        EXPECT_TRUE(Capture(game) == tables[static_cast<size_t>(forth)]) << forth;
    }
    EXPECT_FALSE(RedoCommand(ctx));
    EXPECT_TRUE(game.undo == undone);
}

class FreeCellPointer : public PointerTest {
  protected:
    void SetUp() override {
        UseGame(kFreecellId);
        settings.Put(field::DoubleClickToTableaus, "Y");
    }
};

TEST_F(FreeCellPointer, AColumnThatHoldsCardsIsPreferredToAnEmptyOne) {
    Put(Fila(1), {C(9), H(4)});
    for (int k = 3; k <= 8; ++k)
        Put(Fila(k), {D(k + 4)});
    Put(Fila(6), {S(5)});
    ASSERT_TRUE(DoubleClickCard(ctx, H(4)));
    EXPECT_EQ(Cards(Fila(6)), (std::vector<int>{S(5), H(4)}));
    EXPECT_TRUE(Cards(Fila(2)).empty());
    // With no column to build on, the empty one takes it; then a free cell.
    ASSERT_TRUE(DoubleClickCard(ctx, C(9)));
    EXPECT_EQ(Cards(Fila(2)), std::vector<int>{C(9)});
}

TEST_F(FreeCellPointer, AMoveAndTheAceAutoplaySendsHomeAreOneUndo) {
    ui.autoplayTicked = true;
    Put(Fila(1), {S(1), D(5)});
    Put(Fila(2), {C(6)});
    const TableState before = Capture(game);
    ASSERT_TRUE(DragCardTo(ctx, D(5), Fila(2)));
    ASSERT_EQ(Cards(Dest(1)), std::vector<int>{S(1)});
    const TableState after = Capture(game);
    ASSERT_TRUE(UndoCommand(ctx));
    EXPECT_TRUE(Capture(game) == before);
    EXPECT_FALSE(UndoCommand(ctx));
    ASSERT_TRUE(RedoCommand(ctx));
    EXPECT_TRUE(Capture(game) == after);
    EXPECT_FALSE(RedoCommand(ctx));
}

TEST_F(FreeCellPointer, AFreeCellCardWithNowhereBetterToGoStaysAndBeeps) {
    Put(Fila(1), {S(12), C(9)});
    for (int k = 2; k <= 8; ++k)
        Put(Fila(k), {S(k)});
    ASSERT_TRUE(DoubleClickCard(ctx, C(9)));  // no column takes it: the first free cell does
    EXPECT_EQ(Cards(Appogg(1)), std::vector<int>{C(9)});
    EXPECT_FALSE(DoubleClickCard(ctx, C(9)));
    EXPECT_EQ(Cards(Appogg(1)), std::vector<int>{C(9)});
    EXPECT_TRUE(Cards(Appogg(2)).empty());
    EXPECT_EQ(messages.beeps, 1);
}

TEST_F(FreeCellPointer, ACardNeverLiftedFromAFoundationOfThisGame) {
    Put(Dest(1), {H(1)});
    Put(Fila(1), {C(2)});
    int x = 0;
    int y = 0;
    const TableRect dest = TopCardRect(ctx, Dest(1));
    x = dest.left + 5;
    y = dest.top + 5;
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    EXPECT_EQ(game.pointer.dragCard, 0);
    imgSfondoMouseUp(ctx, x, y);
}

TEST_F(FreeCellPointer, NoPressActsWithoutAGameInProgress) {
    Put(Fila(1), {C(2)});
    game.flags.gameInProgress = false;
    EXPECT_FALSE(Press(C(2)));
    EXPECT_EQ(game.pointer.dragCard, 0);
    EXPECT_FALSE(DoubleClickCard(ctx, C(2)));
}

}  // namespace
}  // namespace tindle::test

namespace tindle::test {
namespace {

class SecondWastePlay : public PlayFixture {
  protected:
    void SetUp() override {
        UseGame(kKlondikeId);
        game.def[gd::ReserveCount] = 1;
        Relayout();
    }
    bool Press(int card) {
        int x = 0;
        int y = 0;
        EXPECT_TRUE(PointOnCard(ctx, card, x, y)) << card;
        const bool acted = imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
        imgSfondoMouseUp(ctx, x, y);
        return acted;
    }
};

TEST_F(SecondWastePlay, ATopCardOneRankFromTheSecondWasteIsPlayedAtOnce) {
    game.def[gd::SpecialGame] = 2;
    Put(kSecondWaste, {H(13)});
    Put(Fila(1), {S(12), D(1)});
    Put(Appogg(1), {C(12)});
    EXPECT_FALSE(Press(D(1)));  // no Ace on a King in this game
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_FALSE(Press(S(12)));  // not a top card
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_TRUE(Press(C(12)));
    EXPECT_EQ(Cards(kSecondWaste), (std::vector<int>{H(13), C(12)}));
    EXPECT_TRUE(Cards(Appogg(1)).empty());
    EXPECT_EQ(game.undo.Count(), 1);
    // While the tableau-filling phase is open the card is refused like any that does not fit
    // (the executor would not move it): a beep, no flight.
    Put(Fila(2), {D(11)});
    game.def[gd::FillPhaseRule] = 1;
    game.counters.firstMoveMark = 0;
    const size_t flights = view.flights.size();
    EXPECT_FALSE(Press(D(11)));
    EXPECT_EQ(messages.beeps, 3);
    EXPECT_EQ(view.flights.size(), flights);
    EXPECT_EQ(Cards(Fila(2)), std::vector<int>{D(11)});
}

TEST_F(SecondWastePlay, CodesTwelveAndFifteenJoinTheAceAndTheKing) {
    for (int code : {12, 15}) {
        StartEmpty();
        game.def[gd::SpecialGame] = static_cast<int16_t>(code);
        Put(kSecondWaste, {H(13)});
        Put(Fila(1), {D(1)});
        EXPECT_TRUE(Press(D(1))) << code;
        EXPECT_EQ(Cards(kSecondWaste), (std::vector<int>{H(13), D(1)})) << code;
    }
    EXPECT_EQ(sounds.Count("Eddy"), 1);  // code 12's own sound
}

}  // namespace
}  // namespace tindle::test
