#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/GamesDatText.h"

// The game catalogue: the "[Sect1]" lines of GAMES.DAT whose availability class is '0' or '2',
// in file order. Read once at start-up and kept; a game's position in it is the column of its
// values in "[Sect2]".

namespace tindle {

// Ids from this value up belong to customized games, which are never looked up in the file.
constexpr int kFirstCustomGameId = 8000;

struct CatalogueEntry {
    int type = 0;             // columns 1-3: the game type (the icon of the open-a-game tree)
    int gameId = 0;           // columns 5-7
    char availability = '0';  // column 8: '0' or '2' (other classes are not kept)
    char attribute = ' ';     // column 10: carried into the open-a-game list key
    std::string name;         // columns 11-60, trailing blanks removed
    std::string text;         // the whole line after the transform
};

class Catalogue {
  public:
    // Reads the catalogue of a GAMES.DAT. On failure the catalogue keeps what it held and the
    // status names the file, the line and what is wrong with it.
    GamesDatStatus Read(const std::filesystem::path& gamesDat);

    const std::filesystem::path& File() const { return file_; }
    const std::vector<CatalogueEntry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    // The catalogue column of a game: position gameId when that line holds gameId, otherwise
    // the first line that does; -1 for a game not in the catalogue and for ids of 8000 up.
    int ColumnOf(int gameId) const;
    bool Contains(int gameId) const { return ColumnOf(gameId) >= 0; }
    // The game's name; empty when it is not in the catalogue.
    std::string GameName(int gameId) const;

  private:
    std::filesystem::path file_;
    std::vector<CatalogueEntry> entries_;
};

}  // namespace tindle
