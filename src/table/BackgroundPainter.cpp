#include "table/BackgroundPainter.h"

#include <QPainter>

#include <algorithm>
#include <utility>

#include "model/Ports.h"
#include "shell/settings/PreferencesLoader.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/PixelCopy.h"
#include "table/ResourceNames.h"
#include "table/TableColours.h"

namespace tindle {

namespace {

constexpr std::string_view kCustomizedBackgroundKey = "Customized_Background";
constexpr std::string_view kBackgroundDefKey = "Background_Def";
constexpr int kFadeBands = 256;
// The fade reaches further down while the vertical scroll bar shows.
constexpr int kFadeExtraWithScrollBar = 80;

}  // namespace

BackgroundPainter::BackgroundPainter(SettingsRecord& settings, MessagePort& messages,
                                     PictureLookup pictures)
    : settings_(settings), messages_(messages), pictures_(std::move(pictures)) {}

BackgroundChoice BackgroundPainter::ChooseKind() const {
    BackgroundChoice choice;
    if (settings_.IsYes(field::BackgroundDef)) return choice;
    if (settings_.IsYes(field::CustomizedBackground)) {
        choice.kind = background::kPictureFile;
        return choice;
    }
    // Only numbers from 3 on name pictures; anything else in the field is no picture.
    const long long picture = settings_.GetInt(field::BackgroundBmp, 0);
    if (picture >= background::kFirstPicture) {
        choice.kind = static_cast<int>(picture);
        choice.colourOrNumber = picture;
        return choice;
    }
    choice.kind = background::kPlainColour;
    choice.colourOrNumber = settings_.GetInt(field::BackgroundCol, 0);
    choice.fixedColour = settings_.GetInt(field::BackgroundFixedCol, 0);
    return choice;
}

void BackgroundPainter::PaintBackground(QImage& canvas) {
    const BackgroundChoice c = ChooseKind();
    PaintKind({&canvas, canvas.size()}, c.kind, c.colourOrNumber, std::string(), false,
              c.fixedColour);
}

void BackgroundPainter::DescribeBackground(QSize extent) {
    const BackgroundChoice c = ChooseKind();
    PaintKind({nullptr, extent}, c.kind, c.colourOrNumber, std::string(), false, c.fixedColour);
}

void BackgroundPainter::PaintOn(Target target, bool canvasOnly, const Describe& describe) {
    const bool forTable = !canvasOnly && geometry_.tableWidth > 0 && geometry_.tableHeight > 0;
    const QSize extent = target.extent;
    const PaintedBackground painted =
        describe(extent, forTable ? geometry_.tableWidth : extent.width(),
                 forTable ? geometry_.tableHeight : extent.height());
    if (target.canvas) painted.Draw(target.canvas->rect(), *target.canvas, QPoint(0, 0));
    if (!canvasOnly) painted_ = painted;
}

void BackgroundPainter::KeepTableAsItWas(Target target, bool canvasOnly) {
    if (!canvasOnly && target.canvas) painted_ = PaintedBackground::Copy(*target.canvas);
}

void BackgroundPainter::PaintBackgroundKind(QImage& canvas, int kind, long long colourOrNumber,
                                            const std::string& fileName, bool canvasOnly,
                                            long long fixedColour) {
    PaintKind({&canvas, canvas.size()}, kind, colourOrNumber, fileName, canvasOnly, fixedColour);
}

void BackgroundPainter::PaintKind(Target target, int kind, long long colourOrNumber,
                                  const std::string& fileName, bool canvasOnly,
                                  long long fixedColour) {
    const long long colours = geometry_.displayColours;
    if (kind == background::kPictureFile) {
        if (!PaintPictureFile(target, fileName, canvasOnly)) {
            if (canvasOnly) {
                PaintKind(target, background::kDefault, 0, std::string(), true, 0);
            } else {
                RepairCustomizedBackground();
                const BackgroundChoice c = ChooseKind();
                PaintKind(target, c.kind, c.colourOrNumber, std::string(), false, c.fixedColour);
            }
        }
        return;
    }
    if (kind == background::kPlainColour) {
        const QColor colour = ColourFromStored(fixedColour > 0 ? fixedColour : colourOrNumber);
        const bool fade = settings_.IsYes(field::FadeBackground) && !IsLowColourDisplay(colours);
        const int extra = geometry_.scrollBarVisible && !canvasOnly ? kFadeExtraWithScrollBar : 1;
        PaintOn(target, canvasOnly, [&](QSize extent, int width, int height) {
            if (!fade) return PaintedBackground::Colour(extent, colour);
            return PaintedBackground::Faded(extent, colour, QRect(0, 0, width + 1, height + extra),
                                            Qt::black);
        });
        return;
    }
    if (kind >= background::kFirstPicture) {
        const QImage picture = pictures_ ? pictures_(BackgroundName(kind)) : QImage();
        // A picture the library does not hold leaves the table as it was.
        if (picture.isNull()) {
            KeepTableAsItWas(target, canvasOnly);
            return;
        }
        const bool tiled = kind < background::kFirstUntiled;
        const QColor green = DefaultTableGreen(colours);
        PaintOn(target, canvasOnly, [&](QSize extent, int, int) {
            // Drawn once at its own size, the rest of the table is the default green, so
            // nothing of an earlier table shows around a small picture.
            return tiled ? PaintedBackground::Tiled(extent, picture)
                         : PaintedBackground::Placed(extent, picture, green);
        });
        return;
    }
    const QColor green = DefaultTableGreen(colours);
    PaintOn(target, canvasOnly,
            [&](QSize extent, int, int) { return PaintedBackground::Colour(extent, green); });
}

bool BackgroundPainter::PaintPictureFile(Target target, const std::string& fileName,
                                         bool canvasOnly) {
    const std::string& name = fileName.empty() ? settings_.options.customizedBackground : fileName;
    const std::string path = PictureFilePath(name, settings_.ProgramDir());
    const QImage picture = ReadPictureFile(path);
    if (picture.isNull()) {
        // A file that is gone, or that holds no picture, is reported by its path.
        messages_.Information(std::string(kNotFoundMessage) + path);
        return false;
    }
    PaintOn(target, canvasOnly,
            [&](QSize extent, int, int) { return PaintedBackground::Tiled(extent, picture); });
    return true;
}

void BackgroundPainter::RepairCustomizedBackground() {
    settings_.Put(field::CustomizedBackground, "N");
    settings_.Put(field::BackgroundDef, "Y");
    settings_.options.customizedBackground.clear();
    WritePreference(settings_, kCustomizedBackgroundKey, "");
    WritePreference(settings_, kBackgroundDefKey, "Y");
}

void BackgroundPainter::FadeFill(QImage& canvas, const QRect& rect, const QColor& topColour,
                                 const QColor& bottomColour) {
    const int height = rect.height();
    if (height <= 0 || rect.width() <= 0) return;
    const int bottom = rect.top() + height;  // the first row below the rectangle
    for (int k = 0; k < kFadeBands; ++k) {
        const int bandTop = bottom - (k + 1) * height / kFadeBands;
        const int bandBottom = bottom - k * height / kFadeBands;
        if (bandBottom <= bandTop) continue;
        auto mix = [k](int bottomValue, int topValue) {
            return bottomValue + (topValue - bottomValue) * k / kFadeBands;
        };
        const QRgb colour = qRgb(mix(bottomColour.red(), topColour.red()),
                                 mix(bottomColour.green(), topColour.green()),
                                 mix(bottomColour.blue(), topColour.blue()));
        FillPixels(canvas, QRect(rect.left(), bandTop, rect.width(), bandBottom - bandTop), colour);
    }
}

std::string BackgroundPainter::PictureFilePath(const std::string& name,
                                               const std::string& programFolder) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.find('/') != std::string::npos) return path;
    std::string folder = programFolder;
    std::replace(folder.begin(), folder.end(), '\\', '/');
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + path + ".bmp";
}

}  // namespace tindle
