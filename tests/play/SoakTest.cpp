// Thousands of random gestures in every game of the built GAMES.DAT, with undos and redos,
// the table checked after each: no card lost or doubled, face flags as the game keeps them,
// undo followed by redo giving back the same table, and a refused gesture leaving the table
// as it was.

#include <gtest/gtest.h>

#include <vector>

#include "PlayFixture.h"
#include "TableInvariants.h"
#include "model/Random.h"
#include "model/Snapshot.h"
#include "model/UndoRedo.h"
#include "play/Commands.h"
#include "play/DropTargets.h"
#include "play/Gestures.h"
#include "play/HeadlessPlay.h"

namespace tindle::test {
namespace {

struct Table {
    Piles piles;
    std::array<bool, CardTable::kCards + 1> down{};
    bool operator==(const Table&) const = default;
};

Table Capture(const Game& game) {
    Table t;
    t.piles = game.piles;
    for (int c = 1; c <= CardTable::kCards; ++c)
        t.down[static_cast<size_t>(c)] = game.cards.CardIsFaceDown(c);
    return t;
}

struct Drag {
    int card;
    PileRef target;
};

// Every face-up card of a pile, with every pile that would accept its block.
std::vector<Drag> LegalDrags(PlayContext& ctx) {
    std::vector<Drag> out;
    const Game& game = ctx.game;
    const auto candidates = DropCandidates(ctx);
    auto consider = [&](PileRef ref) {
        const Pile& pile = game.piles.Get(ref);
        for (int p = 0; p < PileCount(pile); ++p) {
            const int card = PileCardAt(pile, p);
            if (card < 1 || game.cards.CardIsFaceDown(card)) continue;
            for (const DropCandidate& c : candidates) {
                if (DropAccepted(ctx, card, c.target, true))
                    out.push_back({card, TargetPile(c.target)});
            }
        }
    };
    consider({PileKind::MazzoVis, 0});
    for (int j = 0; j < game.FoundationCount(); ++j)
        consider({PileKind::Dest, j});
    for (int k = 0; k < game.TableauCount(); ++k)
        consider({PileKind::Fila, k});
    for (int i = 0; i < game.ReserveCount(); ++i)
        consider({PileKind::Appogg, i});
    return out;
}

int RandomCardOnTable(const Game& game, Random& random) {
    std::vector<int> cards;
    for (int k = 0; k < game.TableauCount(); ++k) {
        const Pile& col = game.piles.fila[static_cast<size_t>(k)];
        for (int p = 0; p < PileCount(col); ++p) {
            if (PileCardAt(col, p) > 0) cards.push_back(PileCardAt(col, p));
        }
    }
    for (int i = 0; i < game.ReserveCount(); ++i) {
        if (int top = PileTop(game.piles.appogg[static_cast<size_t>(i)]); top > 0)
            cards.push_back(top);
    }
    if (int top = PileTop(game.piles.Waste()); top > 0) cards.push_back(top);
    if (cards.empty()) return 0;
    return cards[static_cast<size_t>(random.Below(static_cast<int>(cards.size())))];
}

TEST(SoakCatalogue, HoldsSeveralGames) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(BuiltGamesDat()).Ok());
    EXPECT_GE(catalogue.Entries().size(), 2u);
}

TEST(Soak, EveryCatalogueGameKeepsItsTableSound) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(BuiltGamesDat()).Ok());
    constexpr int kDeals = 12;
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
            Random& random = play.random;

            for (int step = 0; step < kSteps && play.game.flags.gameInProgress; ++step) {
                const Table before = Capture(play.game);
                const int roll = random.Below(100);
                std::string what;
                bool acted = false;
                if (roll < 10) {
                    what = "undo";
                    acted = UndoCommand(ctx);
                } else if (roll < 15) {
                    what = "redo";
                    acted = RedoCommand(ctx);
                } else if (roll < 35) {
                    what = "click on the stock";
                    acted = ClickPile(ctx, {PileKind::Mazzo, 0});
                } else if (roll < 45) {
                    const int card = RandomCardOnTable(play.game, random);
                    what = "double click on " + std::to_string(card);
                    acted = card > 0 && DoubleClickCard(ctx, card);
                } else if (roll < 50) {
                    const int k = random.Below(std::max(play.game.TableauCount(), 1));
                    what = "click on column " + std::to_string(k + 1);
                    acted = ClickPile(ctx, {PileKind::Fila, k});
                } else {
                    const auto drags = LegalDrags(ctx);
                    if (drags.empty()) continue;
                    const Drag d =
                        drags[static_cast<size_t>(random.Below(static_cast<int>(drags.size())))];
                    what = "drag of " + std::to_string(d.card) + " to " + PileName(d.target);
                    acted = DragCardTo(ctx, d.card, d.target);
                }
                ++gestures;
                moves += acted;
                const std::string problem = CheckTable(play.game, deck);
                ASSERT_EQ(problem, "")
                    << entry.name << " deal " << number.Text() << " step " << step << ": " << what;
                if (!acted && !autoplay) {
                    ASSERT_TRUE(Capture(play.game) == before)
                        << entry.name << " step " << step << ": refused " << what
                        << " changed the table";
                }
                if (!play.game.undo.Empty() && play.game.flags.gameInProgress) {
                    const Table now = Capture(play.game);
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
        }
        EXPECT_GE(gestures, 1000) << entry.name;
        EXPECT_GE(moves, 300) << entry.name;
        RecordProperty(entry.name + "_gestures", gestures);
    }
}

}  // namespace
}  // namespace tindle::test
