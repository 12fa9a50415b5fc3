#include "table/ResourceFileCheck.h"

#include <array>
#include <climits>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define TINDLE_CRC_FOLDING 1
#endif

namespace tindle {

namespace {

// The rcc binary layout. Header: "qres", the format version, the offsets of the tree, of the
// data entries and of the names (and from version 3 on a word of flags), big-endian. A tree
// node: name offset (4), flags (2), then for a folder the number of children (4) and the
// number of the first child (4), for a file country (2), language (2) and data offset (4);
// from version 2 on the time of last change (8) follows. A name: its length in UTF-16 units
// (2), its hash (4), the units. A data entry: its length (4), the bytes.
constexpr std::string_view kResourceMagic = "qres";
constexpr std::size_t kHeaderSize = 20;
constexpr std::size_t kHeaderFlagsSize = 4;
constexpr uint32_t kFirstVersion = 1;
constexpr uint32_t kLastVersion = 3;
constexpr uint32_t kFirstVersionWithFlags = 3;
constexpr uint32_t kFirstVersionWithTimes = 2;
constexpr uint64_t kNodeSize = 14;
constexpr uint64_t kNodeTimeSize = 8;
constexpr uint64_t kNodeFlags = 4;
constexpr uint64_t kNodeChildCount = 6;
constexpr uint64_t kNodeFirstChild = 10;
constexpr uint64_t kNodeDataOffset = 10;
constexpr uint64_t kNameHeaderSize = 6;  // length and hash
constexpr uint64_t kDataLengthSize = 4;
constexpr uint16_t kDirectoryFlag = 0x02;

constexpr std::size_t kSealVersionAt = kResourceSealMagic.size();
constexpr std::size_t kSealLengthAt = kSealVersionAt + 4;
constexpr std::size_t kSealCrcAt = kSealLengthAt + 8;

uint64_t BigEndian(std::string_view bytes, uint64_t at, int width) {
    uint64_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<uint64_t>(i)]);
    return value;
}
uint32_t Word(std::string_view bytes, uint64_t at) {
    return static_cast<uint32_t>(BigEndian(bytes, at, 4));
}
uint16_t Half(std::string_view bytes, uint64_t at) {
    return static_cast<uint16_t>(BigEndian(bytes, at, 2));
}

void AppendBigEndian(std::string& out, uint64_t value, int width) {
    for (int i = width - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

// CRC-32 eight bytes at a time ("slicing by 8"): table k gives the CRC of a byte followed by
// k zero bytes, so eight lookups replace eight rounds: several times the speed of one byte at a
// time, for the tail of the data and for processors without carry-less multiplication.
using CrcTables = std::array<std::array<uint32_t, 256>, 8>;

constexpr CrcTables MakeCrcTables() {
    CrcTables tables{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (std::size_t k = 1; k < tables.size(); ++k)
        for (std::size_t n = 0; n < 256; ++n)
            tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 0xff];
    return tables;
}
constexpr CrcTables kCrcTables = MakeCrcTables();

uint32_t LittleEndian(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The running CRC (its bits inverted, as between the start and the end) over the bytes.
uint32_t TableCrc(uint32_t crc, const unsigned char* p, std::size_t left) {
    const auto& t = kCrcTables;
    for (; left >= 8; p += 8, left -= 8) {
        const uint32_t low = LittleEndian(p) ^ crc;
        const uint32_t high = LittleEndian(p + 4);
        crc = t[7][low & 0xff] ^ t[6][(low >> 8) & 0xff] ^ t[5][(low >> 16) & 0xff] ^
              t[4][low >> 24] ^ t[3][high & 0xff] ^ t[2][(high >> 8) & 0xff] ^
              t[1][(high >> 16) & 0xff] ^ t[0][high >> 24];
    }
    for (; left > 0; ++p, --left)
        crc = t[0][(crc ^ *p) & 0xff] ^ (crc >> 8);
    return crc;
}

#if defined(TINDLE_CRC_FOLDING)
// The processor's carry-less multiplication folds the data into the CRC sixteen bytes at a
// time, four blocks side by side (Gopal et al., "Fast CRC Computation for Generic Polynomials
// Using PCLMULQDQ Instruction", Intel 2009): about a tenth of the table's work per byte, which
// matters because the whole library is checked before the splash can show. The constants are
// powers of x modulo the bit-reflected polynomial, then the Barrett reduction's polynomial
// and quotient. Takes and gives the running CRC as TableCrc; size is at least 64 and a
// multiple of 16.
bool CanFoldCrc() {
    static const bool can = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
    return can;
}

// a's low half times k's low half, xor a's high half times k's high half, xor next.
__attribute__((target("pclmul"))) inline __m128i Fold(__m128i a, __m128i k, __m128i next) {
    return _mm_xor_si128(
        _mm_xor_si128(_mm_clmulepi64_si128(a, k, 0x00), _mm_clmulepi64_si128(a, k, 0x11)), next);
}

__attribute__((target("pclmul,sse4.1"))) uint32_t FoldedCrc(uint32_t crc, const unsigned char* p,
                                                            std::size_t size) {
    const auto load = [](const unsigned char* at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    };
    const __m128i k1k2 = _mm_set_epi64x(0x01c6e41596, 0x0154442bd4);
    const __m128i k3k4 = _mm_set_epi64x(0x00ccaa009e, 0x01751997d0);
    const __m128i k5 = _mm_set_epi64x(0, 0x0163cd6124);
    const __m128i poly = _mm_set_epi64x(0x01f7011641, 0x01db710641);
    const __m128i low32 = _mm_setr_epi32(-1, 0, -1, 0);

    __m128i x1 = _mm_xor_si128(load(p), _mm_cvtsi32_si128(static_cast<int>(crc)));
    __m128i x2 = load(p + 16), x3 = load(p + 32), x4 = load(p + 48);
    for (p += 64, size -= 64; size >= 64; p += 64, size -= 64) {
        x1 = Fold(x1, k1k2, load(p));
        x2 = Fold(x2, k1k2, load(p + 16));
        x3 = Fold(x3, k1k2, load(p + 32));
        x4 = Fold(x4, k1k2, load(p + 48));
    }
    x1 = Fold(Fold(Fold(x1, k3k4, x2), k3k4, x3), k3k4, x4);
    for (; size >= 16; p += 16, size -= 16)
        x1 = Fold(x1, k3k4, load(p));

    // 128 bits to 64, then the Barrett reduction to 32.
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(x1, k3k4, 0x10));
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, low32), k5, 0x00),
                       _mm_srli_si128(x1, 4));
    __m128i q = _mm_clmulepi64_si128(_mm_and_si128(x1, low32), poly, 0x10);
    q = _mm_clmulepi64_si128(_mm_and_si128(q, low32), poly, 0x00);
    return static_cast<uint32_t>(_mm_extract_epi32(_mm_xor_si128(x1, q), 1));
}
#endif

