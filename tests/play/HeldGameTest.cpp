// The game held at exit: written, read back and resumed exactly; anything damaged, cut short
// or played by rules that have changed since is discarded whole.

#include "PlayFixture.h"
#include "model/GameCompiler.h"
#include "model/LegalMoves.h"
#include "model/Snapshot.h"
#include "play/EndGame.h"
#include "play/HeldGame.h"
#include "play/NewGame.h"
#include "play/PlayHistory.h"
#include "play/PlayMove.h"
#include "shell/settings/SettingsInit.h"

namespace tindle::test {
namespace {

constexpr int kSeconds = 754;

class HeldGameTest : public PlayFixture {
  protected:
    // Deals the game, plays a fixed course of its legal moves (the first by the Demo when
    // `demo`) and takes the last one back, so that both histories hold something.
    void DealAndPlay(int gameId, const char* name, bool demo = false) {
        settings.SetDataFolder(dir.Path().string());
        ASSERT_TRUE(catalogue.Read(BuiltGamesDat()).Ok());
        settings.Put(field::GameId, ZeroPad(gameId, 4));
        settings.Put(field::GameName, name);
        settings.Put(field::GameNumber, "0000000004711");
        ASSERT_TRUE(LoadGame(ctx));
        ASSERT_TRUE(StartGame(ctx, true, false, kDealStoredNumber, true));
        TakeSnapshot(game, dealt);
        std::vector<Move> moves;
        for (int i = 0; i < 12; ++i) {
            LegalMoves(game, moves);
            if (moves.empty()) break;
            const Move& move = moves[static_cast<size_t>(i * 7) % moves.size()];
            if (demo && i == 0) {
                PlayDemoMove(ctx, move);
            } else {
                PlayMove(ctx, move);
            }
        }
        ASSERT_TRUE(UndoMove(ctx));
        ASSERT_GE(game.undo.Count(), 3);
    }

    // A second program: its own table, reading the same data folder.
    void OpenSecond(HeadlessPlay& second, const std::filesystem::path& gamesDat) {
        second.settings.SetDataFolder(dir.Path().string());
        ASSERT_TRUE(second.catalogue.Read(gamesDat).Ok());
    }

    TempDir dir;
    Snapshot dealt;
};

TEST_F(HeldGameTest, AMidGamePositionComesBackFieldByFieldAndUndoesToTheDeal) {
    for (auto [id, name] : {std::pair{kFreecellId, "Freecell"}, {kKlondikeId, "Klondike"}}) {
        SCOPED_TRACE(name);
        // The Demo's part in a game is held with it: a win of it stays no win of the player's.
        const bool demo = id == kKlondikeId;
        DealAndPlay(id, name, demo);
        ASSERT_TRUE(HoldGame(ctx, kSeconds));
        const HeldGame held = CaptureHeldGame(ctx, kSeconds);

        HeadlessPlay second;
        OpenSecond(second, BuiltGamesDat());
        std::string problem;
        const auto read = ReadHeldGame(second.settings, problem);
        ASSERT_TRUE(read) << problem;
        EXPECT_EQ(*read, held);
        ASSERT_TRUE(ResumeHeldGame(second.ctx, *read, problem)) << problem;

        const Game& resumed = second.game;
        EXPECT_EQ(resumed.piles, game.piles);
        for (int card = 1; card <= CardTable::kCards; ++card)
            EXPECT_EQ(resumed.cards.CardIsFaceDown(card), game.cards.CardIsFaceDown(card));
        EXPECT_EQ(resumed.def, game.def);
        EXPECT_EQ(resumed.undo, game.undo);
        EXPECT_EQ(resumed.redo, game.redo);
        EXPECT_EQ(resumed.counters, game.counters);
        EXPECT_EQ(second.ctx.session.undoActions, ctx.session.undoActions);
        EXPECT_EQ(second.ctx.session.redoCounters, ctx.session.redoCounters);
        EXPECT_EQ(second.ctx.session.statistics.demoPlayed, demo);
        for (SettingField f : {field::GameId, field::GameName, field::GameNumber, field::Score})
            EXPECT_EQ(second.settings.Get(f), settings.Get(f));
        // In progress, its clock stopped until the first move; taken again it is the same game.
        EXPECT_TRUE(resumed.flags.gameInProgress);
        EXPECT_FALSE(resumed.flags.clockRunning);
        EXPECT_EQ(CaptureHeldGame(second.ctx, kSeconds), held);

        // Redo and Undo step whole actions as before; Undo goes back to the deal.
        EXPECT_TRUE(RedoMove(second.ctx));
        while (UndoMove(second.ctx)) {
        }
        Snapshot back;
        TakeSnapshot(second.game, back);
        EXPECT_EQ(back, dealt);

        // The game ends (won or given up): it is not resumed again.
        EndGame(second.ctx);
        EXPECT_FALSE(std::filesystem::exists(HeldGamePath(settings)));
    }
}

TEST_F(HeldGameTest, ADamagedCutOrOutdatedHeldGameIsDiscardedWhole) {
    DealAndPlay(kFreecellId, "Freecell");
    const std::string text = HeldGameText(CaptureHeldGame(ctx, kSeconds));
    std::string problem;
    ASSERT_TRUE(ParseHeldGame(text, problem)) << problem;

    // Cut anywhere, or one digit of a pile changed: nothing reads.
    for (size_t cut : {size_t{0}, size_t{40}, text.size() / 2, text.size() - 20, text.size() - 1})
        EXPECT_FALSE(ParseHeldGame(text.substr(0, cut), problem)) << cut;
    std::string damaged = text;
    const size_t pile = damaged.find("\nP=0") + 5;
    damaged[pile] = damaged[pile] == '1' ? '2' : '1';
    EXPECT_FALSE(ParseHeldGame(damaged, problem));
    EXPECT_EQ(problem, "the file is damaged");

    // Read from DATA, a damaged file is reported and deleted.
    EnsureDataDirectory(settings);
    WriteFile(HeldGamePath(settings), damaged);
    EXPECT_FALSE(ReadHeldGame(settings, problem));
    EXPECT_FALSE(problem.empty());
    EXPECT_FALSE(std::filesystem::exists(HeldGamePath(settings)));

    // Rules of Freecell changed since it was held: it is not resumed, and nothing of it is
    // put on the table.
    const auto games = SourceDir() / "games";
    const CompileResult compiled = CompileGames(
        {{"freecell.game", ReadFile(games / "freecell.game") + "\nScreenClass = 2\n"}});
    ASSERT_TRUE(compiled.Ok());
    const auto changedDat = dir.Path() / "GAMES.DAT";
    ASSERT_TRUE(WriteFileReplacing(changedDat, GamesDatBytes(compiled.games)).Ok());
    HeadlessPlay second;
    OpenSecond(second, changedDat);
    const auto held = ParseHeldGame(text, problem);
    ASSERT_TRUE(held);
    EXPECT_FALSE(ResumeHeldGame(second.ctx, *held, problem));
    EXPECT_EQ(problem, "the rules of Freecell have changed since");
    EXPECT_FALSE(second.game.flags.gameInProgress);
    EXPECT_EQ(second.game.piles, Piles{});
    EXPECT_EQ(second.settings.Get(field::GameNumber), "");
}

}  // namespace
}  // namespace tindle::test
