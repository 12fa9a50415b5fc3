#include "shell/settings/SettingsInit.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace tindle {

void InitialiseSettingsRecord(SettingsRecord& record, const std::filesystem::path& programDir) {
    record.Reset();
    std::string dir = programDir.string();
    if (!dir.empty() && dir.back() != std::filesystem::path::preferred_separator) {
        dir += std::filesystem::path::preferred_separator;
    }
    record.SetProgramDir(dir);
    record.Put(field::PrefsPath, kPreferencesStoredPath);
}

std::filesystem::path FromStoredPath(std::string_view storedPath) {
    std::string text(storedPath);
    std::replace(text.begin(), text.end(), '\\', '/');
    return std::filesystem::path(text).make_preferred();
}

std::filesystem::path PreferencesPath(const SettingsRecord& record) {
    return std::filesystem::path(record.ProgramDir()) /
           FromStoredPath(record.Get(field::PrefsPath));
}

void EnsureDataDirectory(const SettingsRecord& record) {
    std::error_code ec;
    std::filesystem::create_directory(std::filesystem::path(record.ProgramDir()) / kDataDirName,
                                      ec);
}

}  // namespace tindle
