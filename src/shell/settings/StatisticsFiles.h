#pragma once

#include <filesystem>
#include <string>

// The statistics files DATA\Stat_e00.dat .. DATA\Stat_e99.dat, one per player. Whether one
// exists tells a returning player from a new one (a new player is shown the game chooser at
// once). This edition has no player list: its one player keeps the file numbered 00 (what it
// holds is play/GameStatistics.h).

namespace tindle {

class SettingsRecord;

inline constexpr int kStatisticsFileCount = 100;
// The number of the statistics file of this edition's one player.
inline constexpr int kSinglePlayerStatistics = 0;

// "Stat_e" + the number in two digits + ".dat".
std::string StatisticsFileName(int number);

// The numbered statistics file in the folder DATA of the settings record's data folder.
std::filesystem::path StatisticsFilePath(const SettingsRecord& settings, int number);

// True when one of the numbered statistics files exists in the folder DATA of the data
// folder. Names are compared without regard to case, as on the system the files come
// from. An unreadable or missing folder holds none.
bool StatisticsPresent(const std::filesystem::path& dataFolder);

}  // namespace tindle