// The tree of one resource file, walked once from the root.
class TreeWalk {
  public:
    TreeWalk(std::string_view data, uint32_t version, uint64_t tree, uint64_t payloads,
             uint64_t names)
        : data_(data),
          tree_(tree),
          payloads_(payloads),
          names_(names),
          nodeSize_(kNodeSize + (version >= kFirstVersionWithTimes ? kNodeTimeSize : 0)),
          nodeCount_((data.size() - tree) / nodeSize_) {}

    ResourceCheck Run() {
        if (nodeCount_ == 0) return {"the tree has no root"};
        if (!(Flags(0) & kDirectoryFlag)) return {"the root is not a folder"};
        std::vector<bool> reached(nodeCount_, false);
        std::vector<uint64_t> pending{0};
        reached[0] = true;
        while (!pending.empty()) {
            const uint64_t node = pending.back();
            pending.pop_back();
            const uint16_t flags = Flags(node);
            if (flags == kDirectoryFlag) {
                if (auto check = Children(node, reached, pending); !check.Ok()) return check;
            } else if (flags == 0 && node != 0) {
                if (auto check = DataEntry(node); !check.Ok()) return check;
            } else {
                return {"node " + std::to_string(node) + " has the unknown or compressed flags " +
                        std::to_string(flags)};
            }
        }
        return {};
    }

  private:
    uint64_t At(uint64_t node) const { return tree_ + node * nodeSize_; }
    uint16_t Flags(uint64_t node) const { return Half(data_, At(node) + kNodeFlags); }

    // The name of a node lies inside the file and carries the hash lookups compare.
    ResourceCheck NameHash(uint64_t node, uint32_t& hash) const {
        const uint64_t at = names_ + Word(data_, At(node));
        if (at + kNameHeaderSize > data_.size())
            return {"the name of node " + std::to_string(node) + " lies outside the file"};
        const uint64_t units = Half(data_, at);
        if (at + kNameHeaderSize + 2 * units > data_.size())
            return {"the name of node " + std::to_string(node) + " runs past the end"};
        uint32_t computed = 0;
        for (uint64_t i = 0; i < units; ++i) {
            computed = (computed << 4) + Half(data_, at + kNameHeaderSize + 2 * i);
            computed ^= (computed & 0xf0000000u) >> 23;
            computed &= 0x0fffffffu;
        }
        hash = Word(data_, at + 2);
        if (units == 0 || hash != computed)
            return {"the name of node " + std::to_string(node) + " does not match its hash"};
        return {};
    }

