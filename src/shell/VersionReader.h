#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A small section reader that works on a text file directly, without the preferences
// parser: it reads the "[Version]" header of the score file.

namespace tindle {

struct SectionValues {
    std::vector<std::string> values;  // one per key: the value found, or its default
    bool allFound = false;            // every key was found in the section
};

// Every value starts at its default (a missing default counts as empty). A line that begins
// with "[" + section + "]" starts the section; inside it a line that begins with "[" ends the
// reading, and any other line gives the first key (in list order) that it begins with the
// text after the line's first "=" (empty when it has none). Reading stops as soon as every
// key was found. A missing or unreadable file, or one longer than maxBytes, gives the
// defaults.
SectionValues ReadSectionValues(const std::filesystem::path& file, std::string_view section,
                                const std::vector<std::string>& keys,
                                const std::vector<std::string>& defaults, std::size_t maxBytes);

}  // namespace tindle
