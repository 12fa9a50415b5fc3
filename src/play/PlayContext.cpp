#include "play/PlayContext.h"

#include "play/PlayUi.h"

namespace tindle {

bool AutoplayOn(const PlayContext& ctx) {
    return ctx.ui.AutoplayTicked() && ctx.ui.AutoplayEnabled();
}

}  // namespace tindle
