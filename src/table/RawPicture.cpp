#include "table/RawPicture.h"

#include <QtEndian>

#include <bit>
#include <cstdint>
#include <cstring>

namespace tindle {

namespace {

static_assert(kRawPictureMagic.size() == kTranslucentRawPictureMagic.size());
constexpr std::size_t kHeaderSize = kRawPictureMagic.size() + 4 + 4;

void AppendWord(QByteArray& bytes, uint32_t value) {
    char word[4];
    qToLittleEndian(value, word);
    bytes.append(word, 4);
}

// The header and the rows of a picture already in the stored pixel format; `fill` is ORed
// into every pixel.
QByteArray PictureBytes(std::string_view magic, const QImage& picture, uint32_t fill) {
    QByteArray bytes(magic.data(), static_cast<qsizetype>(magic.size()));
    AppendWord(bytes, static_cast<uint32_t>(picture.width()));
    AppendWord(bytes, static_cast<uint32_t>(picture.height()));
    bytes.reserve(bytes.size() + qsizetype{4} * picture.width() * picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            AppendWord(bytes, row[x] | fill);
    }
    return bytes;
}

}  // namespace

QByteArray RawPictureBytes(const QImage& picture) {
    return PictureBytes(kRawPictureMagic, picture.convertToFormat(QImage::Format_RGB32),
                        0xff000000u);
}

QByteArray TranslucentRawPictureBytes(const QImage& picture) {
    return PictureBytes(kTranslucentRawPictureMagic,
                        picture.convertToFormat(QImage::Format_ARGB32_Premultiplied), 0);
}

bool IsRawPicture(std::string_view bytes) {
    const std::string_view magic = bytes.substr(0, kRawPictureMagic.size());
    return magic == kRawPictureMagic || magic == kTranslucentRawPictureMagic;
}

QImage ReadRawPicture(std::string_view bytes) {
    if (!IsRawPicture(bytes) || bytes.size() < kHeaderSize) return {};
    const uint32_t width = qFromLittleEndian<uint32_t>(bytes.data() + kRawPictureMagic.size());
    const uint32_t height = qFromLittleEndian<uint32_t>(bytes.data() + kRawPictureMagic.size() + 4);
    if (width == 0 || height == 0 || width > kMostRawPictureSide || height > kMostRawPictureSide)
        return {};
    const std::size_t rowBytes = std::size_t{4} * width;
    if (bytes.size() - kHeaderSize != rowBytes * height) return {};
    const bool opaque = bytes.substr(0, kRawPictureMagic.size()) == kRawPictureMagic;
    const uint32_t fill = opaque ? 0xff000000u : 0;
    QImage picture(static_cast<int>(width), static_cast<int>(height),
                   opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) return {};
    const char* source = bytes.data() + kHeaderSize;
    for (uint32_t y = 0; y < height; ++y, source += rowBytes) {
        uchar* row = picture.scanLine(static_cast<int>(y));
        // The stored order is the image's own in memory on a little-endian machine.
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(row, source, rowBytes);
        } else {
            auto* pixels = reinterpret_cast<QRgb*>(row);
            for (uint32_t x = 0; x < width; ++x)
                pixels[x] = qFromLittleEndian<uint32_t>(source + 4 * x) | fill;
        }
    }
    return picture;
}

}  // namespace tindle
