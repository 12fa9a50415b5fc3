#include "shell/HelpTopics.h"

namespace tindle {

std::optional<int> RulesTopic(int requestedGameId, int currentGameId) {
    const int gameId = requestedGameId < 0 ? currentGameId : requestedGameId;
    if (gameId < 0 || gameId >= kFirstCustomGameId) return std::nullopt;
    return kRulesTopicBase + gameId;
}

}  // namespace tindle
