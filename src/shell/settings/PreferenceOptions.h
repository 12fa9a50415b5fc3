#pragma once

#include <string>
#include <string_view>

// The preferences that play and drawing use but that have no field of the settings record. The
// record owns them (SettingsRecord::options); they are read with every other preference at start
// and again after the Customize dialog's OK, so that no play or drawing code opens the
// preferences file for them.

namespace tindle {

// The winning animation that picks one of the patterns by chance.
inline constexpr std::string_view kRandomPatternName = "(Random)";
inline constexpr int kDefaultWinningSeconds = 30;

struct PreferenceOptions {
    // Customized_Background: the player's picture file; field::CustomizedBackground says
    // whether there is one.
    std::string customizedBackground;
    // HighLights_Foundations_Mark and HighLights_Foundations_Color: the style (0 none) and the
    // colour index of the mark on completed foundations.
    int highlightMark = 0;
    int highlightColour = 0;
    // Winning_Animations and Winning_Animations_Time: the pattern's name and the seconds.
    std::string winningAnimation = std::string(kRandomPatternName);
    int winningSeconds = kDefaultWinningSeconds;
    // Card_Zoom: the zoom of the table in percent, 0 for Automatic (the default, and what
    // any other stored text gives).
    int cardZoom = 0;

    bool operator==(const PreferenceOptions&) const = default;
};

}  // namespace tindle