    ResourceCheck Children(uint64_t node, std::vector<bool>& reached,
                           std::vector<uint64_t>& pending) const {
        const uint64_t count = Word(data_, At(node) + kNodeChildCount);
        const uint64_t first = Word(data_, At(node) + kNodeFirstChild);
        if (count == 0) return {};
        if (first == 0 || first >= nodeCount_ || count > nodeCount_ - first)
            return {"the children of node " + std::to_string(node) + " lie outside the tree"};
        uint32_t previous = 0;
        for (uint64_t child = first; child < first + count; ++child) {
            if (reached[child])
                return {"node " + std::to_string(child) + " is reached more than once"};
            reached[child] = true;
            uint32_t hash = 0;
            if (auto check = NameHash(child, hash); !check.Ok()) return check;
            if (hash < previous)
                return {"the children of node " + std::to_string(node) + " are out of order"};
            previous = hash;
            pending.push_back(child);
        }
        return {};
    }

    ResourceCheck DataEntry(uint64_t node) const {
        const uint64_t at = payloads_ + Word(data_, At(node) + kNodeDataOffset);
        if (at + kDataLengthSize > data_.size())
            return {"the data of node " + std::to_string(node) + " lies outside the file"};
        if (at + kDataLengthSize + Word(data_, at) > data_.size())
            return {"the data of node " + std::to_string(node) + " runs past the end"};
        return {};
    }

    std::string_view data_;
    uint64_t tree_, payloads_, names_;
    uint64_t nodeSize_;
    uint64_t nodeCount_;
};

}  // namespace

uint32_t Crc32(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t left = bytes.size();
    uint32_t crc = 0xFFFFFFFFu;
#if defined(TINDLE_CRC_FOLDING)
    if (left >= 64 && CanFoldCrc()) {
        const std::size_t folded = left & ~std::size_t{15};
        crc = FoldedCrc(crc, p, folded);
        p += folded;
        left -= folded;
    }
#endif
    return TableCrc(crc, p, left) ^ 0xFFFFFFFFu;
}

std::string SealResourceData(std::string_view resourceData) {
    std::string sealed(resourceData);
    sealed.reserve(resourceData.size() + kResourceSealSize);
    sealed.append(kResourceSealMagic);
    AppendBigEndian(sealed, kResourceSealVersion, 4);
    AppendBigEndian(sealed, resourceData.size(), 8);
    AppendBigEndian(sealed, Crc32(resourceData), 4);
    return sealed;
}

ResourceCheck CheckSealedResourceFile(std::string_view file) {
    if (file.size() < kResourceSealSize) return {"the file is shorter than its seal"};
    const std::string_view seal = file.substr(file.size() - kResourceSealSize);
    if (seal.substr(0, kResourceSealMagic.size()) != kResourceSealMagic)
        return {"the file has no seal (cut short, or not made by this build)"};
    if (Word(seal, kSealVersionAt) != kResourceSealVersion)
        return {"the seal has an unknown version"};
    const std::string_view data = file.substr(0, file.size() - kResourceSealSize);
    if (BigEndian(seal, kSealLengthAt, 8) != data.size())
        return {"the file's length differs from its seal's"};
    if (Word(seal, kSealCrcAt) != Crc32(data)) return {"the file's CRC-32 differs from its seal's"};
    return CheckResourceData(data);
}

ResourceCheck CheckResourceData(std::string_view data) {
    // Qt computes with signed 32-bit offsets.
    if (data.size() > static_cast<std::size_t>(INT_MAX)) return {"the file is too large"};
    if (data.size() < kHeaderSize || data.substr(0, kResourceMagic.size()) != kResourceMagic)
        return {"not a resource file"};
    const uint32_t version = Word(data, 4);
    if (version < kFirstVersion || version > kLastVersion)
        return {"unknown format version " + std::to_string(version)};
    uint64_t headerEnd = kHeaderSize;
    if (version >= kFirstVersionWithFlags) {
        headerEnd += kHeaderFlagsSize;
        if (data.size() < headerEnd) return {"the header is cut short"};
        if (Word(data, kHeaderSize) != 0) return {"the file holds compressed data"};
    }
    const uint64_t tree = Word(data, 8), payloads = Word(data, 12), names = Word(data, 16);
    for (uint64_t offset : {tree, payloads, names})
        if (offset < headerEnd || offset >= data.size())
            return {"an offset of the header lies outside the file"};
    return TreeWalk(data, version, tree, payloads, names).Run();
}

}  // namespace tindle
