#include "model/Catalogue.h"

namespace tindle {

namespace {

// Columns of a catalogue line, 0-based.
constexpr size_t kTypeColumn = 0;
constexpr size_t kTypeWidth = 3;
constexpr size_t kIdColumn = 4;
constexpr size_t kIdWidth = 3;
constexpr size_t kClassColumn = 7;
constexpr size_t kAttributeColumn = 9;
constexpr size_t kNameColumn = 10;
constexpr size_t kNameWidth = 50;

bool KeptClass(char c) {
    return c == '0' || c == '2';
}

std::string Columns(const std::string& line, size_t start, size_t width) {
    return start < line.size() ? line.substr(start, width) : std::string();
}

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

}  // namespace

GamesDatStatus Catalogue::Read(const std::filesystem::path& gamesDat) {
    GamesDatLines file;
    if (auto status = file.Read(gamesDat); !status.Ok()) return status;
    bool found = false;
    const auto lines = file.Section(kCatalogueHeader, &found);
    if (!found) return {gamesDat.string() + ": no " + std::string(kCatalogueHeader) + " section"};

    std::vector<CatalogueEntry> entries;
    for (const auto& raw : lines) {
        const std::string line = TransformText(raw.text);
        if (line.size() <= kClassColumn || !KeptClass(line[kClassColumn])) continue;
        const std::string where = gamesDat.string() + ":" + std::to_string(raw.lineNumber) + ": ";
        CatalogueEntry e;
        const std::string typeText = WithoutTrailingBlanks(Columns(line, kTypeColumn, kTypeWidth));
        const std::string idText = WithoutTrailingBlanks(Columns(line, kIdColumn, kIdWidth));
        const auto type = ParseDecimal(typeText);
        const auto id = ParseDecimal(idText);
        if (!type || *type < 0) return {where + "game type '" + typeText + "' is not a number"};
        if (!id || *id < 0) return {where + "game id '" + idText + "' is not a number"};
        e.type = *type;
        e.gameId = *id;
        e.availability = line[kClassColumn];
        e.attribute = line.size() > kAttributeColumn ? line[kAttributeColumn] : ' ';
        e.name = WithoutTrailingBlanks(Columns(line, kNameColumn, kNameWidth));
        e.text = line;
        entries.push_back(std::move(e));
    }
    file_ = gamesDat;
    entries_ = std::move(entries);
    return {};
}

int Catalogue::ColumnOf(int gameId) const {
    if (gameId < 0 || gameId >= kFirstCustomGameId) return -1;
    const auto g = static_cast<size_t>(gameId);
    if (g < entries_.size() && entries_[g].gameId == gameId) return gameId;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].gameId == gameId) return static_cast<int>(i);
    }
    return -1;
}

std::string Catalogue::GameName(int gameId) const {
    const int column = ColumnOf(gameId);
    return column < 0 ? std::string() : entries_[static_cast<size_t>(column)].name;
}

}  // namespace tindle
