#include "shell/VersionReader.h"

#include <fstream>

namespace tindle {

SectionValues ReadSectionValues(const std::filesystem::path& file, std::string_view section,
                                const std::vector<std::string>& keys,
                                const std::vector<std::string>& defaults) {
    SectionValues result;
    result.values.resize(keys.size());
    for (std::size_t k = 0; k < keys.size() && k < defaults.size(); ++k)
        result.values[k] = defaults[k];
    std::vector<bool> found(keys.size(), false);
    std::size_t foundCount = 0;
    if (keys.empty()) {
        result.allFound = true;
        return result;
    }

    std::ifstream in(file, std::ios::binary);
    if (!in) return result;
    const std::string header = "[" + std::string(section) + "]";
    bool inSection = false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!inSection) {
            inSection = line.starts_with(header);
            continue;
        }
        if (line.starts_with('[')) break;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (!line.starts_with(keys[k])) continue;
            const std::size_t equals = line.find('=');
            result.values[k] =
                equals == std::string::npos ? std::string() : line.substr(equals + 1);
            if (!found[k]) {
                found[k] = true;
                ++foundCount;
            }
            break;
        }
        if (foundCount == keys.size()) {
            result.allFound = true;
            break;
        }
    }
    return result;
}

}  // namespace tindle
