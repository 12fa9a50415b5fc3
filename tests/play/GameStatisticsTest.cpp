// The player's statistics per game: what a win, a game given up, a held game and the Demo
// count, the file they are kept in, and a damaged file that starts afresh.

#include "PlayFixture.h"
#include "play/EndGame.h"
#include "play/GameStatistics.h"
#include "play/NewGame.h"
#include "play/PlayMove.h"
#include "shell/settings/StatisticsFiles.h"

namespace tindle::test {
namespace {

class GameStatisticsTest : public PlayFixture {
  protected:
    void SetUp() override {
        settings.SetDataFolder(dir.Path().string());
        settings.Put(field::ConfirmQuitGame, "N");
        UseGame(kKlondikeId);
        settings.Put(field::GameName, "Klondike");
        ctx.session.statistics.kept = true;
    }

    // A table one move from won: every card on the foundations but the King of hearts.
    void OneMoveFromWon() {
        StartEmpty();
        Put(Dest(1), {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12)});
        int d = 2;
        for (int suit : {kDiamonds, kClubs, kSpades}) {
            std::vector<int> cards;
            for (int rank = 1; rank <= 13; ++rank)
                cards.push_back(MakeCard(suit, rank));
            Put(Dest(d++), cards);
        }
        Put(Fila(1), {H(13)});
    }

    void Win(int seconds) {
        OneMoveFromWon();
        ui.clockSeconds = seconds;
        ASSERT_TRUE(PlayMove(ctx, {MoveKind::ToFoundation, 0, H(13)}));
        ASSERT_FALSE(game.flags.gameInProgress);
    }

    // A move that does not win, then New game.
    void PlayAndGiveUp() {
        OneMoveFromWon();
        ASSERT_TRUE(PlayMove(ctx, {MoveKind::ToColumn, 1, H(13)}));
        NewGameCommand(ctx);
    }

    // The next run of the program, on the same data folder.
    struct NextRun {
        explicit NextRun(const std::filesystem::path& folder) {
            play.settings.SetDataFolder(folder.string());
            play.settings.Put(field::GameId, ZeroPad(kKlondikeId, 4));
            play.ctx.session.statistics.kept = true;
        }
        RecordingMessages messages;
        HeadlessPlay play{&messages};
        PlayContext& ctx = play.ctx;
    };

    GameRecord Klondike() { return PlayerStatistics(ctx).Of(kKlondikeId); }
    std::filesystem::path File() const { return dir.Path() / "DATA" / "Stat_e00.dat"; }

