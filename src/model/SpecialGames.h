#pragma once

#include "model/GameDef.h"
#include "model/RuleCodes.h"

// The groups of win-condition and special-game codes (special::) that share a way of play,
// asked wherever that way of play differs.

namespace tindle {

inline int SpecialOf(const GameDef& def) {
    return def[gd::SpecialGame];
}

// Tableau clicks pair cards instead of lifting them (the selection lies on foundation 1).
inline bool IsPairingGame(const GameDef& def) {
    const int s = SpecialOf(def);
    return s == special::PairsOf14 || s == special::Pyramid || s == special::MarkOnly;
}

// Every lift is played at once onto the second waste Mazzo_Waste.
inline bool IsSecondWasteGame(const GameDef& def) {
    const int s = SpecialOf(def);
    return s == special::SecondWasteByRule || s == special::Eddy || s == special::SecondWasteAround;
}

// The right button peeks at a card instead of sending it.
inline bool IsPeekGame(const GameDef& def) {
    const int s = SpecialOf(def);
    return s == special::NeverWonPeek || s == special::GridRuns || s == special::MarkOnly;
}

}  // namespace tindle
