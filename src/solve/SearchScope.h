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

// A position a search comes back to: the game, and what playing a move changes beside it.
struct SearchPosition {
    Game game;
    std::string score;
    std::string markedCards;
};

inline void KeepPosition(const PlayContext& ctx, SearchPosition& into) {
    into.game = ctx.game;
    into.score = ctx.settings.Get(field::Score);
    into.markedCards = ctx.session.markedCards;
}

// The kept position again, with no won game and no undo step groups left over from the line
// that was played from it.
inline void RestorePosition(PlayContext& ctx, const SearchPosition& from) {
    ctx.game = from.game;
    ctx.settings.Put(field::Score, from.score);
    ctx.session.markedCards = from.markedCards;
    ctx.session.lastGameWon = false;
    ctx.session.undoCounters.clear();
    ctx.session.redoCounters.clear();
    ctx.session.undoActions.clear();
    ctx.session.redoActions.clear();
}

}  // namespace tindle
