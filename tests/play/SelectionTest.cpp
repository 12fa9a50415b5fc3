// The games played by clicking cards: the pairing games (codes 3, 4, 33) and the selection
// games with their tests.

#include "PlayFixture.h"
#include "model/SelectionRules.h"
#include "model/UndoRedo.h"
#include "play/Gestures.h"
#include "play/Pointer.h"
#include "play/TablePlaces.h"

namespace tindle::test {
namespace {

class ClickGames : public PlayFixture {
  protected:
    void SetUp() override { UseGame(kKlondikeId); }
    void Game(int special, int columns, int selection = 0) {
        game.def[gd::SpecialGame] = static_cast<int16_t>(special);
        game.def[gd::TableauCount] = static_cast<int16_t>(columns);
        game.def[gd::SelectionGame] = static_cast<int16_t>(selection);
        Relayout();
    }
    bool Click(int card) {
        int x = 0;
        int y = 0;
        EXPECT_TRUE(PointOnCard(ctx, card, x, y)) << card;
        const bool pressed = imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
        imgSfondoMouseUp(ctx, x, y);
        return pressed;
    }
    std::vector<int> Selection() const { return Cards(Dest(1)); }
};

TEST_F(ClickGames, PyramidKingAloneGoesAtOnceAndUncoveredPairsMakeThirteen) {
    Game(4, 3);
    Put(Fila(1), {H(6)});
    Put(Fila(2), {S(7), D(13)});
    Put(Fila(3), {C(1), C(12), H(13)});
    EXPECT_FALSE(Click(D(13)));  // covered by the Queen and the King below it
    EXPECT_TRUE(Selection().empty());
    EXPECT_TRUE(Click(H(13)));
    EXPECT_EQ(Cards(Fila(3)), (std::vector<int>{C(1), C(12), 0}));
    EXPECT_EQ(Cards(kSecondWaste), std::vector<int>{H(13)});
    EXPECT_FALSE(Click(C(1)));
    EXPECT_EQ(Selection(), std::vector<int>{C(1)});
    EXPECT_TRUE(Click(C(12)));
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(Cards(Fila(3)), (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(Click(D(13)));  // its row below is cleared
    EXPECT_EQ(Cards(kSecondWaste).size(), 4u);
    EXPECT_EQ(sounds.Count("Pairing"), 3);
    ASSERT_TRUE(Undo(game, settings));
    EXPECT_EQ(Cards(Fila(2)), (std::vector<int>{S(7), D(13)}));
}

TEST_F(ClickGames, PyramidStockAndWasteCardsAreCutOutWhenPaired) {
    Game(4, 1);
    Put(Fila(1), {H(6)});
    Put(kStock, {S(3), D(7)});
    Put(kWaste, {C(4)});
    EXPECT_FALSE(Click(H(6)));
    ASSERT_TRUE(ClickPile(ctx, kStock));  // the stock's top pairs while something is selected
    EXPECT_EQ(Cards(kStock), std::vector<int>{S(3)});
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{0});
    EXPECT_EQ(Cards(kSecondWaste), (std::vector<int>{H(6), D(7)}));
    ASSERT_TRUE(ClickPile(ctx, kStock));  // nothing selected: the stock turns
    EXPECT_EQ(Cards(kWaste), (std::vector<int>{C(4), S(3)}));
}

TEST_F(ClickGames, PairsOfFourteenAndAThirdCardRefused) {
    Game(3, 4);
    Put(Fila(1), {S(5), H(9)});
    Put(Fila(2), {D(5)});
    Put(Fila(3), {C(13)});
    Put(Fila(4), {H(2)});
    EXPECT_FALSE(Click(H(9)));
    EXPECT_TRUE(Click(D(5)));
    EXPECT_EQ(Cards(kSecondWaste), (std::vector<int>{H(9), D(5)}));
    EXPECT_FALSE(Click(S(5)));
    EXPECT_FALSE(Click(C(13)));
    EXPECT_FALSE(Click(H(2)));
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(Selection(), (std::vector<int>{S(5), C(13)}));
    EXPECT_FALSE(Click(C(13)));  // clicking a selected card takes it out
    EXPECT_EQ(Selection(), std::vector<int>{S(5)});
}

TEST_F(ClickGames, CodeThirtyThreeOnlyMarksTheClickedCard) {
    Game(33, 2);
    Put(Fila(1), {S(5), H(9)});
    EXPECT_FALSE(Click(S(5)));
    EXPECT_FALSE(Click(S(5)));
    ASSERT_EQ(view.inversions.size(), 2u);
    EXPECT_TRUE(view.inversions[0].second);
    EXPECT_FALSE(view.inversions[1].second);
    EXPECT_TRUE(Selection().empty());
}

TEST_F(ClickGames, MonteCarloRemovesTouchingPairsAndTheStockClosesTheGaps) {
    Game(8, 10, 1);
    Put(Fila(1), {H(13)});
    Put(Fila(2), {H(2)});
    Put(Fila(3), {D(13)});
    Put(Fila(4), {H(3)});
    Put(Fila(5), {C(13)});
    Put(Fila(6), {H(4)});
    Put(Fila(7), {S(13)});
    Put(Fila(8), {H(5)});
    Put(kStock, {S(1), S(2), S(3)});
    EXPECT_FALSE(Click(D(13)));
    EXPECT_FALSE(Click(C(13)));  // two cells apart in a row
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(Selection(), std::vector<int>{D(13)});
    EXPECT_FALSE(Click(D(13)));
    EXPECT_FALSE(Click(H(13)));
    EXPECT_TRUE(Click(S(13)));  // cell 7 touches cell 1 diagonally
    EXPECT_TRUE(Cards(Fila(1)).empty());
    EXPECT_TRUE(Cards(Fila(7)).empty());
    EXPECT_EQ(Cards(kStock).size(), 3u);  // no refill after a removal in this game

    ASSERT_TRUE(ClickPile(ctx, kStock));
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{H(2)});
    EXPECT_EQ(Cards(Fila(5)), std::vector<int>{H(4)});
    EXPECT_EQ(Cards(Fila(6)), std::vector<int>{H(5)});
    EXPECT_EQ(Cards(Fila(7)), std::vector<int>{S(3)});
    EXPECT_EQ(Cards(Fila(9)), std::vector<int>{S(1)});
    EXPECT_TRUE(Cards(Fila(10)).empty());
}

TEST_F(ClickGames, CourtsGoTogetherInAnyOrderAndPipsMakeEleven) {
    Game(26, 6, 1);
    game.def[gd::AutoFaceUp] = 0;  // face-down tops wait for the player's click
    Put(kStock, {S(10), S(9)});
    Put(Fila(1), {H(11)});
    Put(Fila(2), {D(5)});
    Put(Fila(3), {C(13)});
    Put(Fila(4), {S(12)});
    Put(Fila(5), {H(6)});
    Put(Fila(6), {C(2)}, {C(2)});
    EXPECT_FALSE(Click(H(11)));
    EXPECT_FALSE(Click(D(5)));  // a pip card after a Jack
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_FALSE(Click(C(13)));
    EXPECT_TRUE(Click(S(12)));
    EXPECT_EQ(Cards(kSecondWaste), (std::vector<int>{H(11), C(13), S(12)}));
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{S(9)});  // refilled from the stock
    EXPECT_EQ(Cards(Fila(3)), std::vector<int>{S(10)});
    EXPECT_TRUE(Click(C(2)));  // a face-down top card is turned up, not selected
    EXPECT_FALSE(game.cards.CardIsFaceDown(C(2)));
    EXPECT_FALSE(Click(D(5)));
    EXPECT_TRUE(Click(H(6)));
    EXPECT_EQ(Cards(kSecondWaste).size(), 5u);
}

TEST(SelectionRules, TheTestOfEachFamily) {
    Game game;
    game.def[gd::TableauCount] = 10;
    auto judge = [&](int special, std::vector<int> cards) {
        game.def[gd::SpecialGame] = static_cast<int16_t>(special);
        Pile selection;
        for (int c : cards)
            PileAppend(selection, c);
        return JudgeSelection(game, selection);
    };
    using V = SelectionVerdict;
    EXPECT_EQ(judge(20, {H(13)}), V::Incomplete);
    EXPECT_EQ(judge(20, {H(13), S(12)}), V::Complete);
    EXPECT_EQ(judge(20, {H(3), S(7)}), V::Complete);
    EXPECT_EQ(judge(20, {H(3), S(8)}), V::Incomplete);
    EXPECT_EQ(judge(25, {H(3), S(3)}), V::Complete);
    EXPECT_EQ(judge(25, {H(3), S(4)}), V::Rejected);
    EXPECT_EQ(judge(26, {H(11), S(11)}), V::Rejected);
    EXPECT_EQ(judge(26, {H(3), S(8)}), V::Complete);
    EXPECT_EQ(judge(26, {H(3), S(7)}), V::Incomplete);
    EXPECT_EQ(judge(26, {H(3), S(7), D(1)}), V::Rejected);
    EXPECT_EQ(judge(26, {H(13), D(11), S(12)}), V::Complete);
    EXPECT_EQ(judge(17, {H(13)}), V::Complete);
    EXPECT_EQ(judge(17, {H(6), S(8)}), V::Rejected);
    EXPECT_EQ(judge(24, {H(6), S(8)}), V::Complete);
    // The row games: cards between two cards of one suit or one rank.
    PileAppend(game.piles.fila[0], H(2));
    PileAppend(game.piles.fila[0], C(9));
    PileAppend(game.piles.fila[0], D(4));
    PileAppend(game.piles.fila[0], S(2));
    PileAppend(game.piles.fila[0], C(5));
    EXPECT_EQ(judge(21, {D(4)}), V::Incomplete);  // with the 9 it lies between two 2s
    EXPECT_EQ(judge(21, {D(4), C(9)}), V::Complete);
    EXPECT_EQ(judge(21, {S(2)}), V::Incomplete);      // with the 4 it lies between two clubs
    EXPECT_EQ(judge(21, {H(2)}), V::Rejected);        // nothing lies before it
    EXPECT_EQ(judge(21, {C(9), S(2)}), V::Rejected);  // not side by side
    EXPECT_EQ(judge(8, {H(2), S(2)}), V::Rejected);   // not in the grid at all
}

}  // namespace
}  // namespace tindle::test
