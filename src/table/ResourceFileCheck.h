#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The checks a resource file (the resource library ZUV.RGF, the help file) passes before Qt is
// given it. Both are Qt binary resource files (rcc --binary) followed by a seal that the build
// appends: the magic "TindleRF", the seal's format version, the length of the resource data and
// its CRC-32, all big-endian. Qt reads a resource file's offsets and lengths without any bounds
// check, so a file cut short, a flipped bit or a file from elsewhere would make it read outside
// the file. A file is accepted only when its seal matches and a walk over its resource tree
// finds every offset and length inside the file. No Qt (the build's sealing tool uses it too):
// standard C++, and the processor's carry-less multiplication for the CRC where it has one.

namespace tindle {

inline constexpr std::string_view kResourceSealMagic = "TindleRF";
inline constexpr uint32_t kResourceSealVersion = 1;
// magic, version, data length (8 bytes), CRC-32.
inline constexpr std::size_t kResourceSealSize = kResourceSealMagic.size() + 4 + 8 + 4;

// The largest files accepted: far above what the build makes, far below what could hurt.
inline constexpr std::size_t kMaxResourceLibraryBytes = 64u << 20;
inline constexpr std::size_t kMaxHelpFileBytes = 16u << 20;

// CRC-32 (the one of zip and PNG) of the bytes.
uint32_t Crc32(std::string_view bytes);

// The resource data followed by its seal.
std::string SealResourceData(std::string_view resourceData);

// The outcome of a check: an empty reason means the file is accepted.
struct ResourceCheck {
    std::string reason;
    bool Ok() const { return reason.empty(); }
};

// Checks the seal of a whole file, then its resource data (CheckResourceData).
ResourceCheck CheckSealedResourceFile(std::string_view file);

// Checks resource data without a seal: the header, and every node of the tree reachable from
// the root once, with each name and each data entry inside the data. Only what the build
// writes is accepted: format versions 1 to 3, nothing compressed, directories sorted by name
// hash as lookups need, every node reached once.
ResourceCheck CheckResourceData(std::string_view data);

}  // namespace tindle
