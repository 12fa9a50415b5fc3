#pragma once

#include <filesystem>

// The statistics files DATA\Stat_e00.dat .. DATA\Stat_e99.dat. This edition writes none; it
// only looks whether one exists, which tells a returning player from a new one (a new player
// is shown the game chooser at once).

namespace tindle {

inline constexpr int kStatisticsFileCount = 100;

// True when one of the numbered statistics files exists in the folder DATA of the data
// folder. Names are compared without regard to case, as on the system the files come
// from. An unreadable or missing folder holds none.
bool StatisticsPresent(const std::filesystem::path& dataFolder);

}  // namespace tindle
