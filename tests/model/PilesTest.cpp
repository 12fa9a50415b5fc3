#include <gtest/gtest.h>

#include "model/Game.h"

namespace tindle {
namespace {

TEST(PileNames, RoundTripAndRefuseWhatNamesNoPile) {
    EXPECT_EQ(PileName({PileKind::Fila, 11}), "Fila12");
    EXPECT_EQ(PileName({PileKind::MazzoVis, 0}), "Mazzo_Vis");
    EXPECT_EQ(ParsePileName("Mazzo_Waste"), (PileRef{PileKind::MazzoWaste, 0}));
    EXPECT_EQ(ParsePileName("Mazzo"), (PileRef{PileKind::Mazzo, 0}));
    EXPECT_EQ(ParsePileName("Appogg10"), (PileRef{PileKind::Appogg, 9}));
    EXPECT_EQ(ParsePileName("Dest16"), (PileRef{PileKind::Dest, 15}));
    EXPECT_FALSE(ParsePileName("Dest17"));
    EXPECT_FALSE(ParsePileName("Fila0"));
    EXPECT_FALSE(ParsePileName("Fila"));
    EXPECT_FALSE(ParsePileName("Fila1x"));
    EXPECT_FALSE(ParsePileName("Mazzo_Visx"));
}

TEST(LocateCard, SearchesInOrderWithinTheUsedPiles) {
    Game g;
    g.def[gd::TableauCount] = 2;
    g.def[gd::ReserveCount] = 1;
    g.piles.Stock() = "001";
    g.piles.Waste() = "002";
    g.piles.dest[15] = "003";
    g.piles.fila[1] = "004";
    g.piles.fila[2] = "005";  // beyond the used columns
    g.piles.appogg[0] = "006";
    g.piles.SecondWaste() = "007";
    EXPECT_EQ(g.Locate(1), kLocStock);
    EXPECT_EQ(g.Locate(2), kLocWaste);
    EXPECT_EQ(g.Locate(3), -16);
    EXPECT_EQ(g.Locate(4), 2);
    EXPECT_EQ(g.Locate(5), kLocNowhere);
    EXPECT_EQ(g.Locate(6), -21);
    EXPECT_EQ(g.Locate(7), kLocNowhere);
    // The first pile in search order wins when a card lies twice.
    g.piles.fila[0] = "001";
    EXPECT_EQ(g.Locate(1), kLocStock);
}

TEST(GameDefFields, TableIsOrderedWithoutOverlapsAndInsideTheRecord) {
    int next = 0;
    for (const auto& f : GameDefFieldTable()) {
        EXPECT_GE(f.index, next) << f.name;
        EXPECT_LE(f.index + f.count, GameDef::kFields) << f.name;
        EXPECT_LE(f.minimum, f.maximum) << f.name;
        next = f.index + f.count;
    }
    ASSERT_NE(FindGameDefField("tableaubase"), nullptr);
    EXPECT_EQ(FindGameDefField("TableauBase")->index, 128);
    EXPECT_EQ(GameDefFieldAt(130)->name, "TableauBase");
    EXPECT_EQ(GameDefFieldAt(0), nullptr);
}

}  // namespace
}  // namespace tindle