    TempDir dir;
};

TEST_F(GameStatisticsTest, WinsLossesStreaksAndBestsAreCountedAndKeptInTheFile) {
    EXPECT_FALSE(StatisticsPresent(dir.Path()));
    Win(300);
    EXPECT_EQ(Klondike(), (GameRecord{1, 1, 1, 1, 300, 208}));
    EXPECT_EQ(messages.information.back(), "Won in 0:05:00 \u2014 1 of 1 won, streak 1");
    EXPECT_TRUE(StatisticsPresent(dir.Path()));

    Win(200);
    EXPECT_EQ(Klondike(), (GameRecord{2, 2, 2, 2, 200, 208}));
    EXPECT_EQ(messages.information.back(), "Won in 0:03:20 \u2014 2 of 2 won, streak 2");

    // A game played and given up is lost; one given up before any move counts nothing, and
    // neither does the deal that follows (nor the autoplay after it).
    PlayAndGiveUp();
    ui.autoplayTicked = true;
    EXPECT_EQ(Klondike(), (GameRecord{3, 2, 0, 2, 200, 208}));
    NewGameCommand(ctx);
    RestartGameCommand(ctx);
    EXPECT_EQ(Klondike().played, 3);

    Win(4000);
    EXPECT_EQ(Klondike(), (GameRecord{4, 3, 1, 2, 200, 208}));
    EXPECT_EQ(messages.information.back(), "Won in 1:06:40 \u2014 3 of 4 won, streak 1");

    // The Demo's win of a game the player moved in is played, not won, and ends the streak; a
    // deal the Demo wins alone was only watched and counts nothing.
    ui.autoplayTicked = false;
    OneMoveFromWon();
    ASSERT_TRUE(PlayMove(ctx, {MoveKind::ToColumn, 1, H(13)}));
    ASSERT_TRUE(PlayDemoMove(ctx, {MoveKind::ToFoundation, 0, H(13)}));
    EXPECT_EQ(Klondike(), (GameRecord{5, 3, 0, 2, 200, 208}));
    EXPECT_EQ(WinRateText(Klondike()), "60%");
    OneMoveFromWon();
    ASSERT_TRUE(PlayDemoMove(ctx, {MoveKind::ToFoundation, 0, H(13)}));
    EXPECT_FALSE(game.flags.gameInProgress);
    EXPECT_EQ(Klondike(), (GameRecord{5, 3, 0, 2, 200, 208}));
    EXPECT_EQ(messages.information.back(), "The Demo won in 1:06:40 \u2014 3 of 5 won, streak 0");
    // Of a game never played there is no record to tell.
    EXPECT_EQ(DemoWonLine(GameRecord{}, 48), "The Demo won in 0:00:48");

    // What the file holds reads back as the statistics in play.
    std::string problem;
    const auto read = ParseStatistics(ReadFile(File()), problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(*read, PlayerStatistics(ctx));
    EXPECT_EQ(read->unfinished, -1);

    ResetStatistics(ctx);
    EXPECT_EQ(ParseStatistics(ReadFile(File()), problem), Statistics{});
}

TEST_F(GameStatisticsTest, AHeldGameIsCountedOnceAndAGameLeftUnfinishedIsLost) {
    Win(100);
    OneMoveFromWon();
    ASSERT_TRUE(PlayMove(ctx, {MoveKind::ToColumn, 1, H(13)}));
    EXPECT_EQ(Klondike().played, 2);

    // The next run resumes it (the window holds it at close): its moves count nothing more,
    // and giving it up then loses it.
    NextRun next(dir.Path());
    next.play.game.flags.gameInProgress = true;
    StatisticsAtStart(next.ctx, kKlondikeId);
    StatisticsMoveMade(next.ctx);
    EXPECT_EQ(PlayerStatistics(next.ctx).Of(kKlondikeId), (GameRecord{2, 1, 1, 1, 100, 208}));
    EXPECT_FALSE(StatisticsGameEnded(next.ctx, false, 0));
    EXPECT_EQ(PlayerStatistics(next.ctx).Of(kKlondikeId), (GameRecord{2, 1, 0, 1, 100, 208}));

    // Unfinished without a held game (the program was killed): lost at the next start.
    ASSERT_TRUE(PlayMove(ctx, {MoveKind::ToColumn, 2, H(13)}));
    NewGameCommand(ctx);
    OneMoveFromWon();
    Win(50);
    OneMoveFromWon();
    ASSERT_TRUE(PlayMove(ctx, {MoveKind::ToColumn, 1, H(13)}));
    NextRun killed(dir.Path());
    StatisticsAtStart(killed.ctx, -1);
    EXPECT_EQ(PlayerStatistics(killed.ctx).unfinished, -1);
    EXPECT_EQ(PlayerStatistics(killed.ctx).Of(kKlondikeId).currentStreak, 0);
}

TEST_F(GameStatisticsTest, ADamagedOrCutFileStartsAfreshWithAMessageAndTouchesNoOtherFile) {
    Statistics sound;
    CountPlayed(sound, 2);
    CountWon(sound, 2, 75, 40);
    const std::string text = StatisticsText(sound);
    std::string problem;
    ASSERT_EQ(ParseStatistics(text, problem), sound);

    const std::string bad[] = {
        "",
        "garbage\n",
        text.substr(0, text.size() - 5),                           // cut inside the last line
        text.substr(0, text.find("Game=")),                        // cut after a whole line
        "Tindle statistics\nVersion=9\nUnfinished=-1\nGames=0\n",  // another version
        "Tindle statistics\nVersion=1\nUnfinished=-1\nGames=1\nGame=2 1 2 0 0 5 -\n",
        "Tindle statistics\nVersion=1\nUnfinished=-1\nGames=1\nGame=2 3 1 1 0 5 -\n",
        "Tindle statistics\nVersion=1\nUnfinished=-1\nGames=1\nGame=2 3 1 1 1 - -\n",
        "Tindle statistics\nVersion=1\nUnfinished=-1\nGames=2\nGame=2 0 0 0 0 - -\n"
        "Game=2 0 0 0 0 - -\n",
        std::string(2 * 1024 * 1024, '\n'),
    };
    std::filesystem::create_directories(File().parent_path());
    for (const std::string& damaged : bad) {
        SCOPED_TRACE(damaged.substr(0, 80));
        WriteFile(File(), damaged);
        WriteFile(dir.Path() / "DATA" / "Stat_e07.dat", "another player");
        NextRun fresh(dir.Path());
        EXPECT_EQ(PlayerStatistics(fresh.ctx), Statistics{});
        ASSERT_EQ(fresh.messages.information.size(), 1u);
        EXPECT_NE(fresh.messages.information[0].find("Stat_e00.dat cannot be used"),
                  std::string::npos);
        EXPECT_EQ(ParseStatistics(ReadFile(File()), problem), Statistics{});
        EXPECT_EQ(ReadFile(dir.Path() / "DATA" / "Stat_e07.dat"), "another player");
    }
}

}  // namespace
}  // namespace tindle::test
