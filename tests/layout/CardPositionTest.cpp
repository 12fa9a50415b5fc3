// Where the cards of a pile lie: fan steps by facing, excluded top cards, lifting, the
// squared-with-offset style 7, the single-card rule of special game 49, and untidy columns.
// Klondike on 1024x768 with big cards: column 7 at (748, 161); steps 18 face up, 4 face down.

#include <gtest/gtest.h>

#include "LayoutTestGames.h"
#include "model/Game.h"
#include "model/Random.h"
#include "shell/settings/SettingsRecord.h"
#include "table/layout/TMainGame.h"

namespace tindle {
namespace {

class CardPosition : public testing::Test {
  protected:
    void LayOut() {
        tm.SetFanSteps('B', game.def);
        tm.TableLayout(test::TableInputs(1024, 768, 'B'), game.def);
        tidy.Put(field::PilesTT, "N");
    }
    void SetUp() override {
        game.def = test::KlondikeDef();
        LayOut();
        // Column 7: six face-down cards and a face-up one.
        for (int c = 1; c <= 7; ++c)
            PileAppend(game.piles.fila[6], c);
        game.cards.SetPileFaces(game.piles.fila[6], 7, kFaceDown);
        game.cards.SetCardFace(7, kFaceUp);
    }
    Game game;
    TMainGame tm;
    SettingsRecord tidy;
};

TEST_F(CardPosition, DownwardFanStepsByFacing) {
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 0, false), 161 + 6 * 4);   // the top card
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 1, true), 161 + 6 * 4);    // where the lifted card lay
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 0, true), 161 + 24 + 18);  // below the top card
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 3, false), 161 + 3 * 4);   // the 4th card
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 7, false), 161);
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 9, true), 161);
    EXPECT_EQ(tm.CardLeftX(game, tidy, "Fila7", 0, false), 748);
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 0, false), 161);  // empty column
    // Names that name no pile, and piles off the table.
    EXPECT_EQ(tm.CardTopY(game, "Fila29", 0, false), kOffTable);
    EXPECT_TRUE(IsOffTable(tm.CardTopY(game, "Appogg1", 0, false)));
    game.piles.mazzo[2] = "001002003";
    EXPECT_TRUE(IsOffTable(tm.CardTopY(game, "Mazzo_Waste", 0, false)));

    // Scrolled, every Y moves up by the scroll offset.
    tm.scrollOffset = 50;
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 0, false), 161 + 24 - 50);
}

TEST_F(CardPosition, Style7MovesTheTopCardDownOnce) {
    game.def[gd::TableauFanStyle] = 7;
    LayOut();
    game.piles.fila[0] = "020";
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 0, false), 161);      // a lone card stays put
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 1, true), 161);       // lifting it: nothing remains
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 0, true), 161 + 18);  // something lands on it
    game.piles.fila[0] = "020021022";
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 0, false), 161 + 18);
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 2, false), 161 + 18);  // excluded cards count
}

TEST_F(CardPosition, SidewaysStackAndDiagonalStyles) {
    game.def[gd::TableauFanStyle] = 2;
    LayOut();
    EXPECT_EQ(tm.FilaX(6), 748);
    // Six face-down steps of 4, then the face-up card's 12 while lifting.
    EXPECT_EQ(tm.CardLeftX(game, tidy, "Fila7", 0, false), 748 + 24);
    EXPECT_EQ(tm.CardLeftX(game, tidy, "Fila7", 0, true), 748 + 24 + 12);
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 0, false), 161);

    game.def[gd::TableauFanStyle] = 4;  // side by side: 71 + 6 per card
    LayOut();
    EXPECT_EQ(tm.CardLeftX(game, tidy, "Fila7", 4, false), 748 + 2 * 77);

    game.def[gd::TableauFanStyle] = 6;  // diagonal: 7 per card, X only
    LayOut();
    EXPECT_EQ(tm.CardLeftX(game, tidy, "Fila7", 0, false), 748 + 6 * 7);
    EXPECT_EQ(tm.CardTopY(game, "Fila7", 0, false), 161);

    // An offset stack of reserves: 3 down per card.
    game.def[gd::ReserveCount] = 1;
    game.def[gd::ReserveArrangement] = 5;
    game.def[gd::ReserveRow] = 3;
    game.def[gd::ReserveFanStyle] = 5;
    LayOut();
    game.piles.appogg[0] = "030031032033";
    EXPECT_EQ(tm.CardTopY(game, "Appogg1", 0, false), tm.AppoggY(0) + 9);
}

TEST_F(CardPosition, SpecialGame49LiftsALoneCardFromTheColumnsPlace) {
    game.def[gd::SpecialGame] = 49;
    game.def.At(gd::TableauBase, 0) = 13;
    game.piles.fila[0] = "018";  // a five on a column whose base is a King
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 0, true), 161);
    game.piles.fila[0] = "013";  // the base rank itself: the usual place below it
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 0, true), 161 + 18);
    game.def[gd::SpecialGame] = 0;
    game.piles.fila[0] = "018";
    EXPECT_EQ(tm.CardTopY(game, "Fila1", 0, true), 161 + 18);
}

TEST_F(CardPosition, UntidyColumnsShiftDownwardFannedColumnsUnlessTurnedOff) {
    Random random(7);
    tm.columnJitter.Regenerate(random);
    // Column 7 (index 6) uses jitter row 7; its top card of 7 lies at depth 6.
    const SettingsRecord untidy;  // a blank preference counts as on
    const int offset = tm.columnJitter.Entry(7, 6);
    EXPECT_EQ(tm.CardLeftX(game, untidy, "Fila7", 0, false), 748 + offset);
    EXPECT_EQ(tm.CardLeftX(game, untidy, "Fila7", 0, true), 748 + tm.columnJitter.Entry(7, 7));
    EXPECT_EQ(tm.CardLeftX(game, untidy, "Fila7", 2, false), 748 + tm.columnJitter.Entry(7, 5));
    EXPECT_EQ(tm.CardLeftX(game, tidy, "Fila7", 0, false), 748);
    // Not for foundations.
    game.piles.dest[0] = "001002003";
    EXPECT_EQ(tm.CardLeftX(game, untidy, "Dest1", 0, false), 475);
}

}  // namespace
}  // namespace tindle
