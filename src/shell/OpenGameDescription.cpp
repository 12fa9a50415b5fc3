#include "shell/OpenGameDescription.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "model/GameDef.h"
#include "model/GamesDat.h"
#include "table/ResourceNames.h"

namespace tindle {

namespace {

constexpr int kCardsPerDeck = 52;

constexpr std::array<std::string_view, 3> kGameTimeWords{"Long", "Medium", "Quick"};
constexpr std::array<std::string_view, 3> kDifficultyWords{"Easy", "Medium", "Hard"};
constexpr std::array<std::string_view, 5> kSkillWords{"Difficult", "Mostly skill", "Moderate",
                                                      "Mostly chance", "Chance only"};
constexpr std::array<std::string_view, 5> kWinningWords{"Very high", "High", "Medium", "Low",
                                                        "Very low"};

template <size_t N>
Rating RatingOf(int value, const std::array<std::string_view, N>& words,
                const std::array<std::string_view, N>& pictures) {
    if (value < 0 || value >= static_cast<int>(N)) return {};
    const auto i = static_cast<size_t>(value);
    return {std::string(words[i]), std::string(pictures[i])};
}

bool Unread(int value) {
    return value == kGameInfoUnread;
}

}  // namespace

GameInfoValues UnreadGameInfo() {
    const int u = kGameInfoUnread;
    return {u, u, u, u, u, u, u, u};
}

GamesDatStatus ReadGameInfoValues(const Catalogue& catalogue, int gameId, GameInfoValues& values) {
    static constexpr std::array<int, 8> kIndexes{
        gd::DurationClass, gd::RulesDifficulty, gd::SkillClass, gd::StockPasses,
        gd::DeckCards,     gd::WonGamesOf,      gd::WonGames,   gd::WinChance};
    std::vector<int> read;
    if (auto status = ReadGameInfo(catalogue, gameId, kIndexes, read); !status.Ok()) return status;
    if (read.size() != kIndexes.size()) return {"the game's fields could not be read"};
    values = {read[0], read[1], read[2], read[3], read[4], read[5], read[6], read[7]};
    return {};
}

std::string DecksText(int deckCards) {
    if (Unread(deckCards)) return {};
    return std::to_string(deckCards / kCardsPerDeck);
}

std::string RedealsText(int stockPasses) {
    if (Unread(stockPasses)) return {};
    if (stockPasses == -1) return "Unlimited";
    if (stockPasses == 0) return "0";
    return std::to_string(stockPasses - 1);
}

Rating GameTimeRating(int durationClass) {
    return RatingOf(durationClass, kGameTimeWords, kGameTimePictures);
}

Rating DifficultyRating(int rulesDifficulty) {
    return RatingOf(rulesDifficulty, kDifficultyWords, kDifficultyPictures);
}

Rating SkillRating(int skillClass) {
    return RatingOf(skillClass, kSkillWords, kSkillPictures);
}

Rating WinningRating(int winChance, int wonGames, int wonGamesOf) {
    Rating rating = RatingOf(winChance, kWinningWords, kWinningPictures);
    if (wonGamesOf != 0 && !Unread(wonGamesOf) && !Unread(wonGames)) {
        rating.text +=
            " (about " + std::to_string(wonGames) + " in " + std::to_string(wonGamesOf) + ")";
    }
    return rating;
}

Rating MeasuredWinningRating(const WinnableShare& share) {
    Rating rating = RatingOf(WinnableShareClass(share), kWinningWords, kWinningPictures);
    rating.text = WinnableShareText(share);
    return rating;
}

GameDescription DescribeGame(const GameInfoValues& v,
                             const std::optional<WinnableShare>& measured) {
    GameDescription d;
    d.decks = DecksText(v.deckCards);
    d.gameTime = GameTimeRating(v.durationClass);
    d.difficulty = DifficultyRating(v.rulesDifficulty);
    d.skill = SkillRating(v.skillClass);
    d.winning = measured ? MeasuredWinningRating(*measured)
                         : WinningRating(v.winChance, v.wonGames, v.wonGamesOf);
    if (measured) d.winningDetail = WinnableShareDetail(*measured);
    d.redeals = RedealsText(v.stockPasses);
    return d;
}

}  // namespace tindle
