#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <initializer_list>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "model/Card.h"
#include "model/LegalMoves.h"
#include "model/MoveText.h"
#include "play/HeadlessPlay.h"
#include "play/PlayMove.h"
#include "solve/LineShortening.h"
#include "solve/NestedSearch.h"
#include "solve/Solver.h"
#include "solve/StockCycle.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

// A few wins per game keep the run short enough for the sanitizer build; the share of deals won
// over many numbers is measured by the benchmark and `tindle-cli solve --range`, not here. Aces
// Up wins about one deal in ten, hence the forty numbers.
constexpr int kWinsPerGame = 3;
constexpr int kNumbersPerGame = 40;
// A budget in positions, not in time, so that the verdicts do not depend on the machine.
constexpr SolveBudget kBudget{20'000, 1'000'000};

// The one-pass stock games are won by the nested search the solver turns to when its
// depth-first search has not decided, which needs more positions. Forty Thieves is won in few
// deals: it is tried on three numbers of 1-60 that the solver wins within this budget, so the run
// stays short (a change of the search's order may win others: pick them again then).
constexpr SolveBudget kOnePassBudget{150'000, 1'000'000};

struct Trial {
    SolveBudget budget = kBudget;
    std::vector<int> numbers;
};

Trial TrialFor(int gameId) {
    Trial trial;
    if (gameId == 5 || gameId == 10) trial.budget = kOnePassBudget;
    if (gameId == 5) {
        trial.numbers = {11, 20, 21};
    } else {
        for (int n = 1; n <= kNumbersPerGame; ++n)
            trial.numbers.push_back(n);
    }
    return trial;
}

GameNumber Number(int n) {
    return *ParseGameNumber(std::to_string(n));
}

void Open(HeadlessPlay& play, int gameId, int number) {
    std::string error;
    ASSERT_TRUE(play.Open(test::ProgramDir() / "GAMES.DAT", gameId, Number(number), error))
        << error;
}

// The solution played again on a fresh deal of the same number, move by move as the player
// makes them.
void ExpectReplayWins(int gameId, int number, const std::vector<Move>& moves,
                      bool autoplay = false) {
    HeadlessPlay replay;
    replay.ui.autoplayTicked = autoplay;
    Open(replay, gameId, number);
    for (size_t i = 0; i < moves.size(); ++i) {
        ASSERT_FALSE(replay.ctx.session.lastGameWon) << "won before move " << i;
        ASSERT_TRUE(PlayMove(replay.ctx, moves[i]))
            << "game " << gameId << " number " << number << ": move " << i << " "
            << MoveText(moves[i]) << " refused";
    }
    EXPECT_TRUE(replay.ctx.session.lastGameWon) << "game " << gameId << " number " << number;
}

// Every game of the catalogue: wins for kWinsPerGame of its first numbers, each replayed,
// and the game given back as it was dealt. The player's statistics, kept as in the window,
// count none of the search's moves and wins, and the game before, won, counts as none of the
// search's wins.
TEST(Solver, WinsEveryCatalogueGameAndItsSolutionsReplay) {
    HeadlessPlay catalogue;
    Open(catalogue, 1, 1);
    const test::TempDir data;
    for (const CatalogueEntry& entry : catalogue.catalogue.Entries()) {
        int wins = 0;
        int lost = 0;
        const Trial trial = TrialFor(entry.gameId);
        for (const int n : trial.numbers) {
            if (wins == kWinsPerGame) break;
            HeadlessPlay play;
            Open(play, entry.gameId, n);
            play.settings.SetDataFolder(data.Path().string());
            play.ctx.session.statistics.kept = true;
            play.ctx.session.lastGameWon = true;
            const Piles dealt = play.game.piles;
            const SolveResult result = Solve(play.ctx, trial.budget);
            EXPECT_EQ(play.game.piles, dealt) << "game " << entry.gameId << " number " << n;
            EXPECT_TRUE(play.game.flags.gameInProgress);
            EXPECT_TRUE(play.ctx.session.lastGameWon);
            if (result.verdict == SolveVerdict::Lost) ++lost;
            if (result.verdict != SolveVerdict::Won) continue;
            ++wins;
            EXPECT_EQ(result.firstMove, result.moves.front());
            ExpectReplayWins(entry.gameId, n, result.moves);
        }
        EXPECT_EQ(wins, kWinsPerGame) << "game " << entry.gameId << " (" << lost << " lost)";
    }
    EXPECT_TRUE(std::filesystem::is_empty(data.Path())) << "a search wrote to the data folder";
}

// Klondike number 7: the depth-first searches spend millions of positions on it, the beam pass
// wins it within its share of a quarter of a million; its line replays.
TEST(Solver, TheBeamWinsADealTheDepthFirstSearchesLeaveAndItsLineReplays) {
    HeadlessPlay play;
    Open(play, 2, 7);
    const SolveResult result = Solve(play.ctx, {250'000, 1'000'000});
    ASSERT_EQ(result.verdict, SolveVerdict::Won) << result.positions << " positions";
    ExpectReplayWins(2, 7, result.moves);
}

// The nested search plays the same line for the same deal and seed, and gives the game back as
// dealt; a deep search, which would run for hours, stops soon after its cancel is set.
TEST(Solver, NestedSearchRepeatsItsLineAndStopsWhenCancelled) {
    HeadlessPlay play;
    Open(play, 10, 1);
    const Piles dealt = play.game.piles;
    const NestedResult first = NestedSearch(play.ctx, 1, kOnePassBudget);
    ASSERT_TRUE(first.won);
    EXPECT_EQ(play.game.piles, dealt);
    EXPECT_EQ(NestedSearch(play.ctx, 1, kOnePassBudget).moves, first.moves);
    ExpectReplayWins(10, 1, first.moves);

    std::atomic<bool> cancel{false};
    std::thread stop([&cancel] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        cancel = true;
    });
    const NestedResult stopped = NestedSearch(play.ctx, 3, {1'000'000'000, 1'000'000'000}, &cancel);
    stop.join();
    EXPECT_LT(stopped.milliseconds, 5'000);
    EXPECT_EQ(play.game.piles, dealt);
}

// With autoplay on, the solver plays the line the player sees: its autoplay included.
TEST(Solver, WithAutoplayOnTheSolutionReplaysWithAutoplay) {
    int wins = 0;
    for (int n = 1; n <= 6 && wins < 2; ++n) {
        HeadlessPlay play;
        play.ui.autoplayTicked = true;
        Open(play, 2, n);
        const SolveResult result = Solve(play.ctx, kBudget);
        if (result.verdict != SolveVerdict::Won) continue;
        ++wins;
        ExpectReplayWins(2, n, result.moves, true);
    }
    EXPECT_EQ(wins, 2);
}

// A won line shortened, with autoplay off and on: it is shorter than the search's own (FreeCell 2
// carries cards on detours), still wins as the player plays it, and the game is given back as it
// was; with no time the line stays as it was.
TEST(Solver, ShortensAWonLineWhichStillWins) {
    for (const bool autoplay : {false, true}) {
        HeadlessPlay play;
        play.ui.autoplayTicked = autoplay;
        Open(play, 1, 2);
        const Piles dealt = play.game.piles;
        const SolveResult found = Solve(play.ctx, kBudget);
        ASSERT_EQ(found.verdict, SolveVerdict::Won);
        SolveResult untimed = found;
        ShortenWonLine(play.ctx, untimed, 0);
        EXPECT_EQ(untimed.moves, found.moves);
        SolveResult shortened = found;
        ShortenWonLine(play.ctx, shortened, 60'000);
        EXPECT_EQ(play.game.piles, dealt);
        EXPECT_LT(shortened.moves.size(), found.moves.size()) << "autoplay " << autoplay;
        EXPECT_EQ(shortened.firstMove, shortened.moves.front());
        ExpectReplayWins(1, 2, shortened.moves, autoplay);
    }
}

// The search turns Klondike's stock round without the click: each turn, the redeal of the
// waste included, leaves the stock, the waste, the card faces and the counters as the click.
TEST(Solver, TurnsTheStockCycleAsTheClickDoes) {
    HeadlessPlay clicked;
    Open(clicked, 2, 1);
    ASSERT_TRUE(ClicksOnlyTurn(clicked.game));
    Game turned = clicked.game;
    for (int click = 0; click < 60; ++click) {
        ASSERT_EQ(TurnCycle(turned), PlayMove(clicked.ctx, {MoveKind::StockClick, 0, 0}));
        ASSERT_EQ(turned.piles, clicked.game.piles) << "click " << click;
        for (int c = 1; c <= CardTable::kCards; ++c)
            ASSERT_EQ(turned.cards.CardIsFaceDown(c), clicked.game.cards.CardIsFaceDown(c));
        ASSERT_EQ(turned.counters.passCounter, clicked.game.counters.passCounter);
        ASSERT_EQ(turned.counters.runningCounter, clicked.game.counters.runningCounter);
    }
}

// FreeCell cut down to two columns and `cells` free cells, every card home but the hearts:
// the Ace of Hearts lies under the Jack and the Queen, the other column holds the King under
// the Ten down to the Two. Hearts build on no heart, so one cell frees nothing; two cells take
// the Queen and the Jack and free the Ace.
void DealStuckHearts(HeadlessPlay& play, int cells) {
    Open(play, 1, 1);
    Game& game = play.game;
    game.def[gd::TableauCount] = 2;
    game.def[gd::ReserveCount] = static_cast<int16_t>(cells);
    game.piles.Clear();
    game.cards.SetAllFaceUp();
    auto put = [](Pile& pile, std::initializer_list<int> cards) {
        for (const int c : cards)
            PileAppend(pile, c);
    };
    for (int suit = 1; suit <= 3; ++suit) {
        for (int rank = 1; rank <= 13; ++rank)
            PileAppend(game.piles.dest[static_cast<size_t>(suit - 1)], 13 * suit + rank);
    }
    put(game.piles.fila[0], {1, 11, 12});
    put(game.piles.fila[1], {13, 10, 9, 8, 7, 6, 5, 4, 3, 2});
}

std::string PositionText(const Game& game) {
    std::string text;
    for (const Pile& p : game.piles.mazzo)
        text += p + "|";
    for (const Pile& p : game.piles.dest)
        text += p + "|";
    for (const Pile& p : game.piles.fila)
        text += p + "|";
    for (const Pile& p : game.piles.appogg)
        text += p + "|";
    for (int c = 1; c <= CardTable::kCards; ++c)
        text += game.cards.CardIsFaceDown(c) ? 'd' : 'u';
    return text;
}

// A search's moves land without their pictures, flights and drop geometry: every legal move of
// the positions along a line of each catalogue game, with autoplay off and on, gives the same
// table, counters, markers and end of game as the player's move.
TEST(Solver, PlaysEveryMoveAsThePlayerDoes) {
    HeadlessPlay catalogue;
    Open(catalogue, 1, 1);
    std::vector<Move> moves;
    for (const CatalogueEntry& entry : catalogue.catalogue.Entries()) {
        for (const bool autoplay : {false, true}) {
            HeadlessPlay shown;
            HeadlessPlay searched;
            shown.ui.autoplayTicked = autoplay;
            searched.ui.autoplayTicked = autoplay;
            Open(shown, entry.gameId, 3);
            Open(searched, entry.gameId, 3);
            searched.ctx.session.searching = true;
            for (int step = 0; step < 30; ++step) {
                const Game start = shown.game;
                LegalMoves(start, moves);
                if (moves.empty()) break;
                for (const Move& m : moves) {
                    shown.game = start;
                    searched.game = start;
                    const std::string what = "game " + std::to_string(entry.gameId) + " step " +
                                             std::to_string(step) + " " + MoveText(m);
                    ASSERT_EQ(PlayMove(shown.ctx, m), PlayMove(searched.ctx, m)) << what;
                    ASSERT_EQ(PositionText(shown.game), PositionText(searched.game)) << what;
                    ASSERT_EQ(shown.game.counters, searched.game.counters) << what;
                    ASSERT_EQ(shown.game.undo.marks, searched.game.undo.marks) << what;
                    ASSERT_EQ(shown.game.flags.gameInProgress, searched.game.flags.gameInProgress);
                    ASSERT_EQ(shown.ctx.session.lastGameWon, searched.ctx.session.lastGameWon);
                }
                // On along the line by a move that changes with the step.
                shown.game = start;
                if (!PlayMove(shown.ctx, moves[static_cast<size_t>(step * 7) % moves.size()]) ||
                    !shown.game.flags.gameInProgress) {
                    break;
                }
            }
        }
    }
}

// Every position reachable from the position in play, found without the solver's keys or
// pruning.
struct Reachable {
    size_t positions = 0;
    bool exhausted = false;
    bool anyWon = false;
};

Reachable BruteForce(HeadlessPlay& play) {
    const Game start = play.game;
    std::set<std::string> seen{PositionText(start)};
    std::vector<Game> todo{start};
    std::vector<Move> moves;
    Reachable reach;
    while (!todo.empty() && seen.size() < 20'000) {
        const Game position = todo.back();
        todo.pop_back();
        LegalMoves(position, moves);
        for (const Move& m : std::vector<Move>(moves)) {
            play.game = position;
            play.ctx.session.lastGameWon = false;
            if (!PlayMove(play.ctx, m)) continue;
            reach.anyWon = reach.anyWon || play.ctx.session.lastGameWon;
            play.game.undo.Clear();  // no part of the position, and it grows with every move
            play.game.redo.Clear();
            if (seen.insert(PositionText(play.game)).second) todo.push_back(play.game);
        }
    }
    play.game = start;
    play.ctx.session.lastGameWon = false;
    reach.positions = seen.size();
    reach.exhausted = todo.empty();
    return reach;
}

// Every position reachable from the table with one cell: none is won, and the solver answers
// lost; with two cells it wins.
TEST(Solver, LostOnlyWhenNoReachablePositionIsWon) {
    HeadlessPlay play;
    DealStuckHearts(play, 1);
    const Reachable reach = BruteForce(play);
    ASSERT_TRUE(reach.exhausted) << "the brute force did not end";
    ASSERT_FALSE(reach.anyWon);
    EXPECT_GT(reach.positions, 2u);  // the Queen and the Two each fill the cell

    const SolveResult lost = Solve(play.ctx, kBudget);
    EXPECT_EQ(lost.verdict, SolveVerdict::Lost);
    EXPECT_LT(lost.positions, static_cast<long>(reach.positions) * 4);

    HeadlessPlay two;
    DealStuckHearts(two, 2);
    const SolveResult won = Solve(two.ctx, kBudget);
    ASSERT_EQ(won.verdict, SolveVerdict::Won);
    for (const Move& m : won.moves)
        ASSERT_TRUE(PlayMove(two.ctx, m)) << MoveText(m);
    EXPECT_TRUE(two.ctx.session.lastGameWon);
}

// Klondike with a few cards, the stock played out: hearts home to the Four, clubs to the Ace. The
// Two of Clubs lies face down under the Three, which only a red Four could take. With the Five
// of Clubs free the Four of Hearts comes down onto it and takes the Three; with the Five on the
// Four of Clubs, there is nothing to gain.
void DealCardsOffTheFoundations(HeadlessPlay& play, bool fiveFree) {
    Open(play, 2, 1);
    Game& game = play.game;
    game.def[gd::TableauCount] = static_cast<int16_t>(fiveFree ? 3 : 2);
    game.piles.Clear();
    game.cards.SetAllFaceUp();
    for (int rank = kAce; rank <= 4; ++rank)
        PileAppend(game.piles.dest[0], MakeCard(kHearts, rank));
    PileAppend(game.piles.dest[1], MakeCard(kClubs, kAce));
    const auto put = [&](int column, int rank, char face) {
        PileAppend(game.piles.fila[static_cast<size_t>(column)], MakeCard(kClubs, rank));
        game.cards.SetCardFace(MakeCard(kClubs, rank), face);
    };
    put(0, 2, kFaceDown);
    put(0, 3, kFaceUp);
    put(1, fiveFree ? 5 : 4, fiveFree ? kFaceUp : kFaceDown);
    put(fiveFree ? 2 : 1, fiveFree ? 4 : 5, kFaceUp);
}

// The highest rank on each suit's foundation (0: none).
struct HomeTops {
    int hearts = 0, diamonds = 0, clubs = 0, spades = 0;
};

// A small Klondike table: `columns` empty columns, an empty stock, every card face up, and each
// suit's foundation built from the Ace up to its top.
Game& SmallKlondike(HeadlessPlay& play, int columns, HomeTops tops) {
    Open(play, 2, 1);
    Game& game = play.game;
    game.def[gd::TableauCount] = static_cast<int16_t>(columns);
    game.piles.Clear();
    game.cards.SetAllFaceUp();
    for (const auto& [suit, top] : {std::pair{kHearts, tops.hearts},
                                    {kDiamonds, tops.diamonds},
                                    {kClubs, tops.clubs},
                                    {kSpades, tops.spades}}) {
        for (int rank = kAce; rank <= top; ++rank)
            PileAppend(game.piles.dest[static_cast<size_t>(suit)], MakeCard(suit, rank));
    }
    return game;
}

// Klondike with a few cards: hearts, spades and clubs home to the Four, diamonds to the Ace. The
// Five of Hearts could go home, but the Three of Diamonds, over the face-down Two and Five, can
// only leave on the Four of Spades brought down onto it.
void DealHeartMustWait(HeadlessPlay& play) {
    Game& game = SmallKlondike(play, 3, {.hearts = 4, .diamonds = kAce, .clubs = 4, .spades = 4});
    for (const int rank : {5, 2, 3})
        PileAppend(game.piles.fila[0], MakeCard(kDiamonds, rank));
    game.cards.SetCardFace(MakeCard(kDiamonds, 5), kFaceDown);
    game.cards.SetCardFace(MakeCard(kDiamonds, 2), kFaceDown);
    PileAppend(game.piles.fila[1], MakeCard(kHearts, 5));
    PileAppend(game.piles.fila[2], MakeCard(kDiamonds, 4));
}

// Klondike with two columns and a few cards in the stock: spades and diamonds home, hearts to the
// Ten, clubs to the Nine. The Jack of Clubs lies on the Ten, face down. With the Queen of Hearts
// in the stock, the King of Clubs goes from the stock to the empty column, the Queen from the
// stock onto it and the Jack onto the Queen; with the Queen face down under the Ten, the Jack
// has nowhere to go. No card comes back off the foundations, so that the brute force ends soon.
void DealStockHolders(HeadlessPlay& play, bool queenInStock) {
    Game& game =
        SmallKlondike(play, 2, {.hearts = 10, .diamonds = kKing, .clubs = 9, .spades = kKing});
    game.def[gd::FoundationLift] = 0;
    const auto faceDown = [&](Pile& pile, int card) {
        PileAppend(pile, card);
        game.cards.SetCardFace(card, kFaceDown);
    };
    if (!queenInStock) faceDown(game.piles.fila[0], MakeCard(kHearts, kQueen));
    faceDown(game.piles.fila[0], MakeCard(kClubs, 10));
    PileAppend(game.piles.fila[0], MakeCard(kClubs, 11));
    for (const int card :
         {MakeCard(kHearts, kKing), MakeCard(kHearts, 11), MakeCard(kClubs, kQueen)})
        faceDown(game.piles.Stock(), card);
    if (queenInStock) faceDown(game.piles.Stock(), MakeCard(kHearts, kQueen));
    faceDown(game.piles.Stock(), MakeCard(kClubs, kKing));
}

// Klondike with a few cards, the stock played out: diamonds home, clubs to the Queen, spades to
// the Ten, hearts to the Eight. The Ten of Hearts lies on the Nine of Hearts and the Jack of
// Spades, both face down; it can only go onto the Jack of Clubs, under the Queen on its
// foundation. The Queen comes down onto the King of Hearts only to let the Jack come down onto
// the Queen of Hearts. The table is won so; with every card face up at its end and cards off the
// foundations, it has too many positions for the brute force.
void DealJackUnderTheQueen(HeadlessPlay& play) {
    Game& game =
        SmallKlondike(play, 3, {.hearts = 8, .diamonds = kKing, .clubs = kQueen, .spades = 10});
    const auto put = [&](int column, int suit, int rank, char face) {
        PileAppend(game.piles.fila[static_cast<size_t>(column)], MakeCard(suit, rank));
        game.cards.SetCardFace(MakeCard(suit, rank), face);
    };
    put(0, kSpades, kKing, kFaceDown);
    put(0, kSpades, 11, kFaceDown);
    put(0, kHearts, 9, kFaceDown);
    put(0, kHearts, 10, kFaceUp);
    put(1, kSpades, kQueen, kFaceDown);
    put(1, kHearts, kKing, kFaceUp);
    put(2, kClubs, kKing, kFaceDown);
    put(2, kHearts, 11, kFaceDown);
    put(2, kHearts, kQueen, kFaceUp);
}

// Klondike with a few cards, the stock played out: spades home to the Ace, hearts and diamonds
// to the Four, clubs to the Five. The Four of Spades lies on the Five of Hearts, over the Five of
// Diamonds and the Three of Spades, face down: every card it could go onto lies beneath it. With
// the Five of Hearts face up, the two move together onto the Six of Clubs and the table is won;
// with it face down, the Four can never leave its column.
void DealFourOverItsTargets(HeadlessPlay& play, bool fiveFaceUp) {
    Game& game = SmallKlondike(play, 3, {.hearts = 4, .diamonds = 4, .clubs = 5, .spades = kAce});
    const auto put = [&](int column, int suit, int rank, char face) {
        PileAppend(game.piles.fila[static_cast<size_t>(column)], MakeCard(suit, rank));
        game.cards.SetCardFace(MakeCard(suit, rank), face);
    };
    put(0, kSpades, 3, kFaceDown);
    put(0, kDiamonds, 5, kFaceDown);
    put(0, kHearts, 5, fiveFaceUp ? kFaceUp : kFaceDown);
    put(0, kSpades, 4, kFaceUp);
    put(1, kClubs, 6, kFaceUp);
    put(2, kSpades, 2, kFaceUp);
}

// Klondike with a few cards, no card coming back off the foundations: hearts home to the Four,
// diamonds and clubs to the Three. The Four of Spades lies over the Ace of Spades and both red
// Fives, face down; the Two and Three of Spades are in the stock, the Four of Diamonds in a
// column. The Three may leave the stock onto the Four of Diamonds, but the Four of Spades goes
// home only after the Ace beneath it: it never leaves its column.
void DealAceUnderTheFour(HeadlessPlay& play) {
    Game& game = SmallKlondike(play, 2, {.hearts = 4, .diamonds = 3, .clubs = 3});
    game.def[gd::FoundationLift] = 0;
    for (const int card : {MakeCard(kDiamonds, 5), MakeCard(kHearts, 5), MakeCard(kSpades, kAce)}) {
        PileAppend(game.piles.fila[0], card);
        game.cards.SetCardFace(card, kFaceDown);
    }
    PileAppend(game.piles.fila[0], MakeCard(kSpades, 4));
    PileAppend(game.piles.fila[1], MakeCard(kDiamonds, 4));
    for (const int card : {MakeCard(kSpades, 3), MakeCard(kSpades, 2)}) {
        PileAppend(game.piles.Stock(), card);
        game.cards.SetCardFace(card, kFaceDown);
    }
}

// The solver's verdict on the table in play is the one of every position reachable from it (a
// table known to be won needs no brute force); a win replays.
void ExpectVerdictOfBruteForce(HeadlessPlay& play, bool winnable, bool knownWon = false) {
    Reachable reach;
    reach.anyWon = knownWon;
    if (!knownWon) {
        reach = BruteForce(play);
        ASSERT_TRUE(reach.exhausted) << "the brute force did not end";
        EXPECT_EQ(reach.anyWon, winnable);
    }
    const SolveResult result = Solve(play.ctx, kBudget);
    EXPECT_EQ(result.verdict, reach.anyWon ? SolveVerdict::Won : SolveVerdict::Lost)
        << reach.positions << " positions";
    for (const Move& m : result.moves)
        ASSERT_TRUE(PlayMove(play.ctx, m)) << MoveText(m);
    EXPECT_EQ(play.ctx.session.lastGameWon, winnable);
}

// Where cards come back off the foundations, the solver brings down only cards that may serve
// and sends home at once only cards none could come down onto: its verdicts agree with every
// position reachable.
TEST(Solver, BringsCardsOffTheFoundationsOnlyWhenTheyMayServe) {
    for (const bool fiveFree : {true, false}) {
        SCOPED_TRACE(fiveFree ? "five free" : "five under the four");
        HeadlessPlay play;
        DealCardsOffTheFoundations(play, fiveFree);
        ExpectVerdictOfBruteForce(play, fiveFree);
    }
    SCOPED_TRACE("the heart must wait");
    HeadlessPlay heart;
    DealHeartMustWait(heart);
    ExpectVerdictOfBruteForce(heart, true);
    SCOPED_TRACE("the Jack under the Queen");
    HeadlessPlay jack;
    DealJackUnderTheQueen(jack);
    ExpectVerdictOfBruteForce(jack, true, true);
}

// Klondike with a few cards: hearts and diamonds home to the Four, spades to the Three. The Two
// of Clubs lies on the Ace of Clubs, face down, and only a red Three can take it: one comes down
// onto the Four of Spades, played from the stock onto the Five of Diamonds, once the Four above
// it on its foundation has come down onto the Five of Spades. That Three's move is the first use
// both of the Four from the stock and of the Four off the foundation.
void DealThreeOntoTheStockFour(HeadlessPlay& play) {
    Game& game = SmallKlondike(play, 3, {.hearts = 4, .diamonds = 4, .clubs = 0, .spades = 3});
    PileAppend(game.piles.fila[0], MakeCard(kClubs, kAce));
    game.cards.SetCardFace(MakeCard(kClubs, kAce), kFaceDown);
    PileAppend(game.piles.fila[0], MakeCard(kClubs, 2));
    PileAppend(game.piles.fila[1], MakeCard(kDiamonds, 5));
    PileAppend(game.piles.fila[2], MakeCard(kSpades, 5));
    PileAppend(game.piles.Stock(), MakeCard(kSpades, 4));
    game.cards.SetCardFace(MakeCard(kSpades, 4), kFaceDown);
}

// Where the stock cycles, a card played from it to a column must be built on at once, by a
// card from a column or, in its turn, from the stock, and a card brought down onto it from
// beneath another one brought down before builds on it as well: the verdicts agree with every
// position reachable.
TEST(Solver, PlaysACardFromTheStockToAColumnOnlyToBuildOnIt) {
    for (const bool queenInStock : {true, false}) {
        SCOPED_TRACE(queenInStock ? "Queen in the stock" : "Queen under the Ten");
        HeadlessPlay play;
        DealStockHolders(play, queenInStock);
        ExpectVerdictOfBruteForce(play, queenInStock);
    }
    SCOPED_TRACE("a Three onto the Four from the stock");
    HeadlessPlay three;
    DealThreeOntoTheStockFour(three);
    ExpectVerdictOfBruteForce(three, true);
}

// A card whose every target lies beneath it in its column, over face-down cards only, never
// leaves it: the solver answers lost before any move. A face-up card beneath it may carry it
// away: the verdicts agree with every position reachable.
TEST(Solver, LostAtOnceWhereACardCanNeverLeaveItsColumn) {
    for (const bool fiveFaceUp : {true, false}) {
        SCOPED_TRACE(fiveFaceUp ? "Five of Hearts face up" : "Five of Hearts face down");
        HeadlessPlay play;
        DealFourOverItsTargets(play, fiveFaceUp);
        if (!fiveFaceUp) {
            EXPECT_EQ(Solve(play.ctx, kBudget).positions, 0);
        }
        ExpectVerdictOfBruteForce(play, fiveFaceUp);
    }
    SCOPED_TRACE("the Ace under the Four");
    HeadlessPlay play;
    DealAceUnderTheFour(play);
    EXPECT_EQ(Solve(play.ctx, kBudget).positions, 0);
    ExpectVerdictOfBruteForce(play, false);
}

}  // namespace
}  // namespace tindle
