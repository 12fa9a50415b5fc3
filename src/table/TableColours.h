#pragma once

#include <QColor>

#include <string_view>

// Colours as the preferences store them, and the fixed colours of the table.

namespace tindle {

// A colour stored the Windows way (a COLORREF): red in the low byte, then green, then
// blue. A value whose top byte is 0x80 (negative as a signed 32-bit number) names a system
// colour by its index in the low byte; those are given the standard desktop colours (the
// button face, the default plain background, is RGB 240, 240, 240).
QColor ColourFromStored(long long stored);
// The stored text of a colour setting; text that is no number gives black.
QColor ColourFromStoredText(std::string_view text);

// The default table green: RGB 0, 96, 0, or 0, 128, 0 on a display of 256 colours or fewer.
QColor DefaultTableGreen(long long displayColours);

// The fifteen highlight colours of completed foundations (index 0..14). An index outside
// that range gives the colour of index 0 (black), the preference's default.
inline constexpr int kHighlightColourCount = 15;
QColor HighlightColour(int index);

// Lower-right corner of a card while it moves.
inline constexpr QRgb kMovingCornerGrey = 0xffc0c0c0;

}  // namespace tindle
