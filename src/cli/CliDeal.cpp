#include "cli/CliDeal.h"

#include <cstdio>

#include "cli/CliGamesDat.h"
#include "model/Catalogue.h"
#include "model/GamesDat.h"
#include "model/Snapshot.h"

namespace tindle::cli {

void StderrMessages::Information(std::string_view text) {
    std::fprintf(stderr, "tindle-cli: %.*s\n", static_cast<int>(text.size()), text.data());
}

bool StderrMessages::Confirm(std::string_view text) {
    Information(text);
    return true;
}

void StderrMessages::FatalError(std::string_view text) {
    Information(text);
}

void PrintTable(int gameId, const GameNumber& number, const Game& game) {
    std::printf("GameId: %d\nGameNumber: %s\n", gameId, number.Text().c_str());
    std::string line;
    for (int i = 0; i < kSnapshotLines; ++i) {
        const PileRef ref = SnapshotPile(i);
        WriteSnapshotLine(game.cards, game.piles.Get(ref), line);
        std::string text = PileName(ref) + ":";
        for (size_t at = 0; at < line.size(); at += kSnapshotCardChars) {
            text += ' ';
            text.append(line, at, kSnapshotCardChars);
        }
        std::printf("%s\n", text.c_str());
    }
}

std::optional<GameNumber> GameNumberArgument(const std::string& text) {
    if (text.empty() || text.size() > GameNumber::kDigits) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    return ParseGameNumber(text);
}

std::optional<DealArguments> ParseGameAndNumber(const CliArgs& args, int& exitCode) {
    const auto gameId = GameIdArgument(args.at(0));
    if (!gameId) {
        exitCode = Fail("'" + args[0] + "' is not a game id");
        return std::nullopt;
    }
    const auto number = GameNumberArgument(args.at(1));
    if (!number) {
        exitCode = Fail("'" + args[1] + "' is not a game number (1 to 13 digits)");
        return std::nullopt;
    }
    DealArguments parsed;
    parsed.gameId = *gameId;
    parsed.number = *number;
    return parsed;
}

std::optional<DealArguments> LoadDealArguments(const char* command, const CliArgs& args, Game& game,
                                               int& exitCode) {
    if (args.size() < 2 || args.size() > 3) {
        exitCode = UsageError(command);
        return std::nullopt;
    }
    std::optional<DealArguments> parsed = ParseGameAndNumber(args, exitCode);
    if (!parsed) return std::nullopt;
    const auto gamesDat = GamesDatArgument(args, 2);
    if (auto status = LoadGame(gamesDat, parsed->gameId, game); !status.Ok()) {
        exitCode = Fail(status.error);
        return std::nullopt;
    }
    Catalogue catalogue;
    if (catalogue.Read(gamesDat).Ok()) parsed->gameName = catalogue.GameName(parsed->gameId);
    return parsed;
}

}  // namespace tindle::cli
