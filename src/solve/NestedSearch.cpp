#include "solve/NestedSearch.h"

#include <array>
#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "model/CardPlaces.h"
#include "model/Game.h"
#include "model/LegalMoves.h"
#include "model/RuleCodes.h"
#include "play/PlayContext.h"
#include "play/PlayMove.h"
#include "shell/settings/SettingsRecord.h"
#include "solve/SearchScope.h"

namespace tindle {

namespace {

// The clock and the cancel flag are read once per this many moves played.
constexpr long kClockStride = 16;
// A random line can shift a card to and fro between two piles for ever: past this many moves
// of its own, a card in a playout only goes home.
constexpr int kMovesPerCard = 3;
constexpr int kPlayoutMoves = 1000;
constexpr int kWonScore = 1 << 20;
// Where the nested search may help, the depth-first search is given half the solver's budget:
// measured over the first thirty numbers of each game at two seconds, half wins more of the
// one-pass games than three quarters and costs the others little.
constexpr long kDepthFirstQuarters = 2;

// A move that only renames the position: a whole column moved to an empty column, a reserve
// card moved to another reserve.
bool OnlyRenames(const Game& game, const Move& move) {
    if (move.card <= 0) return false;
    const auto from = FindCard(game, move.card);
    if (!from) return false;
    if (move.kind == MoveKind::ToReserve) return from->pile.kind == PileKind::Appogg;
    return move.kind == MoveKind::ToColumn && from->pile.kind == PileKind::Fila &&
           from->position == 0 && PileEmpty(game.piles.fila[static_cast<size_t>(move.index)]);
}

class Nested {
  public:
    Nested(PlayContext& ctx, const SolveBudget& budget, const std::atomic<bool>* cancel,
           uint32_t seed)
        : ctx_(ctx), budget_(budget), cancel_(cancel), random_(seed) {}

    NestedResult Run(int level) {
        start_ = std::chrono::steady_clock::now();
        NestedResult result;
        const Line best = [&] {
            const SearchScope scope(ctx_);
            return Won() ? Line{kWonScore, true, {}} : Search(level);
        }();
        result.won = best.won;
        result.moves = best.moves;
        result.score = best.score;
        result.positions = positions_;
        result.milliseconds = Elapsed();
        return result;
    }

  private:
    struct Line {
        int score = -1;
        bool won = false;
        std::vector<Move> moves;
    };

    bool Won() const { return ctx_.session.lastGameWon || ctx_.game.flags.gameWon; }

    int Score() const {
        const Game& g = ctx_.game;
        int score = 0;
        for (int j = 0; j < g.FoundationCount(); ++j)
            score += 4 * PileCount(g.piles.dest[static_cast<size_t>(j)]);
        for (int k = 0; k < g.TableauCount(); ++k)
            score += PileEmpty(g.piles.fila[static_cast<size_t>(k)]) ? 1 : 0;
        return score;
    }

    void Candidates(std::vector<Move>& out) {
        LegalMoves(ctx_.game, all_);
        out.clear();
        for (const Move& m : all_)
            if (!OnlyRenames(ctx_.game, m)) out.push_back(m);
    }

    bool Play(const Move& m) {
        ++positions_;
        if (positions_ >= budget_.positions) stopped_ = true;
        if (positions_ % kClockStride == 0) {
            if (cancel_ && cancel_->load(std::memory_order_relaxed)) stopped_ = true;
            if (Elapsed() >= budget_.milliseconds) stopped_ = true;
        }
        return PlayMove(ctx_, m);
    }

    // The position a line is tried from, to try the next one from it again.
    std::unique_ptr<SearchPosition> Keep() const {
        auto saved = std::make_unique<SearchPosition>();
        KeepPosition(ctx_, *saved);
        return saved;
    }
    void Restore(const SearchPosition& saved) { RestorePosition(ctx_, saved); }

