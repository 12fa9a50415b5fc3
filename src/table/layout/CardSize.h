#pragma once

#include <optional>

#include "shell/settings/SettingsRecord.h"

// The three card sizes of the table, by the card-size letter: "B" big, "M" medium, "L"
// little. Every blit, pile rectangle and fan step is measured in these.

namespace tindle {

struct CardDimensions {
    int width = 71;
    int height = 96;
};

// The size of a letter; nullopt for any other letter (the caller keeps what it had).
constexpr std::optional<CardDimensions> CardSizeFor(char letter) {
    switch (letter) {
        case 'B':
            return CardDimensions{71, 96};
        case 'M':
            return CardDimensions{59, 80};
        case 'L':
            return CardDimensions{25, 32};
        default:
            return std::nullopt;
    }
}

// The margin a card's shadow needs at its right and bottom: 9 with shadows, else 0.
constexpr int kShadowMarginOn = 9;

// Shadows are on unless Cards_Shadowed is "N".
inline int ShadowMarginFor(const SettingsRecord& settings) {
    return settings.IsNotNo(field::CardsShadowed) ? kShadowMarginOn : 0;
}

}  // namespace tindle
