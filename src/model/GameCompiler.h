#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/GameSource.h"
#include "model/GamesDatText.h"

// The game compiler: readable game sources in, the bytes of GAMES.DAT out.

namespace tindle {

struct SourceText {
    std::string file;  // the name diagnostics use
    std::string text;
};

struct CompileResult {
    std::vector<GameSource> games;    // in catalogue order: by GameId
    std::vector<std::string> errors;  // "file:line: message"; nothing is usable when any
    bool Ok() const { return errors.empty() && !games.empty(); }
};

// Parses and checks every source (GameSourceChecks.h), refuses a GameId given twice and
// orders the games by GameId, which is their catalogue order.
CompileResult CompileGames(const std::vector<SourceText>& sources);

// The "[Sect1]" line of a game before the transform: type and id as three digits, the class,
// the attribute and the name padded to 50 characters.
std::string CatalogueLineText(const GameSource& game);

// The whole file: "[Sect1]" with one transformed catalogue line per game, then "[Sect2]" with
// one line per field 0..401 (index in columns 1-4, the field's name in columns 6-16, then
// per game its value left-aligned in 10 characters, transformed, and a blank). Lines end in
// CR LF. The same games always give the same bytes.
std::string GamesDatBytes(const std::vector<GameSource>& games);

// Writes a file so that it is either wholly replaced or left as it was (ReplaceFileAtomically);
// the status names the file and the system's reason on failure.
GamesDatStatus WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tindle
