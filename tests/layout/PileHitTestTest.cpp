// What lies under a point. FreeCell on 1024x768 with big cards: columns at 157 + 91k on
// Y 146, free cells at 157 + 91k and foundations at 521 + 91k on Y 40; steps 18 and 4.

#include <gtest/gtest.h>

#include "LayoutTestGames.h"
#include "model/Game.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle {
namespace {

class HitTest : public testing::Test {
  protected:
    void LayOut(const GameDef& def) {
        game.def = def;
        tm.SetFanSteps('B', def);
        tm.TableLayout(test::TableInputs(1024, 768, 'B'), def);
    }
    void SetUp() override { LayOut(test::FreeCellDef()); }
    std::optional<PileHit> At(int x, int y) const { return HitTestTable(tm, game, x, y); }
    Game game;
    TMainGame tm;
};

TEST_F(HitTest, ColumnCardsOwnBandsAndTheTopCardItsWholeFace) {
    game.piles.fila[0] = "001002003";
    EXPECT_EQ(PileExtent(tm, game, {PileKind::Fila, 0}), (TableRect{157, 146, 228, 278}));

    auto hit = At(160, 146 + 20);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->pile, (PileRef{PileKind::Fila, 0}));
    EXPECT_EQ(hit->card, 2);
    EXPECT_EQ(hit->rect, (TableRect{157, 164, 228, 260}));
    hit = At(227, 146 + 36 + 95);  // the last pixel of the top card
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->card, 3);
    EXPECT_EQ(hit->rect.top, 182);
    EXPECT_FALSE(At(160, 146 + 36 + 96));  // just below it
    EXPECT_FALSE(At(228, 150));            // just right of it

    // Face-down cards own 4 pixels.
    LayOut(test::KlondikeDef());
    for (int c = 1; c <= 7; ++c)
        PileAppend(game.piles.fila[6], c);
    game.cards.SetPileFaces(game.piles.fila[6], 6, kFaceDown);
    game.cards.SetCardFace(1, kFaceDown);
    game.cards.SetCardFace(7, kFaceUp);
    EXPECT_EQ(At(750, 161 + 5)->card, 2);
    EXPECT_EQ(At(750, 161 + 24 + 10)->card, 7);
    EXPECT_EQ(At(750, 161 + 24 + 10)->rect.top, 185);
}

TEST_F(HitTest, StockFoundationsAndReserves) {
    game.piles.appogg[1] = "010";
    game.piles.dest[0] = "014";
    EXPECT_EQ(At(250, 50)->pile, (PileRef{PileKind::Appogg, 1}));
    EXPECT_EQ(At(250, 50)->card, 10);
    EXPECT_FALSE(At(160, 50));  // an empty free cell is never hit
    EXPECT_EQ(At(530, 60)->pile, (PileRef{PileKind::Dest, 0}));
    EXPECT_EQ(At(530, 60)->card, 14);
    EXPECT_EQ(At(615, 60)->pile, (PileRef{PileKind::Dest, 1}));
    EXPECT_EQ(At(615, 60)->card, 0);

    // A squared free cell reports its top card at the cell's place.
    game.piles.appogg[1] = "010011012";
    const auto hit = FanSearch(tm, game, {PileKind::Appogg, 1}, 250, 40 + 50);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->card, 12);
    EXPECT_EQ(hit->rect, (TableRect{248, 40, 319, 136}));

    // The stock is hit also when empty; off-table piles never are.
    LayOut(test::KlondikeDef());
    EXPECT_EQ(At(205, 60)->pile, (PileRef{PileKind::Mazzo, 0}));
    EXPECT_EQ(At(205, 60)->card, 0);
    EXPECT_FALSE(PileExtent(tm, game, {PileKind::MazzoWaste, 0}));
}

TEST_F(HitTest, EmptyColumnUnderThePointEndsTheColumnSearch) {
    game.piles.fila[1] = "";
    EXPECT_FALSE(At(250, 150));
}

TEST_F(HitTest, SideBySideColumnsAreTriedLastToFirstAndTheirGapsHoldNoCard) {
    GameDef def = test::FreeCellDef();
    def[gd::TableauFanStyle] = 4;
    LayOut(def);
    game.piles.fila[0] = "001002003";  // cards at 157, 234, 311
    EXPECT_EQ(PileExtent(tm, game, {PileKind::Fila, 0}), (TableRect{157, 146, 382, 242}));
    // Column 2 (empty, at 248) is tried first and yields nothing; column 1 then does.
    const auto hit = At(250, 150);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->pile, (PileRef{PileKind::Fila, 0}));
    EXPECT_EQ(hit->card, 2);
    EXPECT_EQ(hit->rect.left, 234);
    EXPECT_FALSE(At(230, 150));  // in the spread gap between the first two cards
}

TEST_F(HitTest, RightFanAndStyle7Bands) {
    GameDef def = test::FreeCellDef();
    def[gd::TableauFanStyle] = 2;
    LayOut(def);
    game.piles.fila[0] = "001002";
    EXPECT_EQ(PileExtent(tm, game, {PileKind::Fila, 0}), (TableRect{157, 146, 157 + 12 + 71, 242}));
    EXPECT_EQ(At(160, 150)->card, 1);
    EXPECT_EQ(At(170, 150)->card, 2);

    def[gd::TableauFanStyle] = 7;
    LayOut(def);
    game.piles.fila[0] = "001002003";
    EXPECT_EQ(At(160, 146 + 10)->card, 1);
    const auto top = At(160, 146 + 18);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->card, 3);
    EXPECT_EQ(top->rect.top, 146 + 18);
}

TEST_F(HitTest, UnspreadColumnsOfStyle8AreAllCandidates) {
    GameDef def = test::FreeCellDef();
    def[gd::TableauFanStyle] = 8;
    LayOut(def);
    game.piles.fila[0] = "001";
    game.piles.fila[1] = "002003";
    const auto hit = At(250, 150);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->pile, (PileRef{PileKind::Fila, 1}));
    EXPECT_EQ(hit->card, 3);
    EXPECT_EQ(At(160, 150)->card, 1);
}

}  // namespace
}  // namespace tindle
