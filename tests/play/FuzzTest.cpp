// Definitions no catalogue game has: the rule fields that steer play drawn at random on top of
// Klondike and FreeCell, then played with random presses, drags, clicks and undos anywhere on
// the table. Whatever the rules, play must neither crash nor lose or double a card.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "PlayFixture.h"
#include "model/RuleCodes.h"
#include "play/Commands.h"
#include "play/NewGame.h"
#include "play/Pointer.h"
#include "support/RandomPlay.h"
#include "support/TableInvariants.h"

namespace tindle::test {
namespace {

template <size_t N>
int Pick(Random& random, const int (&values)[N]) {
    return values[static_cast<size_t>(random.Below(static_cast<int>(N)))];
}

// A value the table of codes names for the field (a range gives a value of its own, kept
// small and within the field), so that every named code of a family gets played.
int16_t AnyCode(Random& random, int field) {
    const RuleFamily* family = FamilyOfField(field);
    const GameDefFieldInfo* info = GameDefFieldAt(field);
    std::vector<const RuleCode*> codes;
    for (const RuleCode& c : family->codes) {
        if (c.first <= info->maximum && c.last >= info->minimum) codes.push_back(&c);
    }
    const RuleCode& c = *codes[static_cast<size_t>(random.Below(static_cast<int>(codes.size())))];
    const int first = std::max(c.first, info->minimum);
    const int last = std::min({c.last, info->maximum, first + 12});
    return static_cast<int16_t>(random.Between(first, last));
}

void Scramble(GameDef& def, Random& random) {
    for (gd::Field f : {gd::SpecialGame, gd::GroupSizeRule, gd::GroupRule, gd::FillRule,
                        gd::RedealMode, gd::StockPasses, gd::WasteAcceptsDrops,
                        gd::WasteNotDropTarget, gd::FoundationLift, gd::ReserveRule}) {
        def[f] = AnyCode(random, f);
    }
    def[gd::SelectionGame] = static_cast<int16_t>(random.Below(4) == 0);
    def[gd::ClickPlay] = static_cast<int16_t>(random.Below(6) == 0);
    def[gd::FillSkipGroups] = static_cast<int16_t>(random.Below(2));
    def[gd::FillSkipGroupSize] = static_cast<int16_t>(random.Below(3));
    def[gd::FillPhaseRule] = static_cast<int16_t>(random.Below(5) == 0);
    def[gd::FillAfterFirstMove] = static_cast<int16_t>(random.Below(5) == 0);
    def[gd::StockPasses] = static_cast<int16_t>(std::min<int>(def[gd::StockPasses], 3));
    def[gd::StockTurnCount] = static_cast<int16_t>(random.Between(1, 3));
    def[gd::WasteUsed] = static_cast<int16_t>(random.Below(2));
    def[gd::WasteLocked] = static_cast<int16_t>(random.Below(4) == 0);
    def[gd::ColumnMaxCards] = static_cast<int16_t>(Pick(random, (const int[]){-1, -1, 3}));
    def[gd::AutoFaceUp] = static_cast<int16_t>(random.Below(2));
    def[gd::GridRowWidth] = static_cast<int16_t>(random.Below(6));
    def[gd::TargetScore] = static_cast<int16_t>(random.Between(-60, 10));
    def[gd::SecondWasteArrangement] = static_cast<int16_t>(random.Below(3) == 0);
    def[gd::ScoreBonus] = static_cast<int16_t>(random.Below(3));
    for (int k = 0; k < kFilaPiles; ++k) {
        def.At(gd::TableauRule, k) = AnyCode(random, gd::TableauRule + k);
        def.At(gd::TableauDealCode, k) = AnyCode(random, gd::TableauDealCode + k);
        def.At(gd::TableauBase, k) = static_cast<int16_t>(random.Between(-1, 13));
        def.At(gd::WrapFlag, k) = AnyCode(random, gd::WrapFlag + k);
    }
    for (int j = 0; j < kDestPiles; ++j) {
        def.At(gd::FoundationRule, j) = AnyCode(random, gd::FoundationRule + j);
        def.At(gd::FoundationDirection, j) = static_cast<int16_t>(random.Below(3));
    }
    for (int i = 0; i < kAppoggPiles; ++i) {
        def.At(gd::ReserveKind, i) = AnyCode(random, gd::ReserveKind + i);
        def.At(gd::ReserveDealCode, i) = static_cast<int16_t>(random.Below(6));
    }
}

// A press, move and release of a random button anywhere on the table, or a double click.
void RandomPointerGesture(PlayContext& ctx, Random& random) {
    const int x = random.Below(1024);
    const int y = random.Below(768);
    const int roll = random.Below(10);
    if (roll == 0) {
        imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
        imgSfondoMouseUp(ctx, x, y);
        imgSfondoDblClick(ctx);
        imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
        imgSfondoMouseUp(ctx, x, y);
        return;
    }
    const MouseButton button =
        roll < 7 ? MouseButton::Left : (roll < 9 ? MouseButton::Right : MouseButton::Middle);
    imgSfondoMouseDown(ctx, button, random.Below(3) == 0, x, y);
    const int toX = random.Below(1024);
    const int toY = random.Below(768);
    imgSfondoMouseMove(ctx, (x + toX) / 2, (y + toY) / 2);
    imgSfondoMouseMove(ctx, toX, toY);
    imgSfondoMouseUp(ctx, toX, toY);
}

TEST(FuzzedDefinitions, NeverLoseOrDoubleACard) {
    Random rules(std::getenv("FUZZ_SEED")
                     ? static_cast<uint32_t>(std::atoi(std::getenv("FUZZ_SEED")))
                     : 2024);
    int gestures = 0;
    const int rounds = std::getenv("FUZZ_ROUNDS") ? std::atoi(std::getenv("FUZZ_ROUNDS")) : 160;
    for (int round = 0; round < rounds; ++round) {
        HeadlessPlay play(nullptr, static_cast<uint32_t>(round + 1));
        play.ui.autoplayTicked = round % 3 != 0;
        std::string error;
        const GameNumber number = *ParseGameNumber(std::to_string(7919 * round + 3));
        ASSERT_TRUE(
            play.Open(BuiltGamesDat(), round % 2 == 0 ? kKlondikeId : kFreecellId, number, error))
            << error;
        // The game dealt again under the scrambled rules.
        Scramble(play.game.def, rules);
        play.game.def[gd::ReserveCount] = static_cast<int16_t>(rules.Below(3));
        for (gd::Field f : {gd::TableauFanStyle, gd::ReserveFanStyle, gd::FoundationFanStyle})
            play.game.def[f] = AnyCode(rules, f);
        if (play.game.def[gd::ReserveArrangement] == 0) {
            play.game.def[gd::ReserveArrangement] = 4;
            play.game.def[gd::ReserveRow] = 3;
        }
        play.layout.SetFanSteps('B', play.game.def);
        play.layout.TableLayout(play.ui.layoutInputs, play.game.def);
        ASSERT_TRUE(StartGame(play.ctx, true, false, 0, true));
        const auto deck = CardCounts(play.game);
        for (int step = 0; step < 80; ++step) {
            if (!play.game.flags.gameInProgress) play.game.flags.gameInProgress = true;
            std::string what;
            if (step % 3 == 0) {
                what = RandomGesture(play.ctx, play.random).what;
            } else {
                what = "a pointer gesture";
                RandomPointerGesture(play.ctx, play.random);
            }
            ++gestures;
            std::map<int, int> now = CardCounts(play.game);
            ASSERT_EQ(now, deck) << "round " << round << " special "
                                 << play.game.def[gd::SpecialGame] << " step " << step << ": "
                                 << what;
        }
    }
    EXPECT_GE(gestures, 12000);
}

}  // namespace
}  // namespace tindle::test
