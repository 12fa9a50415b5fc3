#pragma once

#include <filesystem>

#include "FuzzInput.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle::fuzz {

// An empty program folder with its data folder, and the settings record of a program started
// from it: nothing an earlier input wrote is left.
inline std::filesystem::path FreshProgramFolder(SettingsRecord& record) {
    const std::filesystem::path programDir = WorkFolder() / "program";
    std::filesystem::remove_all(programDir);
    std::filesystem::create_directory(programDir);
    InitialiseSettingsRecord(record, programDir);
    EnsureDataDirectory(record);
    return programDir;
}

}  // namespace tindle::fuzz
