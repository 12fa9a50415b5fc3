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

}  // namespace tindle
