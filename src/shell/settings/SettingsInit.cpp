#include "shell/settings/SettingsInit.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace tindle {

void InitialiseSettingsRecord(SettingsRecord& record, const ProgramPaths& paths) {
    record.Reset();
    std::string dir = paths.programDir.string();
    if (!dir.empty() && dir.back() != std::filesystem::path::preferred_separator) {
        dir += std::filesystem::path::preferred_separator;
    }
    record.SetProgramDir(dir);
    if (paths.dataFolder != paths.programDir) record.SetDataFolder(paths.dataFolder.string());
    record.Put(field::PrefsPath, kPreferencesStoredPath);
}

void InitialiseSettingsRecord(SettingsRecord& record, const std::filesystem::path& programDir) {
    InitialiseSettingsRecord(record, ProgramPaths::InOneFolder(programDir));
}

std::filesystem::path FromStoredPath(std::string_view storedPath) {
    std::string text(storedPath);
    std::replace(text.begin(), text.end(), '\\', '/');
    return std::filesystem::path(text).make_preferred();
}

std::filesystem::path DataDirectory(const SettingsRecord& record) {
    return std::filesystem::path(record.DataFolder()) / kDataDirName;
}

std::filesystem::path PreferencesPath(const SettingsRecord& record) {
    return std::filesystem::path(record.DataFolder()) /
           FromStoredPath(record.Get(field::PrefsPath));
}

void EnsureDataDirectory(const SettingsRecord& record) {
    std::error_code ec;
    std::filesystem::create_directories(DataDirectory(record), ec);
}

}  // namespace tindle
