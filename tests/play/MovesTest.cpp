// The move executor's card moves and its common frame: score, automatic face-up, redo, the
// first-move mark with its tableau fill, the fill phase, and the grid jump.

#include "PlayFixture.h"
#include "model/History.h"
#include "model/LegalMoves.h"
#include "model/MoveText.h"
#include "model/UndoRedo.h"
#include "play/MoveExecutor.h"
#include "play/PlayMove.h"
#include "play/TablePlaces.h"

namespace tindle::test {
namespace {

class MovesTest : public PlayFixture {
  protected:
    void SetUp() override { UseGame(kKlondikeId); }
};

// A move and its text convert both ways for every kind, at the first and last pile of each
// list; a text naming no move, no card or a pile off the lists is refused.
TEST_F(MovesTest, MovesAndTheirTextConvertBothWays) {
    const std::vector<std::pair<Move, std::string>> named = {
        {{MoveKind::ToColumn, 11, 27}, "027 Fila12"},
        {{MoveKind::ToFoundation, 0, 1}, "001 Dest1"},
        {{MoveKind::ToFoundationAuto, 2, 3}, "003 Dest_Autoplay3"},
        {{MoveKind::ToReserve, 9, 108}, "108 Appogg10"},
        {{MoveKind::ToWaste, 0, 52}, "052 Mazzo_Vis"},
        {{MoveKind::ToSecondWaste, 0, 53}, "053 Mazzo_Waste"},
        {{MoveKind::TurnToWaste, 0, 0}, "Mazzo_Vis"},
        {{MoveKind::DealColumn, 6, 0}, "Add_Tableau_07"},
        {{MoveKind::DealReserve, 1, 0}, "Add_Reserve_2"},
        {{MoveKind::DealColumnsAll, 0, 0}, "Add_Tableaus_Last"},
        {{MoveKind::StockClick, 0, 0}, "click Mazzo"},
        {{MoveKind::TurnUp, 27, 0}, "click Fila28"},
        {{MoveKind::Select, 0, 7}, "click 007"},
    };
    for (const auto& [move, text] : named) {
        EXPECT_EQ(MoveText(move), text);
        EXPECT_EQ(ParseMove(text), move) << text;
    }
    const int lasts[] = {kFilaPiles, kDestPiles, kDestPiles, kAppoggPiles};
    for (int k = 0; k <= static_cast<int>(MoveKind::Select); ++k) {
        const auto kind = static_cast<MoveKind>(k);
        for (int index : {0, k < 4 ? lasts[k] - 1 : 0}) {
            Move move{kind, index, 0};
            if (MoveText(move).find("000") != std::string::npos) move.card = 104;
            EXPECT_EQ(ParseMove(MoveText(move)), move) << MoveText(move);
        }
    }
    for (const char* bad : {"027 Fila", "027 Fila0", "027 Fila29", "027 Dest17", "027 Appogg11",
                            "027 Fila1x", "109 Fila1", "27 Fila1", "Add_Tableau_7",
                            "Add_Reserve_11", "mazzo_vis", "Stock02", "click Dest1", "Fila1", ""}) {
        EXPECT_FALSE(ParseMove(bad)) << bad;
    }
}

// LegalMoves in a Klondike position: the stock click first, then by the piles in order each
// lifted card with every pile that takes it, and the turn-up of a face-down column top; and
// each of them played as the player makes it changes the table.
TEST_F(MovesTest, LegalMovesListTheStockClickEveryLiftWithItsTakersAndTheTurnUps) {
    Put(kStock, {C(2)}, {C(2)});
    Put(Fila(1), {S(9), D(8)}, {S(9)});
    Put(Fila(2), {C(9)});
    Put(Fila(3), {H(1)});
    Put(Fila(4), {S(5)}, {S(5)});
    std::vector<Move> moves;
    LegalMoves(game, moves);
    const std::vector<Move> expected = {
        {MoveKind::StockClick, 0, 0},      {MoveKind::ToColumn, 1, D(8)},
        {MoveKind::ToFoundation, 0, H(1)}, {MoveKind::ToFoundation, 1, H(1)},
        {MoveKind::ToFoundation, 2, H(1)}, {MoveKind::ToFoundation, 3, H(1)},
        {MoveKind::TurnUp, 3, 0},
    };
    EXPECT_EQ(moves, expected);
    for (const Move& m : {expected[6], expected[1], expected[0]})
        EXPECT_TRUE(PlayMove(ctx, m)) << MoveText(m);
    EXPECT_EQ(Cards(Fila(2)), (std::vector<int>{C(9), D(8)}));
    EXPECT_FALSE(game.cards.CardIsFaceDown(S(5)));
    EXPECT_EQ(Cards(kWaste), std::vector<int>{C(2)});
    game.flags.gameInProgress = false;
    LegalMoves(game, moves);
    EXPECT_TRUE(moves.empty());
}

TEST_F(MovesTest, ARunGoesToAColumnWholeAndTheUncoveredCardTurnsUpAsItsOwnStep) {
    Put(Fila(1), {S(13), H(7), S(12), H(11)}, {S(13), H(7)});
    Put(Fila(2), {C(13)});
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToColumn, 1, S(12)}));
    EXPECT_EQ(Cards(Fila(2)), (std::vector<int>{C(13), S(12), H(11)}));
    EXPECT_EQ(Cards(Fila(1)), (std::vector<int>{S(13), H(7)}));
    EXPECT_FALSE(game.cards.CardIsFaceDown(H(7)));
    EXPECT_TRUE(game.cards.CardIsFaceDown(S(13)));
    EXPECT_EQ(game.undo.Count(), 2);  // the move and the turn-up
    EXPECT_EQ(sounds.Count("Tableau"), 1);

    ASSERT_TRUE(Undo(game, settings));
    EXPECT_TRUE(game.cards.CardIsFaceDown(H(7)));
    EXPECT_EQ(Cards(Fila(1)).size(), 2u);
    ASSERT_TRUE(Undo(game, settings));
    EXPECT_EQ(Cards(Fila(1)).size(), 4u);
}

