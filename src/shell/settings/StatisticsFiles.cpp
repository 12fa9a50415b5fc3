#include "shell/settings/StatisticsFiles.h"

#include <cctype>
#include <set>
#include <string>
#include <system_error>

#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"

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

std::string StatisticsFileName(int number) {
    const int n = ((number % kStatisticsFileCount) + kStatisticsFileCount) % kStatisticsFileCount;
    const char digits[] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), 0};
    return "Stat_e" + std::string(digits) + ".dat";
}

std::filesystem::path StatisticsFilePath(const SettingsRecord& settings, int number) {
    return DataDirectory(settings) / StatisticsFileName(number);
}

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
        if (candidates.count(Lower(StatisticsFileName(number)))) return true;
    }
    return false;
}

}  // namespace tindle
