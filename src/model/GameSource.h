#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/GameDef.h"

// One game's readable source (games/*.game): its catalogue line and its rule fields by name.
//
//   # comment (a '#' starts a comment anywhere on a line)
//   Id = 1                  catalogue data: GameId 0..999
//   Type = 4                game type 0..999 (the open-a-game icon)
//   Class = 0               availability class, one digit ('0' and '2' are offered)
//   Attribute = A           optional, one character (a blank when left out)
//   Name = Freecell         up to 50 characters
//   TableauCount = 8        a field by its GameDefFields.def name (case-insensitive)
//   TableauDealCount = 7 7 7 7 6 6 6 6     an array from its first element
//   TableauBase[3] = 13     an array from element 3 (more values fill 4, 5, ...)
//   FoundationBase = 'Q'    a character's code (81) for the letter codes of bases
//
// Each field may be assigned once; fields left out are 0.

namespace tindle {

struct GameSource {
    std::string file;  // as named to the compiler; diagnostics start with it
    int gameId = -1;
    int type = -1;
    char availability = 0;
    char attribute = ' ';
    std::string name;
    int idLine = 0;  // line of the Id, for diagnostics about the game as a whole

    GameDef def;                               // assigned values; all others 0
    std::array<int, GameDef::kFields> line{};  // source line of each assigned field, else 0

    bool IsSet(int index) const { return line.at(static_cast<size_t>(index)) > 0; }
    // The line of the field's assignment, or `fallback` when it is not assigned.
    int LineOf(int index, int fallback) const {
        return IsSet(index) ? line[static_cast<size_t>(index)] : fallback;
    }
};

// Parses one source file. Every problem is appended to `errors` as "file:line: message";
// the game is usable only when nothing was appended.
GameSource ParseGameSource(const std::string& file, std::string_view text,
                           std::vector<std::string>& errors);

}  // namespace tindle
