#include "shell/ScoreFileMigration.h"

#include <cstdlib>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Ports.h"
#include "shell/VersionReader.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

constexpr std::string_view kVersionSection = "Version";
constexpr std::string_view kVersionKey = "Version";
constexpr std::string_view kNoVersion = "0000";
constexpr std::string_view kVersionHeader = "[Version]";
constexpr std::string_view kVersionLine = "Version=";
constexpr std::string_view kLineBreak = "\r\n";
// A score file is a few kilobytes (a line of 91 characters per result); anything near this
// size is not one and is left alone.
constexpr std::size_t kMaxScoreFileBytes = 16u << 20;
constexpr mode_t kNewFileMode = 0644;
// An older version's value meaning "yes".
constexpr std::string_view kOldYes = "S";

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

std::string Shown(const std::filesystem::path& path) {
    return path.string();
}

}  // namespace

std::filesystem::path ScoreFilePath(const std::filesystem::path& dataFolder) {
    return dataFolder / FromStoredPath(kScoreFileStoredPath);
}

std::string ScoreFileVersion(const std::filesystem::path& scoreFile) {
    return ReadSectionValues(scoreFile, kVersionSection, {std::string(kVersionKey)},
                             {std::string(kNoVersion)}, kMaxScoreFileBytes)
        .values.front();
}

std::string MigratedScoreText(std::string_view oldText) {
    std::string out;
    out.reserve(oldText.size() + 64);
    out.append(kVersionHeader).append(kLineBreak);
    out.append(kVersionLine).append(kScoreFileVersion).append(kLineBreak);
    out.append(kLineBreak);

    while (!oldText.empty()) {
        const std::size_t end = oldText.find('\n');
        std::string_view line = oldText.substr(0, end);
        oldText = end == std::string_view::npos ? std::string_view() : oldText.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with(kVersionHeader) || line.starts_with(kVersionLine)) continue;
        if (line.starts_with(kFixedLineMark)) {
            std::string fixed(line.substr(0, kFixedLineContent));
            fixed.resize(kFixedLineContent, ' ');
            out.append(fixed).append(kFixedLineEnd);
        } else {
            out.append(line);
        }
        out.append(kLineBreak);
    }
    return out;
}

int ScoreFileOps::CreateTemporary(const std::filesystem::path& dir, std::string_view prefix,
                                  std::filesystem::path& created) const {
    const std::string pattern =
        (dir / (std::string(prefix) + "XXXXXX" + std::string(kScoreTemporarySuffix))).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemps(name.data(), static_cast<int>(kScoreTemporarySuffix.size()));
    if (fd >= 0) created = name.data();
    return fd;
}

const ScoreFileOps& DefaultScoreFileOps() {
    static const ScoreFileOps ops;
    return ops;
}

MigrationResult MigrateScoreFile(const std::filesystem::path& dataFolder, MessagePort& messages,
                                 const ScoreFileOps& ops) {
    const std::filesystem::path scoreFile = ScoreFilePath(dataFolder);
    std::error_code ec;
    if (!std::filesystem::exists(scoreFile, ec)) return MigrationResult::NoScoreFile;
    if (ScoreFileVersion(scoreFile) >= kScoreFileVersion) return MigrationResult::UpToDate;

    std::filesystem::path temporary;
    const int fd = ops.CreateTemporary(scoreFile.parent_path(), kScoreTemporaryPrefix, temporary);
    if (fd < 0) {
        messages.Information("Error creating temp file.");
        return MigrationResult::Failed;
    }

    std::string oldText;
    if (ReadFileLimited(scoreFile, kMaxScoreFileBytes, oldText) != FileReadStatus::Ok) {
        ::close(fd);
        RemoveQuietly(temporary);
        messages.Information("Error in reading the file: " + Shown(scoreFile));
        return MigrationResult::Failed;
    }

    struct stat old {};
    const mode_t mode = ::stat(scoreFile.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    bool written =
        ::fchmod(fd, mode) == 0 && ops.WriteAll(fd, MigratedScoreText(oldText)) && ops.Sync(fd);
    written = ::close(fd) == 0 && written;
    if (!written) {
        RemoveQuietly(temporary);
        messages.Information("Error in writing the file: " + Shown(temporary));
        return MigrationResult::Failed;
    }

    // The rename replaces the old file in one step; when it fails the old file is untouched.
    if (!ops.Rename(temporary, scoreFile)) {
        RemoveQuietly(temporary);
        messages.Information("Error in renaming the file: " + Shown(temporary) +
                             "\nto: " + Shown(scoreFile));
        return MigrationResult::Failed;
    }
    return MigrationResult::Migrated;
}

void RepairOldPreferences(SettingsRecord& record, PreferencesFile& prefs) {
    if (prefs.ReadString(section::Preference, "Cards_Animate", "") == kOldYes) {
        prefs.WriteString(section::Preference, "Cards_Animate", "Y");
        if (record.Get(field::CardsAnimate) == kOldYes) record.Put(field::CardsAnimate, "Y");
    }
    if (prefs.ReadString(section::Preference, "ConfirmQuit", "") == kOldYes)
        prefs.WriteString(section::Preference, "ConfirmQuit", "Y");
}

bool LookAfterScoreFile(SettingsRecord& record, MessagePort& messages, const ScoreFileOps& ops) {
    const MigrationResult result = MigrateScoreFile(record.DataFolder(), messages, ops);
    if (result == MigrationResult::NoScoreFile) return false;
    PreferencesFile prefs(PreferencesPath(record));
    RepairOldPreferences(record, prefs);
    return result == MigrationResult::Migrated;
}

}  // namespace tindle