TEST_F(MovesTest, WithAutoplayOnTheExecutorLeavesTheTurnUpToAutoplay) {
    ui.autoplayTicked = true;
    Put(Fila(1), {S(13), H(7), S(12)}, {S(13), H(7)});
    Put(Fila(2), {D(13)});
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToColumn, 1, S(12)}));
    EXPECT_TRUE(game.cards.CardIsFaceDown(H(7)));
    EXPECT_EQ(game.undo.Count(), 1);
}

TEST_F(MovesTest, ThePlayersPreferenceCanStopTheAutomaticFaceUp) {
    settings.Put(field::AutomaticFaceUp, "N");
    Put(Fila(1), {S(13), S(12)}, {S(13)});
    Put(Fila(2), {D(13)});
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToColumn, 1, S(12)}));
    EXPECT_TRUE(game.cards.CardIsFaceDown(S(13)));
}

TEST_F(MovesTest, FoundationMovesScoreAndSoundByWhoMadeThem) {
    Put(kWaste, {H(1)});
    Put(Fila(1), {H(2)});
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToFoundation, 0, H(1)}));
    EXPECT_EQ(settings.Get(field::Score), "-47");
    EXPECT_EQ(ui.score, "-47");
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToFoundationAuto, 0, H(2)}));
    EXPECT_EQ(settings.Get(field::Score), "-42");
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"Foundation", "Autoplay"}));
    EXPECT_EQ(Cards(Dest(1)), (std::vector<int>{H(1), H(2)}));
}

TEST_F(MovesTest, AMoveEmptiesTheRedoHistory) {
    Put(kWaste, {H(1)});
    Put(Fila(1), {S(5)});
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToFoundation, 0, H(1)}));
    ASSERT_TRUE(Undo(game, settings));
    EXPECT_EQ(game.redo.Count(), 1);
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToColumn, 1, S(5)}));
    EXPECT_TRUE(game.redo.Empty());
}

TEST_F(MovesTest, FoundationAndWasteMovesTakeOnlyATopCard) {
    Put(Fila(1), {H(1), S(5)});
    EXPECT_FALSE(Execute(ctx, {MoveKind::ToFoundation, 0, H(1)}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::ToWaste, 0, H(1)}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::ToColumn, 0, S(5)}));  // onto its own column
    EXPECT_FALSE(Execute(ctx, {MoveKind::ToFoundation, 0, 0}));
    EXPECT_TRUE(game.undo.Empty());
    EXPECT_EQ(Cards(Fila(1)).size(), 2u);
}

