// Every named code of every coded field, one at a time, on Klondike and FreeCell: the game is
// laid out and dealt again under it and a few of its legal moves are played. Whatever the
// code, every pile of the game lands on the table, and no card is lost or doubled. The random
// definitions of the fuzz test mix codes; this walk makes sure that none is left out.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "PlayFixture.h"
#include "model/LegalMoves.h"
#include "model/RuleCodes.h"
#include "play/NewGame.h"
#include "play/PlayMove.h"
#include "support/TableInvariants.h"
#include "table/layout/PlacementCode.h"

namespace tindle::test {
namespace {

// The piles of the definition that its placement codes lay out. Three codes lay out fewer
// piles than a game may have, by their geometry: the cross has five columns and no reserves,
// a stock left of the tableau by 30 or 60 pixels is one pile, and a second waste under the
// stock needs a stock.
std::vector<PileRef> PilesLaidOut(const GameDef& def) {
    const LayoutCounts counts = ReadLayoutCounts(def);
    const bool cross = def[gd::TableauArrangement] == tableauPlace::Cross;
    const bool onePile = def[gd::StockArrangement] == stockPlace::LeftOfTableau30 ||
                         def[gd::StockArrangement] == stockPlace::LeftOfTableau60;
    std::vector<PileRef> piles;
    for (int k = 0; k < (cross ? std::min(counts.tableau, 5) : counts.tableau); ++k)
        piles.push_back({PileKind::Fila, k});
    for (int k = 0; k < counts.foundations; ++k)
        piles.push_back({PileKind::Dest, k});
    for (int k = 0; k < (cross ? 0 : counts.reserves); ++k)
        piles.push_back({PileKind::Appogg, k});
    const bool stock = counts.stockPiles > 0 && counts.stockUsed;
    if (stock) piles.push_back({PileKind::Mazzo, 0});
    if (counts.stockPiles > 0 && counts.wasteUsed && !(onePile && stock))
        piles.push_back({PileKind::MazzoVis, 0});
    if (counts.secondWaste &&
        (stock || def[gd::SecondWasteArrangement] != secondWastePlace::UnderStock))
        piles.push_back({PileKind::MazzoWaste, 0});
    return piles;
}

// The first and last value of a code that the field can hold.
std::vector<int> ValuesOf(const RuleCode& code, const GameDefFieldInfo& field) {
    std::vector<int> values;
    const int first = std::max(code.first, field.minimum);
    const int last = std::min(code.last, field.maximum);
    if (first > last) return values;
    values.push_back(first);
    if (last != first) values.push_back(last);
    return values;
}

TEST(NamedCodes, EachOnItsOwnLaysOutEveryPileAndKeepsEveryCard) {
    int played = 0;
    for (const RuleFamily& family : RuleFamilies()) {
        for (gd::Field field : FieldsOfFamily(family.name)) {
            const GameDefFieldInfo& info = *GameDefFieldAt(field);
            for (const RuleCode& code : family.codes) {
                for (int value : ValuesOf(code, info)) {
                    for (int gameId : {kKlondikeId, kFreecellId}) {
                        HeadlessPlay play(nullptr, static_cast<uint32_t>(played + 1));
                        play.ui.autoplayTicked = true;
                        std::string error;
                        ASSERT_TRUE(play.Open(BuiltGamesDat(), gameId,
                                              *ParseGameNumber("1234567890123"), error))
                            << error;
                        GameDef& def = play.game.def;
                        for (int i = 0; i < info.count; ++i)
                            def[field + i] = static_cast<int16_t>(value);
                        if (family.name == "secondWastePlace") def[gd::SecondWastePresent] = 1;
                        play.layout.SetFanSteps('B', def);
                        play.layout.TableLayout(play.ui.layoutInputs, def);
                        const std::string what =
                            std::string(info.name) + " = " + std::to_string(value) + " (" +
                            std::string(code.name) + ") in game " + std::to_string(gameId);
                        for (PileRef pile : PilesLaidOut(def))
                            EXPECT_TRUE(play.layout.OnTable(pile)) << what;

                        ASSERT_TRUE(StartGame(play.ctx, true, false, 0, true)) << what;
                        const std::map<int, int> deck = CardCounts(play.game);
                        std::vector<Move> moves;
                        for (int step = 0; step < 12 && play.game.flags.gameInProgress; ++step) {
                            LegalMoves(play.game, moves);
                            if (moves.empty()) break;
                            PlayMove(play.ctx, moves[static_cast<size_t>(play.random.Below(
                                                   static_cast<int>(moves.size())))]);
                            ASSERT_EQ(CardCounts(play.game), deck) << what << " step " << step;
                        }
                        ++played;
                    }
                }
            }
        }
    }
    EXPECT_GT(played, 600);
}

}  // namespace
}  // namespace tindle::test
