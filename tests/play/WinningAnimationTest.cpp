// The winning animation's frame: pattern choice, duration, interruption, the cards it stamps
// and the preferences it reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "play/WinningAnimation.h"
#include "play/WinningAnimationFakes.h"
#include "shell/settings/PreferencesFile.h"

namespace tindle::test {
namespace {

constexpr std::array<WinningPattern, 6> kAllPatterns{
    WinningPattern::OpenOrder, WinningPattern::LeftToRight, WinningPattern::UpToDown,
    WinningPattern::Festoons,  WinningPattern::Lines,       WinningPattern::Circles};

std::string NameOf(WinningPattern p) {
    return std::string(WinningPatternName(p));
}

class EveryPattern : public ::testing::TestWithParam<WinningPattern> {};
INSTANTIATE_TEST_SUITE_P(WinningAnimation, EveryPattern, ::testing::ValuesIn(kAllPatterns),
                         [](const auto& info) {
                             std::string name = NameOf(info.param);
                             std::erase(name, ' ');
                             return name;
                         });

TEST_P(EveryPattern, RunsItsTimeWithCardsOneToFiftyOneAndClearsTheFlagAtTheEnd) {
    AnimationBench bench;
    uint64_t start = bench.clock.now;
    EXPECT_EQ(bench.Play(NameOf(GetParam()), 5), GetParam());

    EXPECT_FALSE(bench.game.flags.animationRunning);
    ASSERT_GT(bench.view.stamps.size(), 20u);
    EXPECT_EQ(bench.view.stampsWhileStopped, 0);
    // One card at a time, each on the window and into the table picture; nothing repainted
    // as a whole.
    EXPECT_EQ(bench.view.otherDrawing, 0);
    for (const Stamp& s : bench.view.stamps) {
        ASSERT_GE(s.card, 1);
        ASSERT_LE(s.card, 51);
    }
    // Ends once the 5 seconds are over: the last pass may finish, but not run much longer.
    EXPECT_GE(bench.clock.now - start, 5000u);
    EXPECT_LT(bench.view.stamps.front().time - start, 5000u);
    EXPECT_LT(bench.clock.now - start, 5000u + 30000u);
}

TEST_P(EveryPattern, ClearingTheFlagStopsBeforeTheNextCard) {
    for (int interruptAt : {1, 2, 7}) {
        AnimationBench bench;
        size_t stampsAtInterrupt = 0;
        int runs = 0;
        bench.clock.onEvents = [&] {
            if (++runs == interruptAt) {
                bench.game.flags.animationRunning = false;
                stampsAtInterrupt = bench.view.stamps.size();
            }
        };
        uint64_t start = bench.clock.now;
        bench.Play(NameOf(GetParam()), 600);
        ASSERT_GE(runs, interruptAt);
        EXPECT_EQ(bench.view.stamps.size(), stampsAtInterrupt) << "interrupted at " << interruptAt;
        EXPECT_EQ(bench.view.stampsWhileStopped, 0);
        EXPECT_FALSE(bench.game.flags.animationRunning);
        EXPECT_LT(bench.clock.now - start, 60000u);
    }
}

TEST(WinningAnimation, ZeroSecondsStillRunsTheFirstPass) {
    for (WinningPattern single :
         {WinningPattern::OpenOrder, WinningPattern::LeftToRight, WinningPattern::UpToDown}) {
        AnimationBench bench;
        bench.Play(NameOf(single), 0);
        EXPECT_EQ(bench.view.stamps.size(), 1u) << NameOf(single);
    }
    // The other three: one card's run, so every stamp shows the same card.
    for (WinningPattern pass :
         {WinningPattern::Festoons, WinningPattern::Lines, WinningPattern::Circles}) {
        AnimationBench bench;
        bench.Play(NameOf(pass), 0);
        const auto& stamps = bench.view.stamps;
        ASSERT_GT(stamps.size(), 3u) << NameOf(pass);
        EXPECT_TRUE(std::all_of(stamps.begin(), stamps.end(), [&](const Stamp& s) {
            return s.card == stamps[0].card;
        })) << NameOf(pass);
    }
    AnimationBench negative;
    negative.Play("Open order", -5);
    EXPECT_EQ(negative.view.stamps.size(), 1u);
}

TEST(WinningAnimation, RandomChoosesOnlyAmongTheFirstThreePatterns) {
    std::array<int, 6> seen{};
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        AnimationBench bench(seed);
        ++seen[static_cast<size_t>(bench.Play(kRandomPatternName, 0))];
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(seen[i], 70) << i;
    for (int i = 3; i < 6; ++i)
        EXPECT_EQ(seen[i], 0) << i;
    // A name that is no pattern counts as "(Random)".
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        AnimationBench bench(seed);
        EXPECT_LT(static_cast<int>(bench.Play("Spirals", 0)), 3);
    }
}

TEST(WinningAnimation, NeverStampsTheKingOfSpadesButEveryOtherFirstDeckCard) {
    AnimationBench bench;
    bench.Play("Open order", 20);
    std::set<int> cards;
    for (const Stamp& s : bench.view.stamps)
        cards.insert(s.card);
    EXPECT_EQ(cards.size(), 51u);
    EXPECT_EQ(*cards.begin(), 1);
    EXPECT_EQ(*cards.rbegin(), 51);
}

TEST(WinningAnimation, PatternNamesAreFoundWhateverTheirCase) {
    for (WinningPattern p : kAllPatterns)
        EXPECT_EQ(WinningPatternFromName(NameOf(p)), p);
    EXPECT_EQ(WinningPatternFromName("  left TO right "), WinningPattern::LeftToRight);
    EXPECT_EQ(WinningPatternFromName("(Random)"), std::nullopt);
    EXPECT_EQ(WinningPatternFromName(""), std::nullopt);
}

TEST(WinningAnimation, TakesPatternAndTimeFromTheRecordAtEveryStartNotFromTheFile) {
    AnimationBench bench;
    bench.settings.options.winningAnimation = "Lines";
    bench.settings.options.winningSeconds = 2;
    // The file says otherwise: it was read at start, play does not open it.
    std::filesystem::create_directories(PreferencesPath(bench.settings).parent_path());
    {
        PreferencesFile prefs(PreferencesPath(bench.settings));
        ASSERT_TRUE(prefs.WriteString(section::Preference, "Winning_Animations", "Festoons"));
        ASSERT_TRUE(prefs.WriteInteger(section::Preference, "Winning_Animations_Time", 9));
    }
    uint64_t start = bench.clock.now;
    EXPECT_EQ(bench.Play(std::nullopt, std::nullopt), WinningPattern::Lines);
    EXPECT_GE(bench.clock.now - start, 2000u);
    EXPECT_LT(bench.clock.now - start, 4000u);

    // Changed between two wins: the next animation follows the record.
    bench.settings.options.winningAnimation = "Circles";
    EXPECT_EQ(bench.Play(std::nullopt, 0), WinningPattern::Circles);
    // A name given by the caller takes the preference's place; the time is still the record's.
    start = bench.clock.now;
    EXPECT_EQ(bench.Play("Up to down", std::nullopt), WinningPattern::UpToDown);
    EXPECT_GE(bench.clock.now - start, 2000u);
    EXPECT_LT(bench.clock.now - start, 4000u);
}

TEST(WinningAnimation, WithoutAPreferencesFileRunsARandomPatternForThirtySeconds) {
    AnimationBench bench;
    uint64_t start = bench.clock.now;
    EXPECT_LT(static_cast<int>(bench.Play(std::nullopt, std::nullopt)), 3);
    EXPECT_GE(bench.clock.now - start, 30000u);
    EXPECT_LT(bench.view.stamps.back().time - start, 31000u);
}

TEST(WinningAnimation, OpenOrderPausesHalfTheCardSpeedAndLetsEventsRunEveryFifthCard) {
    AnimationBench bench(3, /*speed=*/9);  // half of 9, rounded to even: 4 ms
    int stampsAtEvents = -1;
    bench.clock.onEvents = [&] {
        if (stampsAtEvents < 0) stampsAtEvents = static_cast<int>(bench.view.stamps.size());
    };
    uint64_t start = bench.clock.now;
    bench.Play("Open order", 1);
    EXPECT_EQ(stampsAtEvents, 5);
    // 1000 ms of 4 ms pauses, one per five cards.
    EXPECT_EQ(bench.clock.now - start, 1000u);
    EXPECT_EQ(bench.view.stamps.size(), 250u * 5u);
    // Cards land anywhere from half a card beyond the top-left corner to the far edges.
    for (const Stamp& s : bench.view.stamps) {
        ASSERT_GE(s.x, -36);
        ASSERT_LT(s.x, 800);
        ASSERT_GE(s.y, -48);
        ASSERT_LT(s.y, 600);
    }
}

TEST(WinningAnimation, WaitAtTheEndOfARowEndsAtOnceWhenInterrupted) {
    AnimationBench bench;
    uint64_t clearedAt = 0;
    bench.clock.onEvents = [&] {
        // Pauses between cards are a few ms; this long after a card the row-end wait runs.
        const auto& stamps = bench.view.stamps;
        if (clearedAt == 0 && !stamps.empty() && bench.clock.now - stamps.back().time >= 100) {
            bench.game.flags.animationRunning = false;
            clearedAt = bench.clock.now;
        }
    };
    bench.Play("Left to right", 60);
    ASSERT_NE(clearedAt, 0u);
    EXPECT_EQ(bench.clock.now, clearedAt);
}

}  // namespace
}  // namespace tindle::test
