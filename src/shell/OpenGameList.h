#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Catalogue.h"

// The game list of the open-a-game dialog: one text key of 57 characters per catalogue game,
//
//   characters  1-50  the game's name, padded with blanks
//              51-53  the game type, three characters
//              54-56  the GameId, three digits
//              57     the attribute
//
// sorted without regard to case, so that the games come in alphabetical order of their names.

namespace tindle {

inline constexpr size_t kGameKeyLength = 57;

// The list of the catalogue, sorted. Equal keys keep their catalogue order.
std::vector<std::string> BuildGameList(const Catalogue& catalogue);

// The key of one catalogue line.
std::string GameListKey(const CatalogueEntry& entry);

// The parts of a key: the name without trailing blanks, the type and the GameId (-1 when the
// characters are not a number), the attribute.
std::string GameKeyName(std::string_view key);
int GameKeyType(std::string_view key);
int GameKeyId(std::string_view key);
char GameKeyAttribute(std::string_view key);

// Ordering of two keys without regard to case (ASCII letters).
bool GameKeyLess(std::string_view a, std::string_view b);

}  // namespace tindle