    Line Playout() {
        Line line;
        std::array<int, CardTable::kCards + 1> moved{};
        std::vector<Move> moves;
        std::vector<Move> choices;
        while (!Won() && !stopped_ && static_cast<int>(line.moves.size()) < kPlayoutMoves) {
            Candidates(moves);
            choices.clear();
            for (const Move& m : moves) {
                if (m.kind == MoveKind::ToFoundation || m.kind == MoveKind::TurnUp) {
                    choices.assign(1, m);
                    break;
                }
                if (m.card <= 0 || moved[static_cast<size_t>(m.card)] < kMovesPerCard)
                    choices.push_back(m);
            }
            if (choices.empty()) break;
            const Move m = choices[random_() % choices.size()];
            if (!Play(m)) break;
            if (m.card > 0) ++moved[static_cast<size_t>(m.card)];
            line.moves.push_back(m);
        }
        line.won = Won();
        line.score = line.won ? kWonScore : Score();
        return line;
    }

    Line Search(int level) {
        if (level == 0) return Playout();
        Line best;
        std::vector<Move> played;
        std::vector<Move> moves;
        while (!Won() && !stopped_) {
            Candidates(moves);
            if (moves.empty()) break;
            const auto saved = Keep();
            for (const Move& m : moves) {
                if (Play(m)) {
                    Line tail = Search(level - 1);
                    if (Won() || tail.score > best.score) {
                        best.score = tail.score;
                        best.won = tail.won || Won();
                        best.moves = played;
                        best.moves.push_back(m);
                        best.moves.insert(best.moves.end(), tail.moves.begin(), tail.moves.end());
                    }
                }
                Restore(*saved);
                if (best.won || stopped_) return best;
            }
            if (best.moves.size() <= played.size()) break;
            const Move next = best.moves[played.size()];
            if (!Play(next)) break;
            played.push_back(next);
        }
        if (Won()) best.won = true;
        return best;
    }

    long Elapsed() const {
        const auto spent = std::chrono::steady_clock::now() - start_;
        return static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(spent).count());
    }

    PlayContext& ctx_;
    SolveBudget budget_;
    const std::atomic<bool>* cancel_;
    std::mt19937 random_;
    std::chrono::steady_clock::time_point start_;
    long positions_ = 0;
    bool stopped_ = false;
    std::vector<Move> all_;
};

}  // namespace

NestedResult NestedSearch(PlayContext& ctx, int level, const SolveBudget& budget,
                          const std::atomic<bool>* cancel, uint32_t seed) {
    return Nested(ctx, budget, cancel, seed).Run(level);
}

NestedResult NestedSearchRepeated(PlayContext& ctx, const SolveBudget& budget,
                                  const std::atomic<bool>* cancel) {
    NestedResult result;
    for (uint32_t seed = 1;; ++seed) {
        SolveBudget rest = budget;
        rest.positions -= result.positions;
        rest.milliseconds -= result.milliseconds;
        if (rest.positions <= 0 || rest.milliseconds <= 0) break;
        if (cancel && cancel->load(std::memory_order_relaxed)) break;
        NestedResult run = NestedSearch(ctx, 1, rest, cancel, seed);
        run.positions += result.positions;
        run.milliseconds += result.milliseconds;
        const bool progress = run.positions > result.positions;
        if (run.won || run.score > result.score || result.moves.empty()) {
            result = std::move(run);
        } else {
            result.positions = run.positions;
            result.milliseconds = run.milliseconds;
        }
        if (result.won || !progress) break;
    }
    return result;
}

bool NestedSearchMayHelp(const Game& game) {
    const GameDef& def = game.def;
    if (def[gd::StockUsed] == 0) return false;
    return def[gd::StockTurnCount] != 1 || def[gd::StockPasses] != passes::Unlimited;
}

SolveBudget DepthFirstShare(const Game& game, const SolveBudget& budget) {
    if (!NestedSearchMayHelp(game)) return budget;
    SolveBudget share = budget;
    share.positions = budget.positions / 4 * kDepthFirstQuarters;
    share.milliseconds = budget.milliseconds / 4 * kDepthFirstQuarters;
    return share;
}

void NestedSearchRest(PlayContext& ctx, const SolveBudget& budget, const std::atomic<bool>* cancel,
                      SolveResult& result) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return;
    SolveBudget rest = budget;
    rest.positions -= result.positions;
    rest.milliseconds -= result.milliseconds;
    const NestedResult nested = NestedSearchRepeated(ctx, rest, cancel);
    result.positions += nested.positions;
    result.milliseconds += nested.milliseconds;
    if (!nested.won || nested.moves.empty()) return;
    result.verdict = SolveVerdict::Won;
    result.moves = nested.moves;
    result.firstMove = result.moves.front();
}

}  // namespace tindle
