#include "solve/LineShortening.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "model/LegalMoves.h"
#include "play/PlayContext.h"
#include "play/PlayMove.h"
#include "solve/SearchScope.h"

namespace tindle {

namespace {

class LineShortener {
  public:
    LineShortener(PlayContext& ctx, std::vector<Move>& line, long milliseconds,
                  const std::atomic<bool>* cancel)
        : ctx_(ctx),
          line_(line),
          deadline_(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds)),
          cancel_(cancel) {}

    void Run() {
        if (line_.size() < 2) return;
        const SearchScope scope(ctx_);
        DropPlayHistory(ctx_.game);
        KeepPosition(ctx_, start_);
        size_t from = 1;
        while (!Over() && Record()) {
            const std::optional<size_t> shortened = ShortenFrom(from);
            if (!shortened) return;
            from = std::max<size_t>(*shortened, 1);
        }
    }

  private:
    // The position before each move of the line; false (the line kept as it is) when the line
    // does not win.
    bool Record() {
        RestorePosition(ctx_, start_);
        before_.resize(line_.size());
        for (size_t i = 0; i < line_.size(); ++i) {
            KeepPosition(ctx_, before_[i]);
            if (!PlayMove(ctx_, line_[i])) return false;
            DropPlayHistory(ctx_.game);
        }
        return ctx_.session.lastGameWon;
    }

    // The first move of a pair that could be left out, among the pairs whose second move is at
    // `from` or after; nullopt when none could (or the time is up).
    std::optional<size_t> ShortenFrom(size_t from) {
        for (size_t j = from; j < line_.size(); ++j) {
            if (!MoveTarget(line_[j])) continue;
            size_t i = j;
            while (i > 0 && !(MoveTarget(line_[i - 1]) && line_[i - 1].card == line_[j].card))
                --i;
            if (i == 0) continue;
            --i;
            for (const bool both : {true, false}) {
                if (Over()) return std::nullopt;
                std::vector<Move> rest(line_.begin() + static_cast<long>(i) + 1, line_.end());
                if (both) rest.erase(rest.begin() + static_cast<long>(j - i - 1));
                RestorePosition(ctx_, before_[i]);
                if (!Wins(rest)) continue;
                line_.resize(i);
                line_.insert(line_.end(), rest.begin(), rest.end());
                return i;
            }
        }
        return std::nullopt;
    }

    // Whether `moves`, played from the position in ctx, are each one LegalMoves lists and win;
    // the moves after the winning one are dropped.
    bool Wins(std::vector<Move>& moves) {
        for (size_t k = 0; k < moves.size(); ++k) {
            LegalMoves(ctx_.game, legal_);
            if (std::find(legal_.begin(), legal_.end(), moves[k]) == legal_.end()) return false;
            if (!PlayMove(ctx_, moves[k])) return false;
            if (ctx_.session.lastGameWon) {
                moves.resize(k + 1);
                return true;
            }
            DropPlayHistory(ctx_.game);
        }
        return false;
    }

    bool Over() const {
        if (cancel_ && cancel_->load(std::memory_order_relaxed)) return true;
        return std::chrono::steady_clock::now() >= deadline_;
    }

    PlayContext& ctx_;
    std::vector<Move>& line_;
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* cancel_;
    SearchPosition start_;
    std::vector<SearchPosition> before_;
    std::vector<Move> legal_;
};

}  // namespace

void ShortenWonLine(PlayContext& ctx, SolveResult& result, long milliseconds,
                    const std::atomic<bool>* cancel) {
    if (result.verdict != SolveVerdict::Won) return;
    LineShortener(ctx, result.moves, milliseconds, cancel).Run();
    if (!result.moves.empty()) result.firstMove = result.moves.front();
}

}  // namespace tindle
