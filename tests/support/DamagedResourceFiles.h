#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table/ResourceFileCheck.h"

// Damaged copies of a sealed resource file (the resource library, the help file): cut short,
// a flipped bit, no seal, and copies whose seal matches but whose resource data lies (each
// header field, a child, a name and a data length pointing past the end). Every one must be
// refused before Qt reads it.

namespace tindle::test {

struct DamagedFile {
    std::string what;
    std::string bytes;
};

namespace damage {

inline uint32_t Word(const std::string& b, std::size_t at) {
    return (uint32_t(uint8_t(b[at])) << 24) | (uint32_t(uint8_t(b[at + 1])) << 16) |
           (uint32_t(uint8_t(b[at + 2])) << 8) | uint32_t(uint8_t(b[at + 3]));
}
inline void PutWord(std::string& b, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        b[at + std::size_t(i)] = char((value >> (24 - 8 * i)) & 0xff);
}

// The rcc layout: header words at 4 (version), 8 (tree), 12 (data), 16 (names); a tree node
// has its name offset at 0, flags at 4 (2 = folder), the first child at 10 for a folder and
// the data offset at 10 for a file.
struct Layout {
    explicit Layout(const std::string& data)
        : tree(Word(data, 8)),
          payloads(Word(data, 12)),
          names(Word(data, 16)),
          nodeSize(Word(data, 4) >= 2 ? 22 : 14) {}
    std::size_t Node(uint32_t n) const { return tree + n * nodeSize; }
    std::size_t tree, payloads, names, nodeSize;
};

inline bool IsFolder(const std::string& data, std::size_t node) {
    return (uint8_t(data[node + 5]) & 0x02) != 0;
}

}  // namespace damage

inline std::vector<DamagedFile> DamagedResourceFiles(const std::string& sealed) {
    using namespace damage;
    const std::string data = sealed.substr(0, sealed.size() - kResourceSealSize);
    const Layout layout(data);
    const std::size_t root = layout.Node(0);
    const std::size_t firstChild = layout.Node(Word(data, root + 10));
    std::size_t file = firstChild;
    while (IsFolder(data, file))
        file = layout.Node(Word(data, file + 10));

    std::vector<DamagedFile> damaged;
    damaged.push_back({"empty", ""});
    damaged.push_back({"cut short", sealed.substr(0, sealed.size() / 2)});
    damaged.push_back({"cut inside its seal", sealed.substr(0, sealed.size() - 3)});
    damaged.push_back({"without its seal", data});
    std::string flipped = sealed;
    flipped[data.size() / 2] = char(flipped[data.size() / 2] ^ 0x10);
    damaged.push_back({"a bit flipped", flipped});

    // The seal matches these; only the walk over the resource data can tell.
    auto resealed = [&](const std::string& what, std::size_t at, uint32_t value) {
        std::string changed = data;
        PutWord(changed, at, value);
        damaged.push_back({what + " (sealed anew)", SealResourceData(changed)});
    };
    std::string magic = data;
    magic[0] = 'Q';
    damaged.push_back({"another magic (sealed anew)", SealResourceData(magic)});
    resealed("format version 0", 4, 0);
    resealed("format version 9", 4, 9);
    resealed("the tree past the end", 8, uint32_t(data.size() + 100));
    resealed("the data past the end", 12, uint32_t(data.size()));
    resealed("the names past the end", 16, 0xfffffff0u);
    resealed("the root's children past the end of the tree", root + 10, 0x7ffffff0u);
    resealed("a name offset past the end", firstChild, uint32_t(data.size()));
    std::string longName = data;
    const std::size_t name = layout.names + Word(data, firstChild);
    longName[name] = char(0xff);
    longName[name + 1] = char(0xff);
    damaged.push_back({"a name length past the end (sealed anew)", SealResourceData(longName)});
    resealed("a data offset past the end", file + 10, uint32_t(data.size()));
    resealed("a data length past the end", layout.payloads + Word(data, file + 10), 0xfffffff0u);
    return damaged;
}

}  // namespace tindle::test
