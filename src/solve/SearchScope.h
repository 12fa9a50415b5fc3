#pragma once

#include <string>

#include "play/PlayContext.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

// A search plays its moves on the player's own game and gives it back as it was: the game, the
// session and the score are kept for the scope's lifetime. The search's moves and wins are not
// the player's, so nothing is counted or written, and its undo snapshots keep no piles.
class SearchScope {
  public:
    explicit SearchScope(PlayContext& ctx)
        : ctx_(ctx),
          game_(ctx.game),
          session_(ctx.session),
          score_(ctx.settings.Get(field::Score)) {
        ctx_.session.searching = true;
        ctx_.session.statistics.kept = false;
        // A win is told by this flag, which the game before (won, then a new deal or a
        // restart) may have left set.
        ctx_.session.lastGameWon = false;
    }
    ~SearchScope() {
        ctx_.game = game_;
        ctx_.session = session_;
        ctx_.settings.Put(field::Score, score_);
    }
    SearchScope(const SearchScope&) = delete;
    SearchScope& operator=(const SearchScope&) = delete;

  private:
    PlayContext& ctx_;
    const Game game_;
    const PlaySession session_;
    const std::string score_;
};

// A position a search comes back to: what playing a move may change of the game, and what it
// changes beside it. The game's definition and its deal's fields are set by the deal and no
// move changes them, so they are not copied with every position.
struct SearchPosition {
    Piles piles;
    CardTable cards;
    History undo;
    History redo;
    RunFlags flags;
    GameCounters counters;
    PointerState pointer;
    std::string score;
    std::string markedCards;
};

// The piles copied one by one, leaving alone those empty on both sides: most games use few of
// the 57, and a position is kept and restored for every move a search tries.
inline void CopyPiles(const Piles& from, Piles& to) {
    auto copy = [](const auto& source, auto& target) {
        for (size_t i = 0; i < source.size(); ++i) {
            if (!source[i].empty() || !target[i].empty()) target[i] = source[i];
        }
    };
    copy(from.mazzo, to.mazzo);
    copy(from.dest, to.dest);
    copy(from.fila, to.fila);
    copy(from.appogg, to.appogg);
}

// What a move may change of a game, copied from a game to a kept position or back.
template <typename From, typename To>
void CopyMoveState(const From& from, To& to) {
    CopyPiles(from.piles, to.piles);
    to.cards = from.cards;
    to.undo = from.undo;
    to.redo = from.redo;
    to.flags = from.flags;
    to.counters = from.counters;
    to.pointer = from.pointer;
}

// What play keeps besides the position, dropped after every move of a search so that its
// copies stay small: the redo history, and of the undo history only the first snapshot of each
// marker, for the rules that ask whether a marker was ever set (a grid drop ends the fill of
// some games).
void DropPlayHistory(Game& game);

inline void KeepPosition(const PlayContext& ctx, SearchPosition& into) {
    CopyMoveState(ctx.game, into);
    into.score = ctx.settings.Get(field::Score);
    into.markedCards = ctx.session.markedCards;
}

// The kept position again, with no won game and no undo step groups left over from the line
// that was played from it.
inline void RestorePosition(PlayContext& ctx, const SearchPosition& from) {
    CopyMoveState(from, ctx.game);
    ctx.settings.Put(field::Score, from.score);
    ctx.session.markedCards = from.markedCards;
    ctx.session.lastGameWon = false;
    ctx.session.undoCounters.clear();
    ctx.session.redoCounters.clear();
    ctx.session.undoActions.clear();
    ctx.session.redoActions.clear();
}

}  // namespace tindle
