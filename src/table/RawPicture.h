#pragma once

#include <QByteArray>
#include <QImage>

#include <string_view>

// The library's uncompressed form of an opaque picture, for the one picture the start shows
// before anything else (the splash): it is copied into an image instead of being inflated and
// unfiltered, which on the start's critical path costs several milliseconds. The library's
// seal covers its bytes as it covers every entry.
//
// Layout: the magic "TindlePX", the width and the height (32-bit little-endian), then the
// rows top to bottom without padding, each pixel 32-bit little-endian 0xffRRGGBB (the bytes
// blue, green, red, 255).

namespace tindle {

inline constexpr std::string_view kRawPictureMagic = "TindlePX";
// Far above any picture the library holds; a larger size is taken for damage.
inline constexpr int kMostRawPictureSide = 4096;

// The picture's uncompressed form; the picture is made opaque first.
QByteArray RawPictureBytes(const QImage& picture);

// True when the bytes begin as an uncompressed picture (whether or not the rest is sound).
bool IsRawPicture(std::string_view bytes);

// The picture (Format_RGB32) the bytes hold; a null image when they are not a whole
// uncompressed picture.
QImage ReadRawPicture(std::string_view bytes);

}  // namespace tindle