TEST_F(MovesTest, TheFirstMoveIsFollowedByTheTableauFill) {
    game.def[gd::FillAfterFirstMove] = 1;
    Put(kStock, {D(1), D(2), D(3), D(4), D(5), D(6), D(7), D(8)},
        {D(1), D(2), D(3), D(4), D(5), D(6), D(7), D(8)});
    Put(Fila(1), {H(1)});
    Put(Fila(2), {S(9)});
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToFoundation, 0, H(1)}));
    EXPECT_EQ(game.counters.firstMoveMark, 2);
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{D(8)});
    EXPECT_EQ(Cards(Fila(2)), std::vector<int>{S(9)});
    EXPECT_EQ(Cards(Fila(7)), std::vector<int>{D(3)});
    EXPECT_EQ(game.undo.Count(), 1);  // the fill undoes with the move
    ASSERT_TRUE(Undo(game, settings));
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{H(1)});
    EXPECT_EQ(Cards(kStock).size(), 8u);
}

TEST_F(MovesTest, DuringTheFillPhaseOnlyTableauCardsGoAndOnlyToFoundations) {
    game.def[gd::FillPhaseRule] = 1;
    Put(kWaste, {H(1)});
    Put(Fila(1), {S(1)});
    Put(Fila(2), {D(9)});
    EXPECT_FALSE(Execute(ctx, {MoveKind::ToFoundation, 0, H(1)}));
    EXPECT_FALSE(Execute(ctx, {MoveKind::ToColumn, 2, D(9)}));
    EXPECT_EQ(game.counters.firstMoveMark, 0);
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToFoundation, 1, S(1)}));
    EXPECT_EQ(game.counters.firstMoveMark, 1);
    EXPECT_TRUE(Execute(ctx, {MoveKind::ToFoundation, 0, H(1)}));
}

TEST_F(MovesTest, AGridJumpTakesTheJumpedCardAwayInTheSameStep) {
    game.def[gd::TableauCount] = 3;
    game.def[gd::GridRowWidth] = 3;
    for (int k = 0; k < 3; ++k)
        game.def.At(gd::TableauRule, k) = 71;
    Relayout();
    Put(Fila(1), {H(4)});
    Put(Fila(2), {S(9)});
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToColumn, 2, H(4)}));
    EXPECT_EQ(Cards(Fila(3)), std::vector<int>{H(4)});
    EXPECT_TRUE(Cards(Fila(2)).empty());
    EXPECT_EQ(Cards(kSecondWaste), std::vector<int>{S(9)});
    EXPECT_EQ(game.undo.Count(), 1);
    ASSERT_TRUE(Undo(game, settings));
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{H(4)});
    EXPECT_EQ(Cards(Fila(2)), std::vector<int>{S(9)});
    EXPECT_TRUE(Cards(kSecondWaste).empty());
}

TEST_F(MovesTest, ReservesAndWastesTakeCardsFaceUp) {
    game.def[gd::ReserveCount] = 1;
    Relayout();
    Put(Fila(1), {S(3)});
    Put(Fila(2), {S(4)});
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToReserve, 0, S(3)}));
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToWaste, 0, S(4)}));
    EXPECT_EQ(Cards(Appogg(1)), std::vector<int>{S(3)});
    EXPECT_EQ(Cards(kWaste), std::vector<int>{S(4)});
    game.def[gd::SpecialGame] = 12;
    ASSERT_TRUE(Execute(ctx, {MoveKind::ToSecondWaste, 0, S(3)}));
    EXPECT_EQ(Cards(kSecondWaste), std::vector<int>{S(3)});
    EXPECT_EQ(sounds.played.back(), "Eddy");
    EXPECT_EQ(settings.Get(field::Score), "-47");  // the second waste counts like a foundation
}

TEST_F(MovesTest, RemovalFormsAndTheirSearchOrder) {
    Put(kWaste, {H(1)});
    Put(Fila(1), {S(2), S(3), S(4)});
    Put(kSecondWaste, {D(5)});
    EXPECT_EQ(RemoveCard(game, H(1), RemoveForm::TestOnly), kFromWaste);
    EXPECT_EQ(Cards(kWaste), std::vector<int>{H(1)});
    EXPECT_EQ(RemoveCard(game, S(3), RemoveForm::LeaveGap), kFromColumn);
    EXPECT_EQ(Cards(Fila(1)), (std::vector<int>{S(2), 0, S(4)}));
    EXPECT_EQ(RemoveCard(game, S(4), RemoveForm::CutWithGapBefore), kFromColumn);
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{S(2)});
    EXPECT_EQ(RemoveCard(game, D(5), RemoveForm::Cut), kFromSecondWaste);
    EXPECT_EQ(RemoveCard(game, D(5), RemoveForm::Cut), kFromNowhere);
}

}  // namespace
}  // namespace tindle::test
