#include "shell/VersionReader.h"

#include "shell/settings/AtomicFile.h"

namespace tindle {

SectionValues ReadSectionValues(const std::filesystem::path& file, std::string_view section,
                                const std::vector<std::string>& keys,
                                const std::vector<std::string>& defaults, std::size_t maxBytes) {
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

    std::string text;
    if (ReadFileLimited(file, maxBytes, text) != FileReadStatus::Ok) return result;
    const std::string header = "[" + std::string(section) + "]";
    bool inSection = false;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!inSection) {
            inSection = line.starts_with(header);
            continue;
        }
        if (line.starts_with('[')) break;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (!line.starts_with(keys[k])) continue;
            const std::size_t equals = line.find('=');
            result.values[k] = equals == std::string_view::npos
                                   ? std::string()
                                   : std::string(line.substr(equals + 1));
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
