#include "play/GameStatistics.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/Game.h"
#include "model/GameEnd.h"
#include "model/Ports.h"
#include "play/PlayContext.h"
#include "shell/settings/AtomicFile.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"
#include "shell/settings/StatisticsFiles.h"

namespace tindle {

namespace {

constexpr std::string_view kHeading = "Tindle statistics";
constexpr std::string_view kNone = "-";
// Every game of the catalogue many times over stays far below this.
constexpr size_t kMaxStatisticsBytes = 1024u * 1024u;
constexpr int kMaxGameId = 9999;
constexpr int kMaxCount = 999999999;
constexpr int kMaxSeconds = 100 * 3600 - 1;
constexpr int kMinScore = -99999;
constexpr int kMaxScore = 999999;
constexpr int kGameFields = 7;
constexpr int kPercent = 100;

// ---- Writing

std::string OptionalText(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string(kNone);
}

void Line(std::string& out, std::string_view key, std::string_view value) {
    out.append(key).append("=").append(value).append("\n");
}

// ---- Reading

bool IntIn(std::string_view text, int lo, int hi, int& out) {
    return ParseIntegerIn(text, lo, hi, out);
}

bool OptionalIn(std::string_view text, int lo, int hi, std::optional<int>& out) {
    out.reset();
    if (text == kNone) return true;
    int v = 0;
    if (!IntIn(text, lo, hi, v)) return false;
    out = v;
    return true;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

bool Field(std::string_view line, std::string_view key, std::string_view& value) {
    if (line.size() <= key.size() || !line.starts_with(key) || line[key.size()] != '=')
        return false;
    value = line.substr(key.size() + 1);
    return true;
}

// "Game=id played won current longest bestSeconds bestScore", every number in its range and
// the numbers consistent with each other.
bool GameLine(std::string_view line, int& gameId, GameRecord& r) {
    std::string_view value;
    if (!Field(line, "Game", value)) return false;
    const std::vector<std::string_view> f = Split(value, ' ');
    if (f.size() != kGameFields) return false;
    if (!IntIn(f[0], 0, kMaxGameId, gameId) || !IntIn(f[1], 0, kMaxCount, r.played) ||
        !IntIn(f[2], 0, r.played, r.won) || !IntIn(f[3], 0, r.won, r.currentStreak) ||
        !IntIn(f[4], r.currentStreak, r.won, r.longestStreak) ||
        !OptionalIn(f[5], 0, kMaxSeconds, r.bestSeconds) ||
        !OptionalIn(f[6], kMinScore, kMaxScore, r.bestScore))
        return false;
    // Every win has a time; a score only comes with a win.
    return r.bestSeconds.has_value() == (r.won > 0) && (r.won > 0 || !r.bestScore);
}

bool ParseLines(const std::vector<std::string_view>& lines, Statistics& stats,
                std::string& problem) {
    const auto fail = [&](const char* why) {
        problem = why;
        return false;
    };
    std::string_view value;
    int version = 0;
    if (lines.empty() || lines[0] != kHeading) return fail("it is not a statistics file");
    if (lines.size() < 4 || !Field(lines[1], "Version", value) ||
        !IntIn(value, 0, kMaxGameId, version) || version != kStatisticsVersion)
        return fail("it was written by another version");
    if (!Field(lines[2], "Unfinished", value) || !IntIn(value, -1, kMaxGameId, stats.unfinished))
        return fail("the unfinished game does not read");
    int count = 0;
    if (!Field(lines[3], "Games", value) || !IntIn(value, 0, kMaxGameId + 1, count))
        return fail("the number of games does not read");
    if (lines.size() - 4 != static_cast<size_t>(count))
        return fail("the number of games does not match");
    int previous = -1;
    for (int i = 0; i < count; ++i) {
        int gameId = 0;
        GameRecord record;
        if (!GameLine(lines[static_cast<size_t>(4 + i)], gameId, record) || gameId <= previous)
            return fail("a game's line does not read");
        stats.games[gameId] = record;
        previous = gameId;
    }
    return true;
}

// ---- The file

std::filesystem::path PlayerFile(const PlayContext& ctx) {
    return StatisticsFilePath(ctx.settings, kSinglePlayerStatistics);
}

void WriteStatistics(PlayContext& ctx) {
    StatisticsSession& session = ctx.session.statistics;
    if (!session.stats) return;
    EnsureDataDirectory(ctx.settings);
    if (ReplaceFileAtomically(PlayerFile(ctx), StatisticsText(*session.stats))) return;
    if (session.writeFailureTold) return;
    session.writeFailureTold = true;
    ctx.messages.Information("The statistics cannot be written to " + PlayerFile(ctx).string() +
                             ".");
}

// What the read of the file found wrong with it (empty when it is missing or sound).
std::string ReadInto(const std::filesystem::path& path, Statistics& stats) {
    std::string text;
    std::string problem;
    switch (ReadFileLimited(path, kMaxStatisticsBytes, text)) {
        case FileReadStatus::Missing:
            return {};
        case FileReadStatus::Unreadable:
            return "it cannot be read";
        case FileReadStatus::TooLarge:
            return "it is too large";
        case FileReadStatus::Ok:
            break;
    }
    if (auto read = ParseStatistics(text, problem)) stats = std::move(*read);
    return problem;
}

int CurrentGameId(const PlayContext& ctx) {
    return static_cast<int>(ctx.settings.GetInt(field::GameId, -1));
}

std::string ResultLine(std::string_view opening, const GameRecord& record, int seconds) {
    return std::string(opening) + ElapsedTimeText(seconds) + " \u2014 " +
           std::to_string(record.won) + " of " + std::to_string(record.played) + " won, streak " +
           std::to_string(record.currentStreak);
}

}  // namespace

GameRecord Statistics::Of(int gameId) const {
    const auto it = games.find(gameId);
    return it == games.end() ? GameRecord{} : it->second;
}

void CountPlayed(Statistics& stats, int gameId) {
    ++stats.games[gameId].played;
    stats.unfinished = gameId;
}

void CountWon(Statistics& stats, int gameId, int seconds, std::optional<int> score) {
    GameRecord& r = stats.games[gameId];
    r.won = std::min(r.won + 1, r.played);
    r.currentStreak = std::min(r.currentStreak + 1, r.won);
    r.longestStreak = std::max(r.longestStreak, r.currentStreak);
    seconds = std::clamp(seconds, 0, kMaxSeconds);
    if (!r.bestSeconds || seconds < *r.bestSeconds) r.bestSeconds = seconds;
    if (score) {
        const int s = std::clamp(*score, kMinScore, kMaxScore);
        if (!r.bestScore || s > *r.bestScore) r.bestScore = s;
    }
    stats.unfinished = -1;
}

void CountLost(Statistics& stats, int gameId) {
    stats.games[gameId].currentStreak = 0;
    stats.unfinished = -1;
}

std::string StatisticsText(const Statistics& stats) {
    std::string out;
    out.append(kHeading).append("\n");
    Line(out, "Version", std::to_string(kStatisticsVersion));
    Line(out, "Unfinished", std::to_string(stats.unfinished));
    Line(out, "Games", std::to_string(stats.games.size()));
    for (const auto& [gameId, r] : stats.games) {
        Line(out, "Game",
             std::to_string(gameId) + ' ' + std::to_string(r.played) + ' ' + std::to_string(r.won) +
                 ' ' + std::to_string(r.currentStreak) + ' ' + std::to_string(r.longestStreak) +
                 ' ' + OptionalText(r.bestSeconds) + ' ' + OptionalText(r.bestScore));
    }
    return out;
}

std::optional<Statistics> ParseStatistics(std::string_view text, std::string& problem) {
    problem.clear();
    if (!text.ends_with('\n')) {
        problem = "it is cut short";
        return std::nullopt;
    }
    std::vector<std::string_view> lines = Split(text.substr(0, text.size() - 1), '\n');
    Statistics stats;
    if (!ParseLines(lines, stats, problem)) return std::nullopt;
    return stats;
}

std::string ElapsedTimeText(int seconds) {
    seconds = std::max(seconds, 0);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

std::string WonLine(const GameRecord& record, int seconds) {
    return ResultLine("Won in ", record, seconds);
}

std::string DemoWonLine(const GameRecord& record, int seconds) {
    constexpr std::string_view opening = "The Demo won in ";
    // A game never played yet has no record to tell ("0 of 0 won").
    if (record.played == 0) return std::string(opening) + ElapsedTimeText(seconds);
    return ResultLine(opening, record, seconds);
}

std::string WinRateText(const GameRecord& record) {
    if (record.played == 0) return {};
    const long long percent =
        (static_cast<long long>(record.won) * kPercent * 2 + record.played) / (2 * record.played);
    return std::to_string(percent) + "%";
}

Statistics& PlayerStatistics(PlayContext& ctx) {
    StatisticsSession& session = ctx.session.statistics;
    if (session.stats) return *session.stats;
    session.stats.emplace();
    const std::filesystem::path path = PlayerFile(ctx);
    const std::string problem = ReadInto(path, *session.stats);
    if (!problem.empty()) {
        // The damaged file gives way to fresh statistics at once, so that it is told once.
        session.stats.emplace();
        ctx.messages.Information("The statistics file " + path.string() + " cannot be used (" +
                                 problem + "): its statistics start afresh.");
        WriteStatistics(ctx);
    }
    return *session.stats;
}

void StatisticsMoveMade(PlayContext& ctx) {
    StatisticsSession& session = ctx.session.statistics;
    if (!session.kept || session.dealing || session.demoMoving || session.gamePlayed ||
        !ctx.game.flags.gameInProgress)
        return;
    const int gameId = CurrentGameId(ctx);
    if (gameId < 0 || gameId > kMaxGameId) return;
    session.gamePlayed = true;
    CountPlayed(PlayerStatistics(ctx), gameId);
    WriteStatistics(ctx);
}

std::optional<std::string> StatisticsGameEnded(PlayContext& ctx, bool won, int seconds) {
    StatisticsSession& session = ctx.session.statistics;
    const bool played = session.gamePlayed;
    const bool demo = session.demoPlayed;
    session.gamePlayed = false;
    session.demoPlayed = false;
    const int gameId = CurrentGameId(ctx);
    if (!session.kept || gameId < 0 || gameId > kMaxGameId || (!won && !played)) return {};

    Statistics& stats = PlayerStatistics(ctx);
    // A deal the Demo won without a move of the player's was only watched: it counts nothing.
    if (demo && !played) return DemoWonLine(stats.Of(gameId), seconds);
    // A game won before any move of the player (autoplay won it at the deal) was played too.
    if (!played) CountPlayed(stats, gameId);
    if (!won || demo) {
        CountLost(stats, gameId);
    } else {
        CountWon(stats, gameId, seconds, ScoreOf(ctx.game, ctx.settings));
    }
    WriteStatistics(ctx);
    if (!won) return {};
    return demo ? DemoWonLine(stats.Of(gameId), seconds) : WonLine(stats.Of(gameId), seconds);
}

void StatisticsAtStart(PlayContext& ctx, int resumedGameId) {
    StatisticsSession& session = ctx.session.statistics;
    if (!session.kept) return;
    Statistics& stats = PlayerStatistics(ctx);
    if (stats.unfinished < 0) return;
    if (stats.unfinished == resumedGameId) {
        session.gamePlayed = true;
        return;
    }
    CountLost(stats, stats.unfinished);
    WriteStatistics(ctx);
}

void ResetStatistics(PlayContext& ctx) {
    StatisticsSession& session = ctx.session.statistics;
    session.stats.emplace();
    // The game in progress starts its count afresh with its next move.
    session.gamePlayed = false;
    WriteStatistics(ctx);
}

}  // namespace tindle
