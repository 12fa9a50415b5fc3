#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "model/GameEnd.h"
#include "model/LegalMoves.h"
#include "play/GameStatistics.h"
#include "play/HeadlessPlay.h"
#include "play/KeyboardPlay.h"
#include "play/MoveExecutor.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/PlayMove.h"
#include "play/PlayUi.h"
#include "play/TableView.h"
#include "shell/BackgroundSolve.h"
#include "shell/DemoCommand.h"
#include "shell/HintCommand.h"
#include "solve/Solver.h"
#include "support/QtTestApp.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

// An Aces Up deal whose whole space the solver does not get through in a minute.
constexpr int kAcesUp = 11;
constexpr int kLongDeal = 1;

void Open(HeadlessPlay& play, int gameId, int number) {
    std::string error;
    ASSERT_TRUE(play.Open(test::ProgramDir() / "GAMES.DAT", gameId,
                          *ParseGameNumber(std::to_string(number)), error))
        << error;
}

// The window's events run until `done` holds or `ms` have passed; the time it took.
long RunEventsUntil(const std::function<bool()>& done, long ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return static_cast<long>(clock.elapsed());
}

// Hint's search (and Demo's) off the window's thread: a dealt FreeCell is answered with a
// shortened line and a move the player may make there; a move made while a long search runs stops
// it at once, and its answer never comes.
TEST(BackgroundSolve, AnswersALegalMoveAndAMoveMadeMeanwhileStopsTheSearch) {
    test::QtTestApp();
    HeadlessPlay play;
    Open(play, 1, 1);
    BackgroundSolve solve(play.ctx, nullptr);
    std::optional<SolveResult> answer;
    solve.Start(5000, [&](const SolveResult& r) { answer = r; });
    // A call that moves nothing (a drop refused at the deal's start) leaves the table as asked.
    const int firstMoveMark = play.game.counters.firstMoveMark;
    EXPECT_FALSE(Execute(play.ctx, {MoveKind::TurnToWaste, 0, 0}));
    ASSERT_NE(play.game.counters.firstMoveMark, firstMoveMark);
    RunEventsUntil([&] { return answer.has_value(); }, 30'000);
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(solve.Busy());
    EXPECT_EQ(answer->verdict, SolveVerdict::Won);
    // The line comes shortened: the search's own line of this deal is longer.
    EXPECT_LT(answer->moves.size(), Solve(play.ctx, {4'000'000, 5000}).moves.size());
    ASSERT_TRUE(answer->firstMove.has_value());
    std::vector<Move> legal;
    LegalMoves(play.game, legal);
    EXPECT_NE(std::find(legal.begin(), legal.end(), *answer->firstMove), legal.end());

    HeadlessPlay acesUp;
    Open(acesUp, kAcesUp, kLongDeal);
    // Asked again about the same position while its search runs, the search goes on and
    // answers at its own end: one started anew would search its whole budget from the second
    // asking (this deal is not decided within it).
    {
        constexpr long kBudget = 2000;
        BackgroundSolve solveTwice(acesUp.ctx, nullptr);
        int answers = 0;
        solveTwice.Start(kBudget, [&](const SolveResult&) { answers += 100; });
        RunEventsUntil([] { return false; }, kBudget * 3 / 4);
        solveTwice.Start(kBudget, [&](const SolveResult&) { ++answers; });
        const long waited = RunEventsUntil([&] { return answers > 0; }, 30'000);
        EXPECT_EQ(answers, 1);
        EXPECT_LT(waited, kBudget);
        // Asked again once answered, the same answer comes at once; after a move, only a new
        // search answers.
        solveTwice.Start(kBudget, [&](const SolveResult&) { ++answers; });
        EXPECT_EQ(answers, 2);
        LegalMoves(acesUp.game, legal);
        ASSERT_FALSE(legal.empty());
        ASSERT_TRUE(PlayMove(acesUp.ctx, legal.front()));
        solveTwice.Start(kBudget, [&](const SolveResult&) { ++answers; });
        EXPECT_EQ(answers, 2);
        EXPECT_TRUE(solveTwice.Busy());
        ASSERT_TRUE(UndoMove(acesUp.ctx));
    }
    BackgroundSolve longSearch(acesUp.ctx, nullptr);
    std::optional<SolveResult> late;
    longSearch.Start(60'000, [&](const SolveResult& r) { late = r; });
    EXPECT_TRUE(longSearch.Busy());
    LegalMoves(acesUp.game, legal);
    ASSERT_FALSE(legal.empty());
    ASSERT_TRUE(PlayMove(acesUp.ctx, legal.front()));
    const long stopped = RunEventsUntil([&] { return !longSearch.Busy(); }, 30'000);
    EXPECT_FALSE(longSearch.Busy());
    EXPECT_LT(stopped, 5'000);
    RunEventsUntil([] { return false; }, 3 * BackgroundSolve::kWatchMs);
    EXPECT_FALSE(late.has_value());
}

// What Hint draws on the table: the move's places inverted, and after the move's moment the
// table repainted (or the places inverted back).
struct HintDrawing : QuietTableView {
    int shown = 0;
    int takenBack = 0;
    int repainted = 0;
    void InvertCard(const TableRect&, bool on) override { ++(on ? shown : takenBack); }
    void RepaintTable(bool) override { ++repainted; }
};

// Hint brings its move into view before showing it: where both places fit in the view, and
// then at least the card the move takes. Nothing of it is drawn while the table is being
// animated (a deal drawn card by card, the winning animation), whose waits let the window's
// events run, or while the mouse holds cards: an answer that comes meanwhile is shown at the
// animation's end or the release, and the table is given back after an animation too.
TEST(BackgroundSolve, HintRevealsBothPlacesThenTheCardTakenAndWaitsForAFreeTable) {
    test::QtTestApp();
    HeadlessPlay play;
    Open(play, 1, 1);
    HintDrawing drawing;
    PlayContext ctx{play.game,   play.settings,     play.layout, play.catalogue, drawing,
                    play.sounds, play.ctx.messages, play.time,   play.random,    play.ui};
    HintCommand hint(ctx, nullptr);
    std::vector<TableRect> revealed;
    hint.reveal = [&](const TableRect& r) { revealed.push_back(r); };
    // The same deal dealt again (it lies as asked about) while the search runs.
    play.ui.inputRouting = InputRouting::SwallowInput;
    hint.Run();
    RunEventsUntil([] { return false; }, 2000);
    EXPECT_TRUE(revealed.empty());
    EXPECT_EQ(drawing.shown, 0);
    play.ui.inputRouting = InputRouting::Normal;
    play.game.pointer.dragCard = PileTop(play.game.piles.fila[0]);
    RunEventsUntil([] { return false; }, 4 * BackgroundSolve::kWatchMs);
    EXPECT_TRUE(revealed.empty());
    play.game.pointer.dragCard = 0;
    RunEventsUntil([&] { return !revealed.empty(); }, 30'000);
    ASSERT_EQ(revealed.size(), 2u);
    const TableRect& both = revealed[0];
    const TableRect& taken = revealed[1];
    EXPECT_FALSE(taken.Empty());
    EXPECT_GT(both.Width() * both.Height(), taken.Width() * taken.Height());
    EXPECT_EQ(both.United(taken), both);
    EXPECT_GT(drawing.shown, 0);

    // Asked again while shown: the first picture goes before the second is drawn, and only
    // the second is taken back after its moment.
    const int inverted = drawing.shown;
    hint.Run();
    RunEventsUntil([&] { return drawing.shown == 2 * inverted; }, 30'000);
    EXPECT_EQ(drawing.repainted, 1);

    // The winning animation running (or the same deal dealt again) when the move's moment is
    // over: the table is then drawn as it lies, not inverted back over a new picture.
    play.ui.inputRouting = InputRouting::AnimationInterrupt;
    RunEventsUntil([] { return false; }, HintCommand::kShownMs + 300);
    EXPECT_EQ(drawing.repainted, 1);
    play.ui.inputRouting = InputRouting::Normal;
    RunEventsUntil([&] { return drawing.repainted > 1; }, 2000);
    RunEventsUntil([] { return false; }, 300);
    EXPECT_EQ(drawing.repainted, 2);
    EXPECT_EQ(drawing.takenBack, 0);
}

// Demo takes over from the keyboard and plays the solver's line to the win, each move brought
// into view before it is played and followed by the window (which fits its table to the piles
// and redraws the keyboard's marks).
TEST(BackgroundSolve, DemoPlaysTheLineToTheWinRevealingAndFollowingEachMove) {
    test::QtTestApp();
    HeadlessPlay play;
    Open(play, 1, 1);
    // Cards lifted with the keys (the focus on a column, lifted).
    ASSERT_TRUE(TableKeyPress(play.ctx, TableKey::Next));
    while (FocusedPile(play.ctx)->kind != PileKind::Fila)
        ASSERT_TRUE(TableKeyPress(play.ctx, TableKey::Next));
    ASSERT_TRUE(TableKeyPress(play.ctx, TableKey::Activate));
    ASSERT_TRUE(LiftedBlock(play.ctx));
    // The player's statistics kept: a deal only watched through the Demo counts nothing.
    test::TempDir data;
    play.settings.SetDataFolder(data.Path().string());
    play.ctx.session.statistics.kept = true;
    DemoCommand demo(play.ctx, nullptr);
    demo.stepMs = 0;
    std::vector<TableRect> revealed;
    demo.reveal = [&](const TableRect& r) { revealed.push_back(r); };
    size_t followed = 0;
    demo.changed = [&] {
        // The start first, then each move once it is played, before the next is revealed.
        EXPECT_EQ(revealed.size(), 2 * followed);
        EXPECT_FALSE(LiftedBlock(play.ctx));
        EXPECT_FALSE(FocusedPile(play.ctx));
        ++followed;
    };
    demo.Run();
    RunEventsUntil([&] { return IsGameWon(play.game, play.settings); }, 60'000);
    EXPECT_TRUE(IsGameWon(play.game, play.settings));
    EXPECT_FALSE(demo.Running());
    EXPECT_EQ(PlayerStatistics(play.ctx).Of(1).played, 0);
    ASSERT_GT(revealed.size(), 2u);
    ASSERT_EQ(revealed.size() % 2, 0u);
    EXPECT_EQ(followed, revealed.size() / 2 + 1);
    for (size_t i = 0; i < revealed.size(); i += 2)
        EXPECT_EQ(revealed[i].United(revealed[i + 1]), revealed[i]) << "move " << i / 2;
}

// A position lost only while autoplay is on is told from one lost either way: Canfield 11 is
// lost with autoplay (it sends home a card the columns need) and won without it; Beleaguered
// Castle 1062315912060 is lost without any move.
TEST(BackgroundSolve, TellsALossWithAutoplayFromALossOfTheDeal) {
    test::QtTestApp();
    for (const auto& [gameId, number, onlyWithAutoplay] :
         {std::tuple{4, 11LL, true}, std::tuple{7, 1062315912060LL, false}}) {
        HeadlessPlay play;
        play.ui.autoplayTicked = true;
        std::string error;
        ASSERT_TRUE(play.Open(test::ProgramDir() / "GAMES.DAT", gameId,
                              *ParseGameNumber(std::to_string(number)), error))
            << error;
        BackgroundSolve solve(play.ctx, nullptr);
        std::optional<SolveAnswer> answer;
        solve.Start(60'000, [&](const SolveAnswer& r) { answer = r; });
        RunEventsUntil([&] { return answer.has_value(); }, 120'000);
        ASSERT_TRUE(answer.has_value()) << "game " << gameId;
        EXPECT_EQ(answer->verdict, SolveVerdict::Lost) << "game " << gameId;
        EXPECT_EQ(answer->lostWithAutoplayOnly, onlyWithAutoplay) << "game " << gameId;
        EXPECT_EQ(std::string(NoWinningMoveText(*answer)),
                  onlyWithAutoplay ? kNoWinningMoveWithAutoplay : kNoWinningMove);
    }
}

}  // namespace
}  // namespace tindle
