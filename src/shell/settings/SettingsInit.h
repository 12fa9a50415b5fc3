#pragma once

#include <filesystem>
#include <string_view>

#include "shell/settings/ProgramPaths.h"
#include "shell/settings/SettingsRecord.h"

// Start-up of the settings record and where the files of the data folder live.

namespace tindle {

// The folder under the data folder that holds the preferences and score files.
inline constexpr std::string_view kDataDirName = "DATA";
// The preferences file as the record stores it (field::PrefsPath), relative to the data
// folder, with the backslash as separator whatever the platform.
inline constexpr std::string_view kPreferencesStoredPath = "DATA\\CFG.DAT";

// All blocks blank, field::ProgramDir = the program directory with a trailing separator,
// field::PrefsPath = kPreferencesStoredPath, the data folder that of the paths. Runs before
// anything reads the record.
void InitialiseSettingsRecord(SettingsRecord& record, const ProgramPaths& paths);
// The same for a program that keeps everything in programDir.
void InitialiseSettingsRecord(SettingsRecord& record, const std::filesystem::path& programDir);

// A relative path as the record and the data files store it ("DATA\CFG.DAT") turned into
// the platform's form. The one place where the stored backslash becomes a separator.
std::filesystem::path FromStoredPath(std::string_view storedPath);

// The folder DATA: the data folder followed by kDataDirName.
std::filesystem::path DataDirectory(const SettingsRecord& record);

// The preferences file: the data folder followed by field::PrefsPath.
std::filesystem::path PreferencesPath(const SettingsRecord& record);

// Creates the folder DATA (and the data folder above it) when it is missing. A failure is
// ignored: later writes of the preferences file then fail quietly.
void EnsureDataDirectory(const SettingsRecord& record);

}  // namespace tindle
