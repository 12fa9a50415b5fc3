#pragma once

#include <QColor>
#include <QImage>

// The mark of a completed foundation: a tint or hatch over its top card, in the style and
// colour the player chose (HighLights_Foundations_Mark and HighLights_Foundations_Color).

namespace tindle {

class SettingsRecord;

inline constexpr int kHighlightNone = 0;
inline constexpr int kHighlightDiagonal = 1;  // 45-degree lines, drawn as a transparent picture
inline constexpr int kHighlightSolid = 2;
inline constexpr int kHighlightBackDiagonal = 3;
inline constexpr int kHighlightCross = 4;
inline constexpr int kHighlightDiagonalCross = 5;

struct HighlightPreference {
    int style = kHighlightNone;
    int colour = 0;
};

// Both preferences, from the settings record's options.
HighlightPreference ReadHighlightPreference(const SettingsRecord& settings);

// The brush of styles 2..5; Qt::NoBrush for the others.
Qt::BrushStyle HighlightBrushStyle(int style);

// The picture of style 1 for a card of cardWidth: (cardWidth - 2) x (height) pixels,
// transparent, with 45-degree lines in the colour starting at every second pixel of its left
// and top edges, and its corner pixels clear so that the card's rounded corners stay as
// they are (one pixel per corner on 59-pixel cards, else three).
QImage DiagonalHatchPicture(int cardWidth, int height, const QColor& colour);

}  // namespace tindle
