#pragma once

#include <filesystem>
#include <string_view>

#include "shell/settings/SettingsRecord.h"

// Start-up of the settings record and where the files under the program directory live.

namespace tindle {

// The folder under the program directory that holds the preferences and score files.
inline constexpr std::string_view kDataDirName = "DATA";
// The preferences file as the record stores it (field::PrefsPath), relative to the program
// directory, with the backslash as separator whatever the platform.
inline constexpr std::string_view kPreferencesStoredPath = "DATA\\CFG.DAT";

// All blocks blank, field::ProgramDir = the program directory with a trailing separator,
// field::PrefsPath = kPreferencesStoredPath. Runs before anything reads the record.
void InitialiseSettingsRecord(SettingsRecord& record, const std::filesystem::path& programDir);

// A relative path as the record and the data files store it ("DATA\CFG.DAT") turned into
// the platform's form. The one place where the stored backslash becomes a separator.
std::filesystem::path FromStoredPath(std::string_view storedPath);

// The preferences file: program directory followed by field::PrefsPath.
std::filesystem::path PreferencesPath(const SettingsRecord& record);

// Creates the DATA folder under the program directory when it is missing. A failure is
// ignored: later writes of the preferences file then fail quietly.
void EnsureDataDirectory(const SettingsRecord& record);

}  // namespace tindle
