#include "play/ScoreDisplay.h"

#include <string>

#include "model/Game.h"
#include "model/GameEnd.h"
#include "model/RuleCodes.h"
#include "play/PlayContext.h"
#include "play/PlayUi.h"
#include "play/TableView.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

void ComputeScore(PlayContext& ctx) {
    if (const auto score = ScoreOf(ctx.game, ctx.settings)) {
        const std::string text = std::to_string(*score);
        ctx.settings.Put(field::Score, text);
        ctx.ui.ShowScore(ctx.settings.Get(field::Score));
    }
    const int rule = ctx.game.def.At(gd::FoundationRule, 0);
    if (rule == build::JokersOnStarted || rule == build::JokersAnywhere) ctx.view.DrawJokerLabels();
}

}  // namespace tindle
