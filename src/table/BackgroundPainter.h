#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>
#include <string>
#include <string_view>

#include "shell/settings/DisplayColours.h"
#include "table/PaintedBackground.h"

// The table's background: the default green, a plain colour (optionally faded to black), a
// background picture of the resource library ("B" + three digits) or a picture file of the
// player's own. It is painted into the target canvas, and what was painted is kept as a
// PaintedBackground (Painted()), the source of every erase and of the card corners. The
// Customize dialog paints its samples with canvasOnly, which leaves it alone.

namespace tindle {

class MessagePort;
class SettingsRecord;

// How a background is given to PaintBackgroundKind.
namespace background {
inline constexpr int kDefault = 0;         // the default green
inline constexpr int kPlainColour = 1;     // a colour, faded to black when the player wants
inline constexpr int kPictureFile = 2;     // the player's own picture file
inline constexpr int kFirstPicture = 3;    // 3 and above: a background picture number
inline constexpr int kFirstUntiled = 500;  // pictures from here on are drawn once, not tiled
}  // namespace background

// A picture of the resource library by name; an empty image when it holds none.
using PictureLookup = std::function<QImage(std::string_view name)>;

// The table the background is painted for.
struct BackgroundGeometry {
    int tableWidth = 0;  // the window's table
    int tableHeight = 0;
    bool scrollBarVisible = false;  // the main vertical scroll bar is showing
    long long displayColours = kManyColours;
};

// What PaintBackground chose from the preferences.
struct BackgroundChoice {
    int kind = background::kDefault;
    long long colourOrNumber = 0;  // the colour of kind 1, the picture number of kind 3+
    long long fixedColour = 0;     // replaces the colour of kind 1 when above 0
};

class BackgroundPainter {
  public:
    // The message of a customized picture that is not there, followed by its path.
    static constexpr std::string_view kNotFoundMessage = "Customized background image not found: ";

    BackgroundPainter(SettingsRecord& settings, MessagePort& messages, PictureLookup pictures);

    void SetGeometry(const BackgroundGeometry& geometry) { geometry_ = geometry; }
    const BackgroundGeometry& Geometry() const { return geometry_; }

    // The kind the preferences ask for: the default when Background_def is "Y"; else the
    // player's file when Customized_Background is "Y"; else the picture Background_bmp when it
    // names one; else the plain colour Background_Col, replaced by Background_Fixed_Col when
    // that is above 0.
    BackgroundChoice ChooseKind() const;

    // Chooses the kind and paints it on canvas and on BackgroundImage.
    void PaintBackground(QImage& canvas);
    // The same for a table of that size that is not painted now: only what would be painted
    // is kept (Painted()). A picture that is missing leaves what was painted before.
    void DescribeBackground(QSize extent);

    // Paints one kind on canvas and, unless canvasOnly, on BackgroundImage. fileName is the
    // player's picture for kind 2 (empty: the one of the settings record's options). A missing
    // or unreadable picture file shows the not-found message, turns the customized background
    // off in the settings record and in the preferences file, and paints the default; with
    // canvasOnly (a preview) the preferences are left as they are.
    void PaintBackgroundKind(QImage& canvas, int kind, long long colourOrNumber,
                             const std::string& fileName, bool canvasOnly, long long fixedColour);

    // A vertical fade over rect in 256 bands, the bottom band bottomColour and the top band
    // nearly topColour (band k from the bottom: bottom + (top - bottom) * k / 256 per channel).
    static void FadeFill(QImage& canvas, const QRect& rect, const QColor& topColour,
                         const QColor& bottomColour);

    // The path of a picture file name: a name without a folder is the program folder + name
    // + ".bmp"; a name with one is taken as it is (backslashes read as separators).
    static std::string PictureFilePath(const std::string& name, const std::string& programFolder);

    // What the last painting of the table (not a preview) put on it.
    const PaintedBackground& Painted() const { return painted_; }

  private:
    // The background of a picture of that size painted for a table of that size.
    using Describe =
        std::function<PaintedBackground(QSize extent, int tableWidth, int tableHeight)>;
    // Where a painting goes: a canvas, or none (only described) for a table of that size.
    struct Target {
        QImage* canvas = nullptr;
        QSize extent;
    };
    void PaintKind(Target target, int kind, long long colourOrNumber, const std::string& fileName,
                   bool canvasOnly, long long fixedColour);
    void PaintOn(Target target, bool canvasOnly, const Describe& describe);
    // The table was left as it was: that is its background now.
    void KeepTableAsItWas(Target target, bool canvasOnly);
    bool PaintPictureFile(Target target, const std::string& fileName, bool canvasOnly);
    void RepairCustomizedBackground();

    SettingsRecord& settings_;
    MessagePort& messages_;
    PictureLookup pictures_;
    BackgroundGeometry geometry_;
    PaintedBackground painted_;
};

}  // namespace tindle
