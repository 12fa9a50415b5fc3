#include "shell/StatisticsFiles.h"

#include <cctype>
#include <cstdio>
#include <set>
#include <string>
#include <system_error>

#include "shell/settings/SettingsInit.h"

namespace tindle {

namespace {

constexpr std::string_view kPrefix = "stat_e";
constexpr std::string_view kExtension = ".dat";

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool StatisticsPresent(const std::filesystem::path& dataFolder) {
    // The names that look like statistics files ("Stat_e*.dat"), in lower case.
    std::set<std::string> candidates;
    std::error_code ec;
    std::filesystem::directory_iterator it(dataFolder / kDataDirName, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = Lower(it->path().filename().string());
        if (name.starts_with(kPrefix) && name.ends_with(kExtension)) candidates.insert(name);
    }
    if (candidates.empty()) return false;

    for (int number = 0; number < kStatisticsFileCount; ++number) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02d", number);
        if (candidates.count(std::string(kPrefix) + digits + std::string(kExtension))) return true;
    }
    return false;
}

}  // namespace tindle
