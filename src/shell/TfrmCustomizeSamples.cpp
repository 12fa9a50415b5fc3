#include "shell/TfrmCustomizeSamples.h"

#include <string>

#include "shell/TfrmCustomizeTrees.h"
#include "shell/settings/DisplayColours.h"
#include "table/BackgroundPainter.h"
#include "table/PixelCopy.h"
#include "table/ResourceNames.h"
#include "table/TableColours.h"

namespace tindle {

namespace {

QImage Blank(QSize size, const QColor& colour) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(colour.isValid() ? colour : QColor(Qt::white));
    return image;
}

}  // namespace

QImage ColourSample(QSize size, const QColor& colour, bool fade, long long displayColours) {
    QImage image = Blank(size, colour);
    if (fade && !IsLowColourDisplay(displayColours))
        BackgroundPainter::FadeFill(image, image.rect(), colour, Qt::black);
    return image;
}

QImage BackgroundSample(QSize size, long long code, const BackgroundSampleInputs& in) {
    if (code == customize::kPlainColourCode)
        return ColourSample(size, ColourFromStored(in.plainColour), in.fade, in.displayColours);
    if (code > customize::kLastPictureCode)
        return ColourSample(size, ColourFromStored(code), in.fade, in.displayColours);

    QImage sample = Blank(size, in.emptyColour);
    if (!in.painter) return sample;
    if (code <= customize::kFolderCode) {
        in.painter->PaintBackgroundKind(sample, background::kDefault, 0, std::string(), true, 0);
        return sample;
    }
    // Only numbers from 3 on name background pictures (2 is the player's own file).
    if (code < background::kFirstPicture) return sample;
    const int number = static_cast<int>(code);
    if (code < customize::kFirstStretchedPictureCode) {
        in.painter->PaintBackgroundKind(sample, number, code, std::string(), true, 0);
        return sample;
    }
    const QSize area = in.screenArea.isValid() && !in.screenArea.isEmpty() ? in.screenArea : size;
    QImage screen = Blank(area, in.emptyColour);
    in.painter->PaintBackgroundKind(screen, number, code, std::string(), true, 0);
    return screen.scaled(sample.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

void DrawBackOnSample(QImage& sample, const QPoint& place, const QImage& back) {
    if (back.isNull() || sample.isNull()) return;
    const CardSizeSpec big = kCardSizes[0];
    const QImage card =
        back.size() == QSize(big.width, big.height)
            ? back
            : back.scaled(big.width, big.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect rect(place, QSize(big.width, big.height));
    const QImage under = sample.copy(rect);
    BlendOver(card, sample, place);
    const CardCorners corners = CornersOf(rect);
    for (int i = 0; i < corners.count; ++i) {
        const QPoint p = corners.points[static_cast<size_t>(i)];
        PutPixel(sample, p.x(), p.y(), PixelAt(under, p.x() - place.x(), p.y() - place.y()));
    }
}

}  // namespace tindle
