// Thousands of random gestures in every game of the built GAMES.DAT, most of them walks of
// LegalMoves, with undos and redos, the table checked after each: every legal drag taken by
// the mouse, no card lost or doubled, face flags as the game keeps them, undo followed by
// redo giving back the same table, a refused gesture leaving the table as it was, and at the
// end of each deal Undo all the way giving back the deal and Redo all the way the last table.

#include <gtest/gtest.h>

#include "PlayFixture.h"
#include "model/RuleCodes.h"
#include "model/Snapshot.h"
#include "model/UndoRedo.h"
#include "play/HeadlessPlay.h"
#include "support/RandomPlay.h"
#include "support/TableInvariants.h"

namespace tindle::test {
namespace {

TEST(SoakCatalogue, HoldsSeveralGames) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(BuiltGamesDat()).Ok());
    EXPECT_GE(catalogue.Entries().size(), 2u);
}

TEST(Soak, EveryCatalogueGameKeepsItsTableSound) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(BuiltGamesDat()).Ok());
    // The sanitizer build runs a third of the deals: its instrumented engine is several times
    // slower, and the catalogue keeps growing.
#ifdef TINDLE_SANITIZED
    constexpr int kDeals = 4;
#else
    constexpr int kDeals = 12;
#endif
    constexpr int kSteps = 250;
    for (const CatalogueEntry& entry : catalogue.Entries()) {
        int gestures = 0;
        int moves = 0;
        for (int deal = 0; deal < kDeals; ++deal) {
            HeadlessPlay play(nullptr, static_cast<uint32_t>(deal + 1));
            const bool autoplay = deal % 2 == 1;
            play.ui.autoplayTicked = autoplay;
            std::string error;
            const GameNumber number = *ParseGameNumber(std::to_string(1000003 * deal + 17));
            ASSERT_TRUE(play.Open(BuiltGamesDat(), entry.gameId, number, error)) << error;
            PlayContext& ctx = play.ctx;
            const std::map<int, int> deck = CardCounts(play.game);
            ASSERT_EQ(CheckTable(play.game, deck), "") << entry.name << " after the deal";
            // The deal as dealt, before the autoplay that may follow it.
            HeadlessPlay fresh(nullptr, 1);
            ASSERT_TRUE(fresh.Open(BuiltGamesDat(), entry.gameId, number, error)) << error;
            const TableState dealt = Capture(fresh.game);
            Random& random = play.random;

            for (int step = 0; step < kSteps && play.game.flags.gameInProgress; ++step) {
                const TableState before = Capture(play.game);
                // Every release fills the empty columns of a game with a fill rule, also after
                // a refused gesture (an undo may have emptied a column the rule fills at once).
                bool fillDue = false;
                for (int k = 0; k < play.game.TableauCount(); ++k) {
                    fillDue = fillDue || (play.game.def[gd::FillRule] != fill::None &&
                                          PileEmpty(play.game.piles.fila[static_cast<size_t>(k)]));
                }
                const Gesture g = RandomGesture(ctx, random);
                if (g.what.empty()) continue;
                const std::string& what = g.what;
                const bool acted = g.acted;
                ++gestures;
                moves += acted;
                // A legal move made with the mouse is taken.
                ASSERT_TRUE(acted || !g.legalDrag)
                    << entry.name << " step " << step << ": " << what;
                const std::string problem = CheckTable(play.game, deck);
                ASSERT_EQ(problem, "")
                    << entry.name << " deal " << number.Text() << " step " << step << ": " << what;
                if (!acted && !autoplay && !fillDue) {
                    ASSERT_TRUE(Capture(play.game) == before)
                        << entry.name << " step " << step << ": refused " << what
                        << " changed the table";
                }
                if (!play.game.undo.Empty() && play.game.flags.gameInProgress) {
                    const TableState now = Capture(play.game);
                    const History undo = play.game.undo;
                    ASSERT_TRUE(Undo(play.game, play.settings));
                    ASSERT_EQ(CheckTable(play.game, deck), "")
                        << entry.name << " undo after " << what;
                    ASSERT_TRUE(Redo(play.game, play.settings));
                    ASSERT_TRUE(Capture(play.game) == now)
                        << entry.name << ": undo and redo after " << what;
                    ASSERT_TRUE(play.game.undo == undo)
                        << entry.name << ": undo history after " << what;
                }
            }
            if (play.game.flags.gameInProgress) {
                // Undo action by action back to the deal, Redo forward to the last table.
                while (RedoCommand(ctx)) {
                }
                const TableState end = Capture(play.game);
                while (UndoCommand(ctx)) {
                }
                ASSERT_TRUE(Capture(play.game) == dealt) << entry.name << ": undo all";
                while (RedoCommand(ctx)) {
                }
                ASSERT_TRUE(Capture(play.game) == end) << entry.name << ": redo all";
            }
        }
        EXPECT_GE(gestures, 1000 * kDeals / 12) << entry.name;
        EXPECT_GE(moves, 300 * kDeals / 12) << entry.name;
        RecordProperty(entry.name + "_gestures", gestures);
    }
}

}  // namespace
}  // namespace tindle::test

namespace tindle::test {
namespace {

// A memo of the building rule's answers (columns and foundations) changes nothing of what
// LegalMoves lists: the same moves with and without it, in every position of random walks through
// every catalogue game, with and without autoplay.
TEST(Soak, LegalMovesListTheSameMovesWithAPlaceMemo) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(BuiltGamesDat()).Ok());
    constexpr int kDeals = 4;
    constexpr int kSteps = 200;
    for (const CatalogueEntry& entry : catalogue.Entries()) {
        int compared = 0;
        for (int deal = 0; deal < kDeals; ++deal) {
            HeadlessPlay play(nullptr, static_cast<uint32_t>(deal + 7));
            play.ui.autoplayTicked = deal % 2 == 1;
            std::string error;
            const GameNumber number = *ParseGameNumber(std::to_string(7919 * deal + 5));
            ASSERT_TRUE(play.Open(BuiltGamesDat(), entry.gameId, number, error)) << error;
            PlaceMemo memo(play.game);
            std::vector<Move> plain;
            std::vector<Move> remembered;
            for (int step = 0; step < kSteps && play.game.flags.gameInProgress; ++step) {
                LegalMoves(play.game, plain);
                LegalMoves(play.game, remembered, &memo);
                ASSERT_EQ(plain, remembered)
                    << entry.name << " deal " << number.Text() << " step " << step;
                compared += static_cast<int>(plain.size());
                RandomGesture(play.ctx, play.random);
            }
        }
        EXPECT_GT(compared, 0) << entry.name;
    }
}

}  // namespace
}  // namespace tindle::test
