#pragma once

#include <filesystem>

// The settings record as a first start gives it: every preference at its default, nothing
// read from or written to a preferences file. For drawing without the program (renders,
// previews in tools, tests).

namespace tindle {

class SettingsRecord;

void LoadDefaultSettings(SettingsRecord& settings, const std::filesystem::path& programDir);

}  // namespace tindle
