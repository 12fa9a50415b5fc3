#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "shell/settings/AtomicFile.h"

// The score file DATA\STAT_SCR.DAT. This edition neither writes nor reads its results; at
// the first activation of the main window it brings an older file to format 0300: a
// "[Version]" section with "Version=0300" and an empty line first, then the old data lines in
// their order, every line that begins with 0 padded or cut to 89 characters and ended by
// " x".
//
// The new text is written to a temporary file beside the old one and renamed over it, so
// that at every moment either the complete old file or the complete new one exists: a failure
// on the way never loses the player's scores.

namespace tindle {

class MessagePort;
class PreferencesFile;
class SettingsRecord;

inline constexpr std::string_view kScoreFileStoredPath = "DATA\\STAT_SCR.DAT";
inline constexpr std::string_view kScoreFileVersion = "0300";
// Data lines that begin with this character have a fixed length in the current format.
inline constexpr char kFixedLineMark = '0';
inline constexpr std::size_t kFixedLineContent = 89;
inline constexpr std::string_view kFixedLineEnd = " x";

// The score file under the data folder.
std::filesystem::path ScoreFilePath(const std::filesystem::path& dataFolder);

// The version of the file: the key "Version" of its section "Version", "0000" when there is
// none.
std::string ScoreFileVersion(const std::filesystem::path& scoreFile);

// The text of a score file in the current format (lines ended by CR LF), made from an old
// file's text (lines ended by CR LF or LF): the version header, then every line except those
// that begin with "[Version]" or "Version=", fixed-length lines brought to their length.
std::string MigratedScoreText(std::string_view oldText);

// The system calls of a migration; tests substitute one that fails at a chosen step.
class ScoreFileOps : public FileOps {
  public:
    // Creates and opens for writing a new file with a unique name that begins with prefix in
    // dir; the descriptor, or -1 when no file could be created.
    virtual int CreateTemporary(const std::filesystem::path& dir, std::string_view prefix,
                                std::filesystem::path& created) const;
};
const ScoreFileOps& DefaultScoreFileOps();

enum class MigrationResult {
    NoScoreFile,  // there is no score file: nothing else happens
    UpToDate,     // the file already has the current version
    Migrated,     // the file now has the current version
    Failed,       // an information box told what went wrong; the old file is as it was
};

// Brings the score file to the current version. Failures are shown through messages with
// one of the texts "Error creating temp file.", "Error in reading the file: " + path,
// "Error in writing the file: " + temporary path, or "Error in renaming the file: " +
// temporary path + line break + "to: " + path; no temporary file is left behind.
MigrationResult MigrateScoreFile(const std::filesystem::path& dataFolder, MessagePort& messages,
                                 const ScoreFileOps& ops = DefaultScoreFileOps());

// Values older versions wrote: Cards_Animate and ConfirmQuit of "S" become "Y" in the file
// (and Cards_Animate in the record too, which was read before the repair).
void RepairOldPreferences(SettingsRecord& record, PreferencesFile& prefs);

// What the first activation does with the score file: the migration, then, unless there is
// no score file at all, the preference repair. True when a migration was completed.
bool LookAfterScoreFile(SettingsRecord& record, MessagePort& messages,
                        const ScoreFileOps& ops = DefaultScoreFileOps());

}  // namespace tindle
