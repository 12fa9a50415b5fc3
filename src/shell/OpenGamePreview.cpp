#include "shell/OpenGamePreview.h"

#include <QPainter>

#include <algorithm>

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

QImage WithTopLeftColourTransparent(const QImage& bitmap) {
    if (bitmap.isNull()) return bitmap;
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] == key) row[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

QImage ComposePreview(const QImage& background, const QImage& gameBitmap) {
    QImage result = background.convertToFormat(QImage::Format_RGB32);
    if (gameBitmap.isNull()) return result;
    // Integer division truncates toward zero, as the centring rule wants for a wide bitmap.
    const int left = (result.width() - gameBitmap.width()) / 2;
    QPainter p(&result);
    p.drawImage(QPoint(left, 0), WithTopLeftColourTransparent(gameBitmap));
    return result;
}

}  // namespace tindle
