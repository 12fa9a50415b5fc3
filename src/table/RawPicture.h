#pragma once

#include <QByteArray>
#include <QImage>

#include <string_view>

// The library's uncompressed form of a picture, for the pictures the start shows before
// anything else (the splash, the toolbar's glyphs): it is copied into an image instead of being
// inflated and unfiltered, which on the start's critical path costs several milliseconds for
// the splash and a millisecond for the glyphs. The library's seal covers its bytes as it covers
// every entry.
//
// Layout: a magic, "TindlePX" for an opaque picture or "TindlePA" for a translucent one, the
// width and the height (32-bit little-endian), then the rows top to bottom without padding, each
// pixel 32-bit little-endian: 0xffRRGGBB when opaque (the bytes blue, green, red, 255),
// premultiplied 0xAARRGGBB when translucent.

namespace tindle {

inline constexpr std::string_view kRawPictureMagic = "TindlePX";
inline constexpr std::string_view kTranslucentRawPictureMagic = "TindlePA";
// Far above any picture the library holds; a larger size is taken for damage.
inline constexpr int kMostRawPictureSide = 4096;

// The picture's uncompressed form; the picture is made opaque first.
QByteArray RawPictureBytes(const QImage& picture);
// The picture's uncompressed form, its transparency kept.
QByteArray TranslucentRawPictureBytes(const QImage& picture);

// True when the bytes begin as an uncompressed picture (whether or not the rest is sound).
bool IsRawPicture(std::string_view bytes);

// The picture the bytes hold (Format_RGB32 when opaque, Format_ARGB32_Premultiplied when
// translucent); a null image when they are not a whole uncompressed picture.
QImage ReadRawPicture(std::string_view bytes);

}  // namespace tindle
