#include "model/GameCompiler.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "model/GameSourceChecks.h"
#include "shell/settings/AtomicFile.h"

namespace tindle {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr size_t kNameWidth = 50;
constexpr size_t kFieldNameColumns = kFirstValueColumn - kFieldIndexWidth - 1;

std::string ZeroPad(int value, size_t width) {
    std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

std::string PadRight(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string FieldNameColumns(int index) {
    const GameDefFieldInfo* f = GameDefFieldAt(index);
    return " " + PadRight(f != nullptr ? std::string(f->name) : std::string(), kFieldNameColumns);
}

}  // namespace

CompileResult CompileGames(const std::vector<SourceText>& sources) {
    CompileResult result;
    std::map<int, const GameSource*> byId;
    std::vector<GameSource> games;
    games.reserve(sources.size());
    for (const auto& source : sources) {
        const size_t before = result.errors.size();
        GameSource game = ParseGameSource(source.file, source.text, result.errors);
        if (result.errors.size() == before) CheckGameSource(game, result.errors);
        games.push_back(std::move(game));
    }
    for (const auto& game : games) {
        if (game.gameId < 0) continue;
        auto [it, inserted] = byId.emplace(game.gameId, &game);
        if (!inserted) {
            result.errors.push_back(game.file + ":" + std::to_string(game.idLine) + ": GameId " +
                                    std::to_string(game.gameId) + " is already used by " +
                                    it->second->file + ":" + std::to_string(it->second->idLine));
        }
    }
    if (sources.empty()) result.errors.push_back("no game source files given");
    if (!result.errors.empty()) return result;
    std::stable_sort(games.begin(), games.end(),
                     [](const GameSource& a, const GameSource& b) { return a.gameId < b.gameId; });
    result.games = std::move(games);
    return result;
}

std::string CatalogueLineText(const GameSource& game) {
    std::string line = ZeroPad(game.type, 3) + " " + ZeroPad(game.gameId, 3);
    line += game.availability;
    line += ' ';
    line += game.attribute;
    line += PadRight(game.name, kNameWidth);
    return line;
}

std::string GamesDatBytes(const std::vector<GameSource>& games) {
    std::string out;
    out += kCatalogueHeader;
    out += kLineEnd;
    for (const auto& game : games) {
        out += TransformText(CatalogueLineText(game));
        out += kLineEnd;
    }
    out += kFieldsHeader;
    out += kLineEnd;
    for (int index = 0; index < GameDef::kFields; ++index) {
        out += ZeroPad(index, kFieldIndexWidth);
        out += FieldNameColumns(index);
        for (const auto& game : games) {
            out += TransformText(PadRight(std::to_string(game.def[index]), kValueWidth));
            out += ' ';
        }
        out += kLineEnd;
    }
    return out;
}

GamesDatStatus WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
    errno = 0;
    if (ReplaceFileAtomically(path, bytes)) return {};
    const int reason = errno;
    return {"cannot write " + path.string() + ": " +
            (reason != 0 ? std::strerror(reason) : "write error")};
}

}  // namespace tindle
