// Keyboard play: the focus reaches every pile, and key sequences move cards through the same
// rules and executor as the mouse (so that Undo takes them back).

#include <algorithm>
#include <set>

#include "PlayFixture.h"
#include "play/Commands.h"
#include "play/KeyboardPlay.h"
#include "play/Pointer.h"
#include "play/TablePlaces.h"

namespace tindle::test {
namespace {

class KeyboardPlayTest : public PlayFixture {
  protected:
    bool Key(TableKey key) { return TableKeyPress(ctx, key); }
    // Tab until the focus rests on the pile.
    void FocusOn(PileRef pile) {
        for (size_t i = 0; i <= KeyboardPiles(ctx).size(); ++i) {
            const auto focus = FocusedPile(ctx);
            if (focus && *focus == pile) return;
            Key(TableKey::Next);
        }
        FAIL() << "the focus never reached " << PileName(pile);
    }
    void Press(PileRef on, TableKey key = TableKey::Activate) {
        FocusOn(on);
        Key(key);
    }

    // Every pile of the table is visited by Tab in one round, and reached by the arrows from
    // the first pile.
    void ExpectFocusReachesEveryPile() {
        const std::vector<PileRef> piles = KeyboardPiles(ctx);
        ASSERT_FALSE(piles.empty());
        Key(TableKey::Next);
        const PileRef start = *FocusedPile(ctx);
        std::set<std::string> tabbed;
        for (size_t i = 0; i < piles.size(); ++i) {
            tabbed.insert(PileName(*FocusedPile(ctx)));
            Key(TableKey::Next);
        }
        EXPECT_EQ(tabbed.size(), piles.size());
        EXPECT_EQ(*FocusedPile(ctx), start);
        Key(TableKey::Previous);
        EXPECT_EQ(*FocusedPile(ctx), piles[(std::find(piles.begin(), piles.end(), start) -
                                            piles.begin() + piles.size() - 1) %
                                           piles.size()]);

        std::set<std::string> reached{PileName(start)};
        std::vector<PileRef> todo{start};
        while (!todo.empty()) {
            const PileRef from = todo.back();
            todo.pop_back();
            for (TableKey arrow : {TableKey::Left, TableKey::Right, TableKey::Up, TableKey::Down}) {
                ctx.session.keyboard.pile = from;
                Key(arrow);
                if (reached.insert(PileName(*FocusedPile(ctx))).second)
                    todo.push_back(*FocusedPile(ctx));
            }
        }
        EXPECT_EQ(reached.size(), piles.size());
    }
};

TEST_F(KeyboardPlayTest, FreeCellCardsAndRunsMoveByKeysAndUndoTakesThemBack) {
    UseGame(kFreecellId);
    ExpectFocusReachesEveryPile();
    Put(Fila(1), {C(13), H(7)});
    Put(Fila(2), {D(9), S(6)});
    Put(Fila(3), {C(1), H(5), S(4), D(3)});
    Put(Fila(4), {D(5)});
    const Piles dealt = game.piles;

    // A single card onto a column.
    Press(Fila(2));
    ASSERT_TRUE(LiftedBlock(ctx));
    Press(Fila(1));
    EXPECT_EQ(Cards(Fila(1)), (std::vector<int>{C(13), H(7), S(6)}));
    EXPECT_FALSE(LiftedBlock(ctx));

    // The longest run is lifted first; Down leaves its lowest card, and the rest goes.
    Press(Fila(3));
    EXPECT_EQ(LiftedBlock(ctx)->position, 1);
    Key(TableKey::Down);
    EXPECT_EQ(LiftedBlock(ctx)->position, 2);
    Key(TableKey::Up);
    Key(TableKey::Down);
    Press(Fila(4));
    EXPECT_EQ(Cards(Fila(4)), (std::vector<int>{D(5), S(4), D(3)}));
    EXPECT_EQ(Cards(Fila(3)), (std::vector<int>{C(1), H(5)}));

    // A refused drop beeps and keeps the block lifted; Escape puts it down.
    const int beeps = messages.beeps;
    Press(Fila(3));
    Press(Fila(2));  // the 5 of Hearts onto the 9 of Diamonds
    EXPECT_EQ(messages.beeps, beeps + 1);
    EXPECT_TRUE(LiftedBlock(ctx));
    // The table changed under it (another deal, an Undo) so that its card lies elsewhere,
    // though it could be lifted there too: it is no longer lifted.
    const Piles lifting = game.piles;
    Put(Fila(3), {C(1)});
    Put(Fila(5), {H(5)});
    EXPECT_FALSE(LiftedBlock(ctx));
    game.piles = lifting;
    EXPECT_TRUE(LiftedBlock(ctx));
    EXPECT_TRUE(Key(TableKey::Cancel));
    EXPECT_FALSE(LiftedBlock(ctx));
    EXPECT_FALSE(Key(TableKey::Cancel));

    // A free cell takes a single card, a foundation the Ace once it is on top.
    Press(Fila(3));
    Press(Appogg(1));
    EXPECT_EQ(Cards(Appogg(1)), std::vector<int>{H(5)});
    Press(Fila(3));
    Press(Dest(1));
    EXPECT_EQ(Cards(Dest(1)), std::vector<int>{C(1)});

    while (UndoCommand(ctx)) {
    }
    EXPECT_TRUE(game.piles == dealt);
}

TEST_F(KeyboardPlayTest, KlondikeStockTurnsUpAndWasteCardsMoveByKeys) {
    UseGame(kKlondikeId);
    Put(kStock, {S(2), H(12)}, {S(2), H(12)});
    Put(Fila(1), {S(13)});
    Put(Fila(2), {D(4), C(8)}, {D(4), C(8)});
    Put(Fila(3), {C(13)});
    ExpectFocusReachesEveryPile();
    const Piles dealt = game.piles;

    // Space on the stock clicks it, on a face-down column top turns it up.
    Press(kStock);
    EXPECT_EQ(Cards(kWaste), std::vector<int>{H(12)});
    Press(Fila(2));
    EXPECT_FALSE(game.cards.CardIsFaceDown(C(8)));
    EXPECT_FALSE(LiftedBlock(ctx));

    // The waste's card is lifted and dropped on the King.
    Press(kWaste);
    Press(Fila(1));
    EXPECT_EQ(Cards(Fila(1)), (std::vector<int>{S(13), H(12)}));
    EXPECT_TRUE(Cards(kWaste).empty());

    // Cards held by the mouse: the keys do not play under them, Escape sends them back and
    // the release over a column that would take them drops nothing.
    const int moves = game.undo.Count();
    const TableRect queen = TopCardRect(ctx, Fila(1));
    const TableRect king = TopCardRect(ctx, Fila(3));
    imgSfondoMouseDown(ctx, MouseButton::Left, false, queen.left + 5, queen.top + 5);
    imgSfondoMouseMove(ctx, king.left + 5, king.top + 30);
    const auto focus = FocusedPile(ctx);
    EXPECT_TRUE(Key(TableKey::Next));
    EXPECT_EQ(FocusedPile(ctx), focus);
    EXPECT_TRUE(Key(TableKey::Activate));
    EXPECT_FALSE(LiftedBlock(ctx));
    EXPECT_TRUE(Key(TableKey::Cancel));
    EXPECT_FALSE(imgSfondoMouseUp(ctx, king.left + 5, king.top + 30));
    EXPECT_EQ(Cards(Fila(1)), (std::vector<int>{S(13), H(12)}));
    EXPECT_EQ(game.undo.Count(), moves);

    while (UndoCommand(ctx)) {
    }
    EXPECT_TRUE(game.piles == dealt);
    EXPECT_TRUE(game.cards.CardIsFaceDown(C(8)));
}

// The focus frame holds a pile's cards as they are drawn and nothing more: a column down to
// its last card (not the shadow's room, which reaches into the next column where columns
// stand close), the stock with the edges of its stack below and right of its top card.
TEST_F(KeyboardPlayTest, TheFocusFrameHoldsThePileAsDrawn) {
    UseGame(kKlondikeId);
    settings.Put(field::CardsShadowed, "Y");
    Put(kStock, {S(2), H(12), D(7)}, {S(2), H(12), D(7)});
    Put(Fila(1), {S(13), H(12)});

    FocusOn(Fila(1));
    const TableRect column = KeyboardFocusRect(ctx);
    const TableRect top = TopCardRect(ctx, Fila(1));
    EXPECT_EQ(column.right, top.right);
    EXPECT_EQ(column.bottom, top.bottom);
    EXPECT_EQ(column.top, CardCorner(ctx, Fila(1), 0).y);

    // As the drawing leaves it: the top card up and left of the stock's place by the stack.
    const int placeX = layout.savedStock[0].x;
    const int placeY = layout.savedStock[0].y;
    layout.SetMazzoX(0, placeX - 2);
    layout.SetMazzoY(0, placeY - 2);
    FocusOn(kStock);
    const TableRect stock = KeyboardFocusRect(ctx);
    EXPECT_EQ(stock.left, placeX - 2);
    EXPECT_EQ(stock.top, placeY - 2);
    EXPECT_EQ(stock.right, placeX + CardWidth(ctx));
    EXPECT_EQ(stock.bottom, placeY + CardHeight(ctx));
}

}  // namespace
}  // namespace tindle::test
