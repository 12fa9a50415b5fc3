// Definitions no catalogue game has: the rule fields that steer play drawn at random on top of
// Klondike and FreeCell, then played with random presses, drags, clicks and undos anywhere on
// the table. Whatever the rules, play must neither crash nor lose or double a card.

#include <gtest/gtest.h>

#include "PlayFixture.h"
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

void Scramble(GameDef& def, Random& random) {
    static const int kSpecial[] = {0,  1,  2,  3,  4,  8,  9,  12, 14, 15, 16, 17, 18,
                                   20, 21, 22, 23, 24, 25, 26, 27, 28, 31, 32, 33, 34,
                                   35, 37, 39, 40, 41, 43, 44, 45, 46, 47, 48, 49};
    static const int kGroupSize[] = {-1, -5, -6, -12, -13, -3, 0, 1, 3};
    static const int kRules[] = {0,  1,  2,  3,  6,  7,  10, 12, 17, 20, 22,
                                 26, 29, 34, 38, 40, 55, 70, 71, 72, 81, 92};
    static const int kReserveKinds[] = {0, 4, 8, 9, 12, 13, 81, 85, 88, 89, 90};
    def[gd::SpecialGame] = static_cast<int16_t>(Pick(random, kSpecial));
    def[gd::SelectionGame] = static_cast<int16_t>(random.Below(4) == 0);
    def[gd::ClickPlay] = static_cast<int16_t>(random.Below(6) == 0);
    def[gd::GroupSizeRule] = static_cast<int16_t>(Pick(random, kGroupSize));
    def[gd::GroupRule] = static_cast<int16_t>(Pick(random, (const int[]){0, 1, 10}));
    def[gd::FillRule] = static_cast<int16_t>(random.Below(11));
    def[gd::FillSkipGroups] = static_cast<int16_t>(random.Below(2));
    def[gd::FillSkipGroupSize] = static_cast<int16_t>(random.Below(3));
    def[gd::FillPhaseRule] = static_cast<int16_t>(random.Below(5) == 0);
    def[gd::FillAfterFirstMove] = static_cast<int16_t>(random.Below(5) == 0);
    def[gd::RedealMode] = static_cast<int16_t>(Pick(random, (const int[]){0, 0, 1, 6}));
    def[gd::StockPasses] = static_cast<int16_t>(random.Between(-1, 3));
    def[gd::StockTurnCount] = static_cast<int16_t>(random.Between(1, 3));
    def[gd::WasteUsed] = static_cast<int16_t>(random.Below(2));
    def[gd::WasteLocked] = static_cast<int16_t>(random.Below(4) == 0);
    def[gd::WasteAcceptsDrops] = static_cast<int16_t>(random.Below(3));
    def[gd::WasteNotDropTarget] = static_cast<int16_t>(Pick(random, (const int[]){0, 4}));
    def[gd::FoundationLift] = static_cast<int16_t>(random.Below(4));
    def[gd::ReserveRule] = static_cast<int16_t>(Pick(random, (const int[]){0, -11, -14}));
    def[gd::ColumnMaxCards] = static_cast<int16_t>(Pick(random, (const int[]){-1, -1, 3}));
    def[gd::AutoFaceUp] = static_cast<int16_t>(random.Below(2));
    def[gd::GridRowWidth] = static_cast<int16_t>(random.Below(6));
    def[gd::TargetScore] = static_cast<int16_t>(random.Between(-60, 10));
    def[gd::SecondWasteArrangement] = static_cast<int16_t>(random.Below(3) == 0);
    def[gd::ScoreBonus] = static_cast<int16_t>(random.Below(3));
    for (int k = 0; k < kFilaPiles; ++k) {
        def.At(gd::TableauRule, k) = static_cast<int16_t>(Pick(random, kRules));
        def.At(gd::TableauDealCode, k) = static_cast<int16_t>(random.Below(9));
        def.At(gd::TableauBase, k) = static_cast<int16_t>(random.Between(-1, 13));
        def.At(gd::WrapFlag, k) = static_cast<int16_t>(random.Below(3));
    }
    for (int j = 0; j < kDestPiles; ++j) {
        def.At(gd::FoundationRule, j) = static_cast<int16_t>(Pick(random, kRules));
        def.At(gd::FoundationDirection, j) = static_cast<int16_t>(random.Below(3));
    }
    for (int i = 0; i < kAppoggPiles; ++i) {
        def.At(gd::ReserveKind, i) = static_cast<int16_t>(Pick(random, kReserveKinds));
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
        play.game.def[gd::TableauFanStyle] =
            static_cast<int16_t>(Pick(rules, (const int[]){1, 1, 2, 3, 4, 6, 7, 8, 9}));
        play.game.def[gd::ReserveFanStyle] =
            static_cast<int16_t>(Pick(rules, (const int[]){1, 2, 3, 5}));
        play.game.def[gd::FoundationFanStyle] =
            static_cast<int16_t>(Pick(rules, (const int[]){3, 7}));
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
