#include "table/RawPicture.h"

#include <QtEndian>

#include <bit>
#include <cstdint>
#include <cstring>

namespace tindle {

namespace {

constexpr std::size_t kHeaderSize = kRawPictureMagic.size() + 4 + 4;

void AppendWord(QByteArray& bytes, uint32_t value) {
    char word[4];
    qToLittleEndian(value, word);
    bytes.append(word, 4);
}

}  // namespace

QByteArray RawPictureBytes(const QImage& picture) {
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes(kRawPictureMagic.data(), static_cast<qsizetype>(kRawPictureMagic.size()));
    AppendWord(bytes, static_cast<uint32_t>(opaque.width()));
    AppendWord(bytes, static_cast<uint32_t>(opaque.height()));
    bytes.reserve(bytes.size() + qsizetype{4} * opaque.width() * opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        for (int x = 0; x < opaque.width(); ++x)
            AppendWord(bytes, row[x] | 0xff000000u);
    }
    return bytes;
}

bool IsRawPicture(std::string_view bytes) {
    return bytes.substr(0, kRawPictureMagic.size()) == kRawPictureMagic;
}

QImage ReadRawPicture(std::string_view bytes) {
    if (!IsRawPicture(bytes) || bytes.size() < kHeaderSize) return {};
    const uint32_t width = qFromLittleEndian<uint32_t>(bytes.data() + kRawPictureMagic.size());
    const uint32_t height = qFromLittleEndian<uint32_t>(bytes.data() + kRawPictureMagic.size() + 4);
    if (width == 0 || height == 0 || width > kMostRawPictureSide || height > kMostRawPictureSide)
        return {};
    const std::size_t rowBytes = std::size_t{4} * width;
    if (bytes.size() - kHeaderSize != rowBytes * height) return {};
    QImage picture(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
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
                pixels[x] = qFromLittleEndian<uint32_t>(source + 4 * x) | 0xff000000u;
        }
    }
    return picture;
}

}  // namespace tindle
