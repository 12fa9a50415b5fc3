// Fuzz target: a score file (DATA/STAT_SCR.DAT) as the first activation of the program finds
// it: its version is read and an older file is migrated, and the preferences older versions
// wrote are repaired. A migrated file has the current version and is migrated no further.

#include "ProgramFolder.h"
#include "model/QuietPorts.h"
#include "shell/ScoreFileMigration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tindle;
    SettingsRecord record;
    const std::filesystem::path programDir = fuzz::FreshProgramFolder(record);
    const std::filesystem::path file = ScoreFilePath(programDir);
    fuzz::WriteFile(file, fuzz::Text(data, size));

    QuietMessagePort messages;
    const bool migrated = LookAfterScoreFile(record, messages);
    if (migrated && (ScoreFileVersion(file) != kScoreFileVersion ||
                     MigrateScoreFile(programDir, messages) != MigrationResult::UpToDate))
        fuzz::Broken();
    return 0;
}
