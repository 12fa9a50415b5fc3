#include "shell/OpenGamePreview.h"

#include <QPainter>

#include <algorithm>

#include "table/PixelCopy.h"

namespace tindle {

QImage PreviewFadingBackground(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    if (size.isEmpty()) return image;
    QPainter p(&image);
    const int height = size.height();
    // Band b (0 at the top) covers rows [b * height / 256, (b + 1) * height / 256), at least
    // one. When the picture is lower than 256 rows several bands share a row; they are drawn
    // from the bottom up, so the highest of them wins and the top row is the full green.
    for (int band = kPreviewFadeBands - 1; band >= 0; --band) {
        const int top = band * height / kPreviewFadeBands;
        const int bottom = std::max((band + 1) * height / kPreviewFadeBands, top + 1);
        const int last = kPreviewFadeBands - 1;
        const int green = (kPreviewGreen.green() * (last - band) + last / 2) / last;
        p.fillRect(QRect(0, top, size.width(), bottom - top), QColor(0, green, 0));
    }
    return image;
}

QImage PreviewBackground(const QImage& fading, bool lowColourDisplay) {
    if (!lowColourDisplay) return fading;
    QImage plain(fading.size(), QImage::Format_RGB32);
    plain.fill(kPreviewGreen);
    return plain;
}

QImage ComposePreview(const QImage& background, const QImage& gameBitmap) {
    QImage result = background.convertToFormat(QImage::Format_RGB32);
    if (gameBitmap.isNull()) return result;
    // The key colour made transparent, then laid over with its shadows' own opacity (the
    // painter converted and blended the whole bitmap, several times slower).
    QImage bitmap = gameBitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = bitmap.pixel(0, 0);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        std::replace(row, row + bitmap.width(), key, qRgba(0, 0, 0, 0));
    }
    // Integer division truncates toward zero, as the centring rule wants for a wide bitmap.
    BlendOver(bitmap, result, QPoint((result.width() - bitmap.width()) / 2, 0));
    return result;
}

}  // namespace tindle
