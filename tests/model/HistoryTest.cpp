#include <gtest/gtest.h>

#include "DealTestSupport.h"
#include "model/History.h"
#include "model/Snapshot.h"
#include "model/UndoRedo.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {
namespace {

using test::GameWith;

struct Table {
    Piles piles;
    CardTable cards;
    bool operator==(const Table& o) const {
        if (!(piles == o.piles)) return false;
        for (int c = 1; c <= CardTable::kCards; ++c) {
            if (cards.Entry(c) != o.cards.Entry(c)) return false;
        }
        return true;
    }
};

Table TableOf(const Game& g) {
    return {g.piles, g.cards};
}

// A move as the move executor makes it: snapshot first, then the change, then redo cleared.
template <class Change>
void Move(Game& game, SettingsRecord& settings, Change change) {
    RecordSnapshot(game, HistoryKind::Undo, settings);
    change();
    ClearRedo(game, settings);
}

TEST(Snapshot, LinesHoldCardsWithFaceFlagsGapsAndEmptyPiles) {
    Game game;
    SettingsRecord settings;
    game.piles.Stock() = "001002";
    game.cards.SetCardFace(2, kFaceDown);
    game.piles.dest[15] = "052";
    game.piles.fila[0] = "000005";
    game.piles.appogg[9] = "105";
    RecordSnapshot(game, HistoryKind::Undo, settings);
    const History& h = game.undo;
    ASSERT_EQ(h.Count(), 1);
    ASSERT_EQ(h.stockLines.size(), 3u);
    ASSERT_EQ(h.foundationLines.size(), 16u);
    ASSERT_EQ(h.tableauLines.size(), 28u);
    ASSERT_EQ(h.reserveLines.size(), 10u);
    EXPECT_EQ(h.stockLines[0], "00110020");
    EXPECT_EQ(h.stockLines[1], "");
    EXPECT_EQ(h.foundationLines[15], "0521");
    EXPECT_EQ(h.tableauLines[0], "00000051");
    EXPECT_EQ(h.reserveLines[9], "1051");
    EXPECT_EQ(h.marks, ",");
    EXPECT_TRUE(game.redo.Empty());

    // The 57 lines in order name the piles as the table does.
    EXPECT_EQ(PileName(SnapshotPile(0)), "Mazzo");
    EXPECT_EQ(PileName(SnapshotPile(2)), "Mazzo_Waste");
    EXPECT_EQ(PileName(SnapshotPile(3)), "Dest1");
    EXPECT_EQ(PileName(SnapshotPile(19)), "Fila1");
    EXPECT_EQ(PileName(SnapshotPile(46)), "Fila28");
    EXPECT_EQ(PileName(SnapshotPile(56)), "Appogg10");
}

TEST(History, MovesUndoneToTheStartRestoreTheDealAndRedoReplaysThem) {
    Game game = GameWith(test::KlondikeLike());
    SettingsRecord settings;
    test::Deal(game, "1234567");
    std::vector<Table> states{TableOf(game)};

    Move(game, settings, [&] {  // column 2's top onto column 1, its next card turned up
        PileAppend(game.piles.fila[0], PilePopTop(game.piles.fila[1]));
        game.cards.SetCardFace(PileTop(game.piles.fila[1]), kFaceUp);
    });
    states.push_back(TableOf(game));
    Move(game, settings, [&] {  // a stock card turned onto the waste
        int card = PilePopTop(game.piles.Stock());
        game.cards.SetCardFace(card, kFaceUp);
        PileAppend(game.piles.Waste(), card);
    });
    states.push_back(TableOf(game));
    Move(game, settings, [&] {  // a card leaves a gap behind (grid games)
        int card = PileCardAt(game.piles.fila[6], 0);
        PileReplaceAt(game.piles.fila[6], 0, 0);
        PileAppend(game.piles.SecondWaste(), card);
    });
    states.push_back(TableOf(game));
    EXPECT_EQ(game.undo.Count(), 3);

    for (int i = 2; i >= 0; --i) {
        ASSERT_TRUE(Undo(game, settings));
        EXPECT_TRUE(TableOf(game) == states[static_cast<size_t>(i)]) << i;
        // The table it replaced is kept for redo, the gap written as "0000".
        if (i == 2) {
            EXPECT_EQ(game.redo.tableauLines[6].substr(0, 4), "0000");
        }
    }
    EXPECT_FALSE(Undo(game, settings));
    EXPECT_TRUE(TableOf(game) == states[0]);
    EXPECT_EQ(game.redo.Count(), 3);

    for (int i = 1; i <= 3; ++i) {
        ASSERT_TRUE(Redo(game, settings));
        EXPECT_TRUE(TableOf(game) == states[static_cast<size_t>(i)]) << i;
    }
    EXPECT_FALSE(Redo(game, settings));
    EXPECT_EQ(game.undo.Count(), 3);

    // One step back, then a new move: the redo history is gone.
    ASSERT_TRUE(Undo(game, settings));
    Move(game, settings, [&] { PileAppend(game.piles.dest[0], PilePopTop(game.piles.Waste())); });
    EXPECT_TRUE(game.redo.Empty());
    EXPECT_FALSE(Redo(game, settings));
    ASSERT_TRUE(Undo(game, settings));
    EXPECT_TRUE(TableOf(game) == states[2]);
}

TEST(History, ExcludedFoundationOneIsRecordedEmptyAndNeverWrittenBack) {
    struct Case {
        int selection;
        int special;
        bool excluded;
    };
    for (Case c : {Case{1, 0, true}, Case{0, 3, true}, Case{0, 4, true}, Case{0, 5, false}}) {
        Game game;
        SettingsRecord settings;
        game.def[gd::SelectionGame] = static_cast<int16_t>(c.selection);
        game.def[gd::SpecialGame] = static_cast<int16_t>(c.special);
        game.piles.dest[0] = "001";
        game.piles.fila[0] = "020";
        RecordSnapshot(game, HistoryKind::Undo, settings);
        EXPECT_EQ(game.undo.foundationLines[0], c.excluded ? "" : "0011") << c.special;

        game.piles.dest[0] = "001002";  // the selection grows
        game.piles.fila[0].clear();
        ASSERT_TRUE(Undo(game, settings));
        EXPECT_EQ(game.piles.fila[0], "020");
        EXPECT_EQ(game.piles.dest[0], c.excluded ? "001002" : "001") << c.special;
        EXPECT_EQ(game.redo.foundationLines[0], c.excluded ? "" : "00110021");
    }
}

TEST(History, DroppingSnapshotsKeepsTheFourListsAndTheMarksInStep) {
    Game game;
    SettingsRecord settings;
    for (int i = 1; i <= 3; ++i) {
        game.piles.Stock() = CardText(i);
        game.piles.dest[1] = CardText(10 + i);
        game.piles.fila[27] = CardText(20 + i);
        game.piles.appogg[4] = CardText(30 + i);
        RecordSnapshot(game, HistoryKind::Undo, settings);
        if (i < 3) SetMarker(game, i);
    }
    EXPECT_EQ(game.undo.marks, "001,002,,");

    DropPreviousSnapshot(game.undo);
    ASSERT_EQ(game.undo.Count(), 2);
    EXPECT_EQ(game.undo.foundationLines.size(), 32u);
    EXPECT_EQ(game.undo.tableauLines.size(), 56u);
    EXPECT_EQ(game.undo.reserveLines.size(), 20u);
    EXPECT_EQ(game.undo.stockLines[3], "0031");
    EXPECT_EQ(game.undo.foundationLines[16 + 1], "0131");
    EXPECT_EQ(game.undo.tableauLines[28 + 27], "0231");
    EXPECT_EQ(game.undo.reserveLines[10 + 4], "0331");
    EXPECT_EQ(game.undo.stockLines[0], "0011");
    EXPECT_EQ(game.undo.marks, "001,,");

    DropLastSnapshot(game.undo);
    ASSERT_EQ(game.undo.Count(), 1);
    EXPECT_EQ(game.undo.reserveLines.size(), 10u);
    EXPECT_EQ(game.undo.reserveLines[4], "0311");
    EXPECT_EQ(game.undo.marks, "001,");

    DropPreviousSnapshot(game.undo);  // fewer than two: nothing
    EXPECT_EQ(game.undo.Count(), 1);
    DropLastSnapshot(game.undo);
    DropLastSnapshot(game.undo);
    EXPECT_TRUE(game.undo.Empty());
    EXPECT_EQ(game.undo.marks, "");
    SetMarker(game, 1);  // no entry to mark
    EXPECT_EQ(game.undo.marks, "");
}

TEST(History, MarkersAreCountedInThreeDigitGroupsAndTravelWithUndoAndRedo) {
    History h;
    h.marks = "001,002,,001,001001,";
    EXPECT_EQ(CountMarker(h, 1), 4);
    EXPECT_EQ(CountMarker(h, 2), 1);
    EXPECT_EQ(CountMarker(h, 3), 0);

    Game game;
    SettingsRecord settings;
    game.piles.fila[0] = "001";
    Move(game, settings, [&] { game.piles.fila[1] = PileCutFrom(game.piles.fila[0], 0); });
    SetMarker(game, 1);
    Move(game, settings, [&] { game.piles.fila[2] = PileCutFrom(game.piles.fila[1], 0); });
    EXPECT_EQ(CountMarker(game.undo, 1), 1);
    Undo(game, settings);
    Undo(game, settings);
    EXPECT_EQ(CountMarker(game.undo, 1), 0);
    EXPECT_EQ(CountMarker(game.redo, 1), 1);
    Redo(game, settings);
    EXPECT_EQ(game.undo.marks, "001,");
    EXPECT_EQ(game.piles.fila[1], "001");
}

TEST(History, AvailabilityMarksAndClearing) {
    Game game;
    SettingsRecord settings;
    auto mark = [&](SettingField f) { return settings.Get(f); };
    settings.Put(field::UndoAvailable, "1");
    settings.Put(field::RedoAvailable, "1");
    RecordSnapshot(game, HistoryKind::Undo, settings);
    EXPECT_EQ(mark(field::UndoAvailable), "0");
    EXPECT_EQ(mark(field::RedoAvailable), "1");
    RecordSnapshot(game, HistoryKind::Redo, settings);
    settings.Put(field::RedoAvailable, "1");
    settings.Put(field::UndoAvailable, "1");

    ClearHistories(game, settings, false);  // play goes on: only redo
    EXPECT_TRUE(game.redo.Empty());
    EXPECT_EQ(game.undo.Count(), 1);
    EXPECT_EQ(mark(field::RedoAvailable), "0");
    EXPECT_EQ(mark(field::UndoAvailable), "1");

    SetMarker(game, 7);
    ClearHistories(game, settings, true);  // a new deal: both
    EXPECT_TRUE(game.undo.Empty());
    EXPECT_EQ(game.undo.marks, "");
    EXPECT_EQ(mark(field::UndoAvailable), "0");
}

}  // namespace
}  // namespace tindle
