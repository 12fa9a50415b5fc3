// The zoom: the layout of a window at a zoom is the layout of the window divided by the zoom,
// drawn that many times larger; Automatic takes the largest zoom at which the game fits.

#include <gtest/gtest.h>

#include <vector>

#include "LayoutTestGames.h"
#include "model/Catalogue.h"
#include "model/Game.h"
#include "model/GamesDat.h"
#include "support/TestPaths.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"
#include "table/layout/Zoom.h"

namespace tindle {
namespace {

// Every pile's place, in the order of the pile lists.
std::vector<int> Places(const TMainGame& tm) {
    std::vector<int> places;
    for (int i = 0; i < TMainGame::kMazzoSlots - 1; ++i) {
        places.push_back(tm.MazzoX(i));
        places.push_back(tm.MazzoY(i));
    }
    for (int i = 0; i < TMainGame::kDestSlots; ++i) {
        places.push_back(tm.DestX(i));
        places.push_back(tm.DestY(i));
    }
    for (int i = 0; i < TMainGame::kFilaSlots; ++i) {
        places.push_back(tm.FilaX(i));
        places.push_back(tm.FilaY(i));
    }
    for (int i = 0; i < TMainGame::kAppoggSlots; ++i) {
        places.push_back(tm.AppoggX(i));
        places.push_back(tm.AppoggY(i));
    }
    places.push_back(tm.filaRoomY);
    return places;
}

TMainGame LaidOut(const GameDef& def, const LayoutInputs& in) {
    TMainGame tm;
    tm.SetFanSteps('B', def);
    tm.TableLayout(in, def);
    return tm;
}

TEST(Zoom, TheLayoutAtZoomTwoIsTheHalfWindowsLayoutDrawnTwiceAsLarge) {
    for (const GameDef& def : {test::FreeCellDef(), test::KlondikeDef()}) {
        for (const auto& [w, h] : std::vector<std::pair<int, int>>{
                 {1280, 800}, {1600, 1000}, {2048, 1536}, {1601, 1003}}) {
            SCOPED_TRACE(testing::Message() << w << "x" << h);
            // The window's toolbar bottom, 30 pixels at zoom 1, is 15 table pixels at zoom 2.
            LayoutInputs window = test::TableInputs(w, h, 'B');
            LayoutInputs half = test::TableInputs(w / 2, h / 2, 'B');
            half.top = 15;
            half.screenWidth = w / 2;
            half.screenHeight = h / 2;
            const TMainGame zoomed = LaidOut(def, ZoomedInputs(window, 200));
            const TMainGame plain = LaidOut(def, half);
            EXPECT_EQ(Places(zoomed), Places(plain));
            // Drawn at zoom 2, every pile lies inside the window.
            Game empty;
            empty.def = def;
            const auto extent = TableExtent(zoomed, empty);
            ASSERT_TRUE(extent);
            EXPECT_LE(2 * extent->right, w);
            EXPECT_LE(2 * extent->bottom, h);
        }
    }
}

TEST(Zoom, AutomaticTakesTheLargestZoomAtWhichTheGameFits) {
    struct Case {
        GameDef def;
        int width, height, percent;
    };
    const std::vector<Case> cases{
        {test::FreeCellDef(), 640, 480, 100},   {test::FreeCellDef(), 1024, 768, 150},
        {test::FreeCellDef(), 1600, 1000, 200}, {test::FreeCellDef(), 3840, 2160, 300},
        {test::KlondikeDef(), 800, 600, 125},   {test::KlondikeDef(), 1600, 1000, 200},
        {test::FreeCellDef(), 1600, 600, 125},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const LayoutInputs window = test::TableInputs(c.width, c.height, 'B');
        const int percent = AutomaticZoomPercent(window, c.def, 'B');
        EXPECT_EQ(percent, c.percent);
        // It fits there, and the next zoom up does not.
        const LayoutInputs in = ZoomedInputs(window, percent);
        EXPECT_TRUE(LayoutFits(LaidOut(c.def, in), c.def, in));
        for (int next : kZoomPercents) {
            if (next <= percent) continue;
            const LayoutInputs larger = ZoomedInputs(window, next);
            EXPECT_FALSE(LayoutFits(LaidOut(c.def, larger), c.def, larger)) << next;
            break;
        }
    }
}

// Pairs of piles whose places overlap, and places left of or above the table.
int MisplacedPlaces(const GameDef& def, const LayoutInputs& in) {
    const TMainGame tm = LaidOut(def, in);
    Game empty;
    empty.def = def;
    std::vector<TableRect> places;
    for (const PileRef ref : PilesOnTable(tm, empty))
        places.push_back(*PileExtent(tm, empty, ref));
    int misplaced = 0;
    for (size_t i = 0; i < places.size(); ++i) {
        const TableRect& a = places[i];
        if (a.left < 0 || a.top < 0) ++misplaced;
        for (size_t j = i + 1; j < places.size(); ++j)
            if (a.Intersects(places[j])) ++misplaced;
    }
    return misplaced;
}

// Large cards in a small window: the table is laid out larger (the window scrolls over it)
// rather than with piles on top of one another; a window that holds the game keeps its size,
// and Automatic picks a zoom with no such overlap.
TEST(Zoom, ATableTooSmallForThePilesIsLaidOutLargerInsteadOfOverlapping) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(test::ProgramDir() / "GAMES.DAT").Ok());
    int enlarged = 0;
    for (const CatalogueEntry& entry : catalogue.Entries()) {
        SCOPED_TRACE(entry.name);
        Game game;
        ASSERT_TRUE(LoadGameDefinition(catalogue, entry.gameId, game).Ok());
        const GameDef& def = game.def;
        const LayoutInputs small = ZoomedInputs(test::TableInputs(640, 480, 'B'), 300);
        const LayoutInputs roomy = RoomForPiles(small, def, 'B');
        EXPECT_EQ(MisplacedPlaces(def, roomy), 0);
        EXPECT_GE(roomy.width, small.width);
        EXPECT_GE(roomy.height, small.height);
        if (roomy.width != small.width || roomy.height != small.height) {
            ++enlarged;
            EXPECT_GT(MisplacedPlaces(def, small), 0);
        }

        const LayoutInputs window = test::TableInputs(1600, 1000, 'B');
        const LayoutInputs fitted = ZoomedInputs(window, AutomaticZoomPercent(window, def, 'B'));
        EXPECT_EQ(MisplacedPlaces(def, fitted), 0);
        EXPECT_EQ(RoomForPiles(fitted, def, 'B').width, fitted.width);
        EXPECT_EQ(RoomForPiles(fitted, def, 'B').height, fitted.height);
    }
    EXPECT_GT(enlarged, 0);
}

TEST(Zoom, TheStoredChoiceIsAnOfferedZoomOrAutomatic) {
    EXPECT_EQ(ParseCardZoom("150"), 150);
    EXPECT_EQ(ParseCardZoom("300"), 300);
    for (const char* bad : {"Automatic", "", "175", "150%", " 150", "-100", "9999999999999"})
        EXPECT_EQ(ParseCardZoom(bad), kAutomaticZoom) << bad;
    EXPECT_EQ(CardZoomText(kAutomaticZoom), "Automatic");
    EXPECT_EQ(ParseCardZoom(CardZoomText(250)), 250);
}

}  // namespace
}  // namespace tindle
