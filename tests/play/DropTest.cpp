// Where a released block lands: the overlap test and measure, the order of the targets, and
// what each kind of pile accepts.

#include "PlayFixture.h"
#include "model/MoveRules.h"
#include "play/DropSearch.h"
#include "play/DropTargets.h"
#include "play/Gestures.h"
#include "play/Pointer.h"
#include "play/TablePlaces.h"

namespace tindle::test {
namespace {

TableRect Rect(int l, int t, int w, int h) {
    return {l, t, l + w, t + h};
}

TEST(DropGeometry, CornersInsideCountWithTheirEdges) {
    const TableRect target = Rect(100, 100, 71, 96);
    EXPECT_TRUE(DropOverlaps(Rect(171, 196, 71, 96), target));  // touching corner to corner
    EXPECT_FALSE(DropOverlaps(Rect(172, 100, 71, 96), target));
    EXPECT_EQ(DropOverlapMeasure(Rect(110, 120, 71, 96), target), (171 - 110) * (196 - 120));
    EXPECT_EQ(DropOverlapMeasure(Rect(80, 90, 71, 96), target), (151 - 100) * (186 - 100));
    EXPECT_EQ(DropOverlapMeasure(Rect(80, 120, 71, 96), target), (196 - 120) * (151 - 100));
    EXPECT_EQ(DropOverlapMeasure(Rect(130, 60, 71, 96), target), (171 - 130) * (156 - 100));
}

TEST(DropGeometry, ALongBlockIsFoundByItsEdgeAtFiftyPixelSteps) {
    const TableRect target = Rect(100, 200, 71, 96);
    // A run from y = 100 to 420 whose left edge lies within the target: no corner inside.
    EXPECT_TRUE(DropOverlaps(Rect(130, 100, 71, 320), target));
    EXPECT_EQ(DropOverlapMeasure(Rect(130, 100, 71, 320), target), (171 - 130) * 320);
    EXPECT_EQ(DropOverlapMeasure(Rect(60, 100, 71, 320), target), (131 - 100) * 320);
    // The same block placed so that no sampled point (every 50 pixels from its top) falls
    // within the target's height is not found.
    const TableRect thin = Rect(100, 211, 71, 30);
    EXPECT_FALSE(DropOverlaps(Rect(130, 160, 71, 150), thin));
    EXPECT_TRUE(DropOverlaps(Rect(130, 190, 71, 150), thin));
    // Wider than the target on both sides: never.
    EXPECT_FALSE(DropOverlaps(Rect(90, 100, 100, 320), target));
}

TEST(DropGeometry, TiesGoToTheHigherKindThenTheHigherIndex) {
    const TableRect block = Rect(0, 0, 71, 96);
    const std::vector<DropCandidate> same = {
        {{kDropWaste, 0}, block},      {{kDropColumn, 2}, block},  {{kDropColumn, 5}, block},
        {{kDropFoundation, 1}, block}, {{kDropReserve, 0}, block},
    };
    EXPECT_EQ(RankDropTargets(block, same),
              (std::vector<DropTarget>{
                  {kDropReserve, 0}, {kDropFoundation, 1}, {kDropColumn, 5}, {kDropColumn, 2}}));
    const std::vector<DropCandidate> bigger = {{{kDropReserve, 0}, Rect(50, 0, 71, 96)},
                                               {{kDropColumn, 0}, Rect(10, 10, 71, 96)}};
    EXPECT_EQ(RankDropTargets(block, bigger).front(), (DropTarget{kDropColumn, 0}));
    EXPECT_TRUE(RankDropTargets(block, {{{kDropColumn, 0}, Rect(500, 0, 71, 96)}}).empty());
}

class FreeCellDrops : public PlayFixture {
  protected:
    void SetUp() override { UseGame(kFreecellId); }
    bool Accepts(int card, int kind, int index) {
        return tindle::Accepts(game, card, TargetPile({kind, index}), Mover::Player);
    }
    bool Lifts(int card) { return MayLift(game, *FindCard(game, card), Gesture::Drag); }
};

TEST_F(FreeCellDrops, RunsWithinTheFreeCellLimit) {
    // A run of six, C13 at the bottom; four free cells and no empty column allow five.
    Put(Fila(1), {C(13), H(12), S(11), D(10), C(9), H(8), S(7)});
    Put(Fila(2), {D(12)});
    Put(Fila(3), {S(13)});
    for (int k = 4; k <= 8; ++k)
        Put(Fila(k), {D(k - 2)});
    EXPECT_TRUE(Lifts(S(11)));
    EXPECT_FALSE(Lifts(H(12)));
    EXPECT_FALSE(DragCardTo(ctx, H(12), Fila(3)));
    EXPECT_TRUE(game.undo.Empty());
    ASSERT_TRUE(DragCardTo(ctx, S(11), Fila(2)));
    EXPECT_EQ(Cards(Fila(2)), (std::vector<int>{D(12), S(11), D(10), C(9), H(8), S(7)}));
}

TEST_F(FreeCellDrops, ARunForAnEmptyColumnCountsThatColumnOut) {
    Put(Fila(1), {C(13), H(12), S(11), D(10), C(9), H(8), S(7)});
    Put(Fila(3), {S(13)});
    for (int k = 4; k <= 7; ++k)
        Put(Fila(k), {D(k - 2)});
    Put(Fila(2), {D(6)});  // column 8 is empty: six may be lifted, five go to the empty column
    EXPECT_TRUE(Lifts(H(12)));
    EXPECT_FALSE(Accepts(H(12), kDropColumn, 7));
    EXPECT_TRUE(Accepts(S(11), kDropColumn, 7));
    EXPECT_TRUE(Accepts(H(12), kDropColumn, 2));
    ASSERT_TRUE(DragCardTo(ctx, H(12), Fila(3)));
    EXPECT_EQ(Cards(Fila(1)), std::vector<int>{C(13)});
}

TEST_F(FreeCellDrops, FreeCellsTakeOneCardWhileEmpty) {
    Put(Fila(1), {S(5), H(4)});
    EXPECT_TRUE(Accepts(H(4), kDropReserve, 0));
    EXPECT_FALSE(Accepts(S(5), kDropReserve, 0));  // a run of two
    Put(Appogg(1), {C(9)});
    EXPECT_FALSE(Accepts(H(4), kDropReserve, 0));
    EXPECT_TRUE(Accepts(H(4), kDropReserve, 1));
}

TEST_F(FreeCellDrops, AReleaseWithoutAMoveFliesTheCardBackAndRecordsNothing) {
    Put(Fila(1), {S(5), H(4)});
    Put(Fila(2), {C(5)});
    int x = 0;
    int y = 0;
    ASSERT_TRUE(PointOnCard(ctx, H(4), x, y));
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    EXPECT_EQ(game.pointer.dragCard, H(4));
    EXPECT_FALSE(imgSfondoMouseUp(ctx, x, y));
    EXPECT_EQ(game.pointer.dragCard, 0);
    EXPECT_EQ(Cards(Fila(1)), (std::vector<int>{S(5), H(4)}));
    EXPECT_TRUE(game.undo.Empty());
}

TEST_F(FreeCellDrops, AnIllegalDropFliesBack) {
    Put(Fila(1), {S(5), H(4)});
    Put(Fila(2), {D(5)});
    EXPECT_FALSE(DragCardTo(ctx, H(4), Fila(2)));
    EXPECT_EQ(Cards(Fila(2)), std::vector<int>{D(5)});
    EXPECT_TRUE(game.undo.Empty());
    EXPECT_FALSE(DragCardTo(ctx, H(4), Fila(1)));  // its own column
}

class KlondikeDrops : public PlayFixture {
  protected:
    void SetUp() override { UseGame(kKlondikeId); }
    bool Accepts(int card, int kind, int index) {
        return tindle::Accepts(game, card, TargetPile({kind, index}), Mover::Player);
    }
};

TEST_F(KlondikeDrops, ColumnsRefuseFaceDownTopsFullColumnsAndTheirOwnTop) {
    Put(Fila(1), {S(9), D(8)}, {S(9)});
    Put(Fila(2), {C(9)}, {C(9)});
    EXPECT_FALSE(Accepts(D(8), kDropColumn, 1));
    game.cards.SetCardFace(C(9), kFaceUp);
    EXPECT_TRUE(Accepts(D(8), kDropColumn, 1));
    game.def[gd::ColumnMaxCards] = 1;
    EXPECT_FALSE(Accepts(D(8), kDropColumn, 1));
    game.def[gd::ColumnMaxCards] = -1;
    EXPECT_FALSE(Accepts(D(8), kDropColumn, 0));
    Put(Fila(3), {C(13), H(12), S(11)});
    Put(Fila(4), {D(13)});
    game.def.At(gd::TableauRule, 3) = 34;  // one card at a time onto a column that holds cards
    EXPECT_FALSE(Accepts(H(12), kDropColumn, 3));
    EXPECT_FALSE(Accepts(S(11), kDropColumn, 3));  // a Jack does not go on a King
    game.def.At(gd::TableauRule, 3) = 3;
    EXPECT_FALSE(Accepts(H(12), kDropColumn, 3));  // red on red
}

TEST_F(KlondikeDrops, FoundationsByTheirCodeAndCapacity) {
    Put(Fila(1), {S(12)});
    Put(Fila(2), {H(1)});
    EXPECT_TRUE(Accepts(H(1), kDropFoundation, 0));
    game.def[gd::FoundationCapacity] = 0;
    EXPECT_FALSE(Accepts(H(1), kDropFoundation, 0));
    game.def.At(gd::FoundationRule, 0) = 10;  // only a Queen, only on an empty foundation
    EXPECT_TRUE(Accepts(S(12), kDropFoundation, 0));
    EXPECT_FALSE(Accepts(H(1), kDropFoundation, 0));
    Put(Dest(1), {C(12)});
    EXPECT_FALSE(Accepts(S(12), kDropFoundation, 0));
}

TEST_F(KlondikeDrops, DiscardsGoBelowAHigherCardOfTheirSuit) {
    game.def.At(gd::FoundationRule, 0) = 22;
    Put(Fila(1), {H(5)});
    Put(Fila(2), {H(9)});
    Put(Fila(3), {S(4)});
    Put(Fila(4), {S(1)});
    Put(Fila(5), {D(1)});
    EXPECT_TRUE(Accepts(H(5), kDropFoundation, 0));
    EXPECT_FALSE(Accepts(H(9), kDropFoundation, 0));
    EXPECT_TRUE(Accepts(S(4), kDropFoundation, 0));  // the Ace ranks above it
    EXPECT_FALSE(Accepts(D(1), kDropFoundation, 0));
}

TEST_F(KlondikeDrops, ReserveKinds) {
    game.def[gd::ReserveCount] = 2;
    Relayout();
    Put(kWaste, {H(13)});
    Put(Fila(1), {S(13)});
    Put(Fila(2), {D(11)});
    auto kind = [&](int k) { game.def.At(gd::ReserveKind, 1) = static_cast<int16_t>(k); };
    kind(4);
    EXPECT_FALSE(Accepts(S(13), kDropReserve, 1));
    kind(85);
    EXPECT_TRUE(Accepts(H(13), kDropReserve, 1));
    EXPECT_FALSE(Accepts(S(13), kDropReserve, 1));
    kind(88);
    EXPECT_TRUE(Accepts(D(11), kDropReserve, 1));
    EXPECT_FALSE(Accepts(S(13), kDropReserve, 1));
    kind(90);
    EXPECT_TRUE(Accepts(S(13), kDropReserve, 1));
    kind(9);
    EXPECT_TRUE(Accepts(D(11), kDropReserve, 1));
    kind(8);  // Kings while the first reserve holds fewer than three cards
    EXPECT_TRUE(Accepts(S(13), kDropReserve, 1));
    Put(Appogg(1), {C(2), C(3), C(4)});
    EXPECT_FALSE(Accepts(S(13), kDropReserve, 1));
}

TEST_F(KlondikeDrops, TheWasteTakesNeighboursOfItsSuitWhereTheGameSaysSo) {
    game.def[gd::WasteNotDropTarget] = 0;
    Put(kWaste, {S(1)});
    Put(Fila(1), {S(13)});
    Put(Fila(2), {S(3)});
    EXPECT_FALSE(Accepts(S(13), kDropWaste, 0));
    game.def[gd::WasteAcceptsDrops] = 2;
    EXPECT_TRUE(Accepts(S(13), kDropWaste, 0));
    EXPECT_FALSE(Accepts(S(3), kDropWaste, 0));
    ASSERT_TRUE(DragCardTo(ctx, S(13), kWaste));
    EXPECT_EQ(Cards(kWaste), (std::vector<int>{S(1), S(13)}));
}

}  // namespace
}  // namespace tindle::test
