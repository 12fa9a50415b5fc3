#pragma once

#include <string>
#include <vector>

#include "model/GamesDatText.h"
#include "support/TestPaths.h"

// Hand-made GAMES.DAT text for the reader tests.

namespace tindle::test {

// A "[Sect1]" line as the file stores it: type, id, class and name in their columns,
// transformed.
inline std::string StoredCatalogueLine(const std::string& type, const std::string& id, char cls,
                                       const std::string& name) {
    std::string line = type + " " + id + cls + "  " + name;
    return TransformText(line);
}

// A "[Sect2]" line: the index in columns 1-4, twelve free columns, then each value padded to
// 10 characters, transformed, and a separator.
inline std::string StoredFieldLine(const std::string& index,
                                   const std::vector<std::string>& values) {
    std::string line = index;
    line.resize(16, ' ');
    for (auto v : values) {
        v.resize(10, ' ');
        line += TransformText(v) + " ";
    }
    return line;
}

inline std::string Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

}  // namespace tindle::test
