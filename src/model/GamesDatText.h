#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text layout of GAMES.DAT, shared by its reader and by the game compiler that writes it.
//
// The file is plain text. "[Sect1]" holds the catalogue, one game per line; "[Sect2]" holds
// one line per GameDef field: the field index in columns 1-4, then per catalogue column k a
// 10-character value at columns 17 + 11k .. 26 + 11k and a separator. Catalogue lines and
// value fields are stored under a character transform (TransformChar) of their own.

namespace tindle {

inline constexpr std::string_view kCatalogueHeader = "[Sect1]";
// A game takes about 5 KB of the file (its catalogue line and a value on each field line);
// a larger file is no game definitions file.
inline constexpr std::size_t kMaxGamesDatBytes = 16u << 20;
inline constexpr std::string_view kFieldsHeader = "[Sect2]";

// "[Sect2]" columns, 0-based: the index, the first value, the value width and the stride.
constexpr size_t kFieldIndexWidth = 4;
constexpr size_t kFirstValueColumn = 16;
constexpr size_t kValueWidth = 10;
constexpr size_t kValueStride = 11;

// The stored character c reads as c + 48 below 80 and as c - 48 from 80 up (unsigned bytes);
// writers use the same mapping, which is its own inverse on the printable range 32..127.
unsigned char TransformChar(unsigned char c);
std::string TransformText(std::string_view text);

// The outcome of a GAMES.DAT operation: an empty error text means success.
struct GamesDatStatus {
    std::string error;
    bool Ok() const { return error.empty(); }
};

// One line of a section with its 1-based line number in the file.
struct SectionLine {
    int lineNumber = 0;
    std::string text;
};

// The lines of a file, split at '\n' with one trailing '\r' removed from each.
struct GamesDatLines {
    std::filesystem::path file;
    std::vector<std::string> lines;

    // Reads the whole file, a regular file of at most kMaxGamesDatBytes; the status names the
    // file and the reason on failure.
    GamesDatStatus Read(const std::filesystem::path& path);
    // The lines of every occurrence of `header` (compared case-sensitively over the header's
    // length), in file order; a section ends before the next line that starts with '['.
    // `found` tells whether the header occurs at all.
    std::vector<SectionLine> Section(std::string_view header, bool* found = nullptr) const;
};

// A signed decimal integer: leading blanks, an optional sign and at least one digit, nothing
// after the digits. Values outside the int32 range are refused.
std::optional<int32_t> ParseDecimal(std::string_view text);

// The value of catalogue column k on a "[Sect2]" line, transformed and without trailing
// blanks; nullopt when the line ends before the field begins.
std::optional<std::string> FieldValueText(std::string_view line, int column);

// "field 311 (TableauDealCount[0])", "field 48 (FoundationBase[0])", "field 31
// (FoundationCapacity)", "field 10" for an index no name covers.
std::string FieldLabel(int index);

}  // namespace tindle
