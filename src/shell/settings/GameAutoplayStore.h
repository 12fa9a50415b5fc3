#pragma once

#include <string>

#include "model/Catalogue.h"
#include "shell/settings/PreferencesFile.h"

// The per-game autoplay store (section Autoplay), used when autoplay is kept per game
// (AutoPlay_All_Games = 2). Games of the catalogue (GameId below 8000) share the key
// "Games": one character per game, the character at position GameId + 1 being the game's.
// Customised games (8000 and above) have a key of their own, "Cust_" and the GameId in
// four digits. A missing value, a string too short or any character other than "N" means
// on.

namespace tindle {

// AutoPlay_All_Games: autoplay is one setting for all games (AutoPlay), or kept per game here.
inline constexpr int kAutoPlayForAllGames = 1;
inline constexpr int kAutoPlayPerGame = 2;

// The key that holds the game's value: "Games" or "Cust_8003". Ids too large for four
// digits keep all their digits, so that they do not share one key.
std::string GameAutoplayKey(int gameId);

// The stored autoplay state of the game (on for a GameId below 0, which has no entry).
bool ReadGameAutoplay(const PreferencesFile& prefs, int gameId);

// Stores the state of the game; false when the write failed or the GameId is below 0.
bool StoreGameAutoplay(PreferencesFile& prefs, int gameId, bool on);

}  // namespace tindle
