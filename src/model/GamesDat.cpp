#include "model/GamesDat.h"

#include <bitset>
#include <limits>

#include "model/Game.h"

namespace tindle {

namespace {

std::string Where(const GamesDatLines& file, int lineNumber) {
    return file.file.string() + ":" + std::to_string(lineNumber) + ": ";
}

std::string NotInCatalogue(const Catalogue& catalogue, int gameId) {
    if (gameId >= kFirstCustomGameId) {
        return "game " + std::to_string(gameId) + " is a customized game, which " +
               catalogue.File().string() + " does not hold";
    }
    return "game " + std::to_string(gameId) + " is not in the catalogue of " +
           catalogue.File().string();
}

// The "[Sect2]" lines of the catalogue's file, read afresh.
GamesDatStatus ReadFieldLines(const Catalogue& catalogue, GamesDatLines& file,
                              std::vector<SectionLine>& lines) {
    if (auto status = file.Read(catalogue.File()); !status.Ok()) return status;
    bool found = false;
    lines = file.Section(kFieldsHeader, &found);
    if (!found) {
        return {catalogue.File().string() + ": no " + std::string(kFieldsHeader) + " section"};
    }
    return {};
}

// The value of one game on one "[Sect2]" line, as a 16-bit field.
GamesDatStatus ReadValue(const GamesDatLines& file, const SectionLine& line, int index, int column,
                         int gameId, int& value) {
    const std::string where = Where(file, line.lineNumber) + FieldLabel(index) + ": ";
    const auto text = FieldValueText(line.text, column);
    if (!text) {
        return {where + "the line ends before the value of game " + std::to_string(gameId) +
                " (column " + std::to_string(column) + ")"};
    }
    if (text->empty()) {
        return {where + "the value of game " + std::to_string(gameId) + " is empty"};
    }
    const auto number = ParseDecimal(*text);
    if (!number) {
        return {where + "'" + *text + "' is not a valid integer (game " + std::to_string(gameId) +
                ")"};
    }
    if (*number < std::numeric_limits<int16_t>::min() ||
        *number > std::numeric_limits<int16_t>::max()) {
        return {where + *text + " does not fit a 16-bit field (game " + std::to_string(gameId) +
                ")"};
    }
    value = *number;
    return {};
}

GamesDatStatus ReadFieldIndex(const GamesDatLines& file, const SectionLine& line, int& index) {
    std::string text = line.text.substr(0, kFieldIndexWidth);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    const auto number = ParseDecimal(text);
    if (!number) {
        return {Where(file, line.lineNumber) + "the field index '" + text +
                "' in columns 1-4 is not a number"};
    }
    if (*number < 0 || *number >= GameDef::kFields) {
        return {Where(file, line.lineNumber) + "the field index " + std::to_string(*number) +
                " is outside 0.." + std::to_string(GameDef::kFields - 1)};
    }
    index = *number;
    return {};
}

// A file cut short (a broken copy or download) still reads line by line; the fields it lost
// would silently be zero and deal a different game, or none.
GamesDatStatus EveryFieldRead(const Catalogue& catalogue,
                              const std::bitset<GameDef::kFields>& hasLine, size_t lineCount) {
    if (hasLine.all()) return {};
    size_t missing = 0;
    while (hasLine.test(missing))
        ++missing;
    return {catalogue.File().string() + ": " + FieldLabel(static_cast<int>(missing)) + ": the " +
            std::string(kFieldsHeader) + " section has no line for this field (it has " +
            std::to_string(lineCount) + " lines): the file is incomplete"};
}

}  // namespace

GamesDatStatus LoadGameDefinition(const Catalogue& catalogue, int gameId, GameDef& def,
                                  DealFieldsCopy& saved) {
    const int column = catalogue.ColumnOf(gameId);
    if (column < 0) return {NotInCatalogue(catalogue, gameId)};
    GamesDatLines file;
    std::vector<SectionLine> lines;
    if (auto status = ReadFieldLines(catalogue, file, lines); !status.Ok()) return status;

    // Every field has a line in a whole file, so nothing of the old definition is kept.
    GameDef loaded;
    std::bitset<GameDef::kFields> hasLine;
    for (const auto& line : lines) {
        int index = 0;
        int value = 0;
        if (auto status = ReadFieldIndex(file, line, index); !status.Ok()) return status;
        if (auto status = ReadValue(file, line, index, column, gameId, value); !status.Ok()) {
            return status;
        }
        loaded[index] = static_cast<int16_t>(value);
        hasLine.set(static_cast<size_t>(index));
    }
    if (auto status = EveryFieldRead(catalogue, hasLine, lines.size()); !status.Ok()) return status;
    def = loaded;
    saved.Take(def);
    return {};
}

GamesDatStatus LoadGameDefinition(const Catalogue& catalogue, int gameId, Game& game) {
    return LoadGameDefinition(catalogue, gameId, game.def, game.savedDealFields);
}

void RestoreDealFields(Game& game) {
    game.savedDealFields.RestoreInto(game.def);
}

GamesDatStatus ReadGameInfo(const Catalogue& catalogue, int gameId, std::span<const int> indexes,
                            std::vector<int>& values) {
    const int column = catalogue.ColumnOf(gameId);
    if (column < 0) return {NotInCatalogue(catalogue, gameId)};
    GamesDatLines file;
    std::vector<SectionLine> lines;
    if (auto status = ReadFieldLines(catalogue, file, lines); !status.Ok()) return status;

    std::vector<int> result(indexes.size(), kGameInfoUnread);
    for (size_t i = 0; i < indexes.size(); ++i) {
        const int index = indexes[i];
        if (index == -1) continue;
        if (index < 0 || static_cast<size_t>(index) >= lines.size()) {
            return {catalogue.File().string() + ": " + FieldLabel(index) + ": the " +
                    std::string(kFieldsHeader) + " section has no line at position " +
                    std::to_string(index) + " (it has " + std::to_string(lines.size()) + ")"};
        }
        const auto& line = lines[static_cast<size_t>(index)];
        if (auto status = ReadValue(file, line, index, column, gameId, result[i]); !status.Ok()) {
            return status;
        }
    }
    values = std::move(result);
    return {};
}

GamesDatStatus LoadGame(const std::filesystem::path& gamesDat, int gameId, Game& game) {
    Catalogue catalogue;
    if (auto status = catalogue.Read(gamesDat); !status.Ok()) return status;
    GameDef def;
    DealFieldsCopy saved;
    if (auto status = LoadGameDefinition(catalogue, gameId, def, saved); !status.Ok()) {
        return status;
    }
    game.def = def;
    game.savedDealFields = saved;
    return {};
}

}  // namespace tindle
