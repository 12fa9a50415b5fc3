#include "table/TableColours.h"

#include <array>

#include "shell/settings/DisplayColours.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

struct Rgb {
    int r, g, b;
};

// The standard desktop colours by system colour index (scroll bar, desktop, captions,
// menus, window, frames, ..., button face at 15).
constexpr std::array<Rgb, 31> kSystemColours{{
    {200, 200, 200}, {0, 0, 0},       {153, 180, 209}, {191, 205, 219}, {240, 240, 240},
    {255, 255, 255}, {100, 100, 100}, {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
    {180, 180, 180}, {244, 247, 252}, {171, 171, 171}, {0, 120, 215},   {255, 255, 255},
    {240, 240, 240}, {160, 160, 160}, {109, 109, 109}, {0, 0, 0},       {0, 0, 0},
    {255, 255, 255}, {105, 105, 105}, {227, 227, 227}, {0, 0, 0},       {255, 255, 225},
    {240, 240, 240}, {0, 102, 204},   {185, 209, 234}, {215, 228, 242}, {51, 153, 255},
    {240, 240, 240},
}};
constexpr int kButtonFace = 15;

constexpr std::array<Rgb, kHighlightColourCount> kHighlightColours{{
    {0, 0, 0},
    {0, 0, 255},
    {0, 255, 255},
    {0, 255, 0},
    {255, 185, 220},
    {255, 70, 70},
    {255, 255, 128},
    {0, 0, 160},
    {0, 128, 128},
    {0, 128, 64},
    {255, 128, 255},
    {128, 0, 64},
    {128, 128, 0},
    {128, 0, 0},
    {192, 192, 192},
}};

}  // namespace

QColor ColourFromStored(long long stored) {
    const auto word = static_cast<uint32_t>(stored);
    if ((word & 0xff000000u) == 0x80000000u) {
        const size_t index = word & 0xffu;
        const Rgb c =
            index < kSystemColours.size() ? kSystemColours[index] : kSystemColours[kButtonFace];
        return QColor(c.r, c.g, c.b);
    }
    return QColor(static_cast<int>(word & 0xffu), static_cast<int>((word >> 8) & 0xffu),
                  static_cast<int>((word >> 16) & 0xffu));
}

QColor ColourFromStoredText(std::string_view text) {
    long long value = 0;
    if (!ParseInteger(text, value)) return QColor(0, 0, 0);
    return ColourFromStored(value);
}

QColor DefaultTableGreen(long long displayColours) {
    return IsLowColourDisplay(displayColours) ? QColor(0, 128, 0) : QColor(0, 96, 0);
}

QColor HighlightColour(int index) {
    if (index < 0 || index >= kHighlightColourCount) index = 0;
    const Rgb c = kHighlightColours[static_cast<size_t>(index)];
    return QColor(c.r, c.g, c.b);
}

}  // namespace tindle
