#pragma once

#include <filesystem>
#include <span>
#include <vector>

#include "model/Catalogue.h"
#include "model/GameDef.h"
#include "model/GamesDatText.h"

// Reading game definitions from GAMES.DAT. The file is read again from disk on every load;
// nothing of "[Sect2]" is kept between loads.

namespace tindle {

class Game;

// The value an unread entry of ReadGameInfo keeps.
constexpr int kGameInfoUnread = -99;

// Stores the game's value of every "[Sect2]" line into def[index], the index taken from
// columns 1-4 of the line (a later line of the same index wins). Then takes the deal fields'
// copy into `saved`. On any error (file unreadable, game not in the catalogue, an index or
// value that does not read, a field without a line) neither def nor saved changes.
GamesDatStatus LoadGameDefinition(const Catalogue& catalogue, int gameId, GameDef& def,
                                  DealFieldsCopy& saved);
// The same into a game's definition and its saved deal fields.
GamesDatStatus LoadGameDefinition(const Catalogue& catalogue, int gameId, Game& game);

// Copies the saved deal fields back (before a new deal of the same game).
void RestoreDealFields(Game& game);

// Single fields of one game for the open-a-game dialog, addressing the "[Sect2]" lines by
// their position (field index = line position). An index of -1 is skipped and its value stays
// kGameInfoUnread. On error `values` is left as it was.
GamesDatStatus ReadGameInfo(const Catalogue& catalogue, int gameId, std::span<const int> indexes,
                            std::vector<int>& values);

// The whole load of one game from a GAMES.DAT file: reads the catalogue, clears the game's
// definition, loads it and takes the saved deal fields. Nothing of the game changes on error.
// For tools and tests that open a game without the start-up sequence.
GamesDatStatus LoadGame(const std::filesystem::path& gamesDat, int gameId, Game& game);

}  // namespace tindle
