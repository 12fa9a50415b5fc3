#include "shell/WinnableShares.h"

#include <algorithm>

#include "shell/settings/AtomicFile.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

// A few lines a game; anything much larger is no file of ours.
constexpr std::size_t kMaxFileBytes = 64 * 1024;
constexpr int kMaxGameId = 9999;
constexpr int kMaxDeals = 1'000'000;
constexpr int kClasses = 5;

constexpr std::string_view kBlanks = " \t\r";

std::string_view TrimmedBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Cuts the next blank-separated word off the front of `s`.
std::string_view NextWord(std::string_view& s) {
    s = TrimmedBlanks(s);
    const auto end = std::min(s.find_first_of(kBlanks), s.size());
    const std::string_view word = s.substr(0, end);
    s.remove_prefix(end);
    return word;
}

std::optional<WinnableShare> ParseLine(std::string_view line) {
    line = TrimmedBlanks(line);
    if (line.empty() || line.front() == '#') return std::nullopt;
    WinnableShare share;
    if (!ParseIntegerIn(NextWord(line), 0, kMaxGameId, share.gameId) ||
        !ParseIntegerIn(NextWord(line), 0, kMaxDeals, share.won) ||
        !ParseIntegerIn(NextWord(line), 1, kMaxDeals, share.searched) ||
        share.won > share.searched) {
        return std::nullopt;
    }
    share.name = std::string(TrimmedBlanks(line));
    if (share.name.empty()) return std::nullopt;
    return share;
}

}  // namespace

WinnableShares ParseWinnableShares(std::string_view text) {
    WinnableShares shares;
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        if (auto share = ParseLine(text.substr(0, end))) shares.push_back(std::move(*share));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return shares;
}

WinnableShares ReadWinnableShares(const std::filesystem::path& path) {
    std::string text;
    if (ReadFileLimited(path, kMaxFileBytes, text) != FileReadStatus::Ok) return {};
    return ParseWinnableShares(text);
}

std::optional<WinnableShare> FindWinnableShare(const WinnableShares& shares, int gameId,
                                               std::string_view name) {
    const auto at = std::find_if(shares.begin(), shares.end(), [&](const WinnableShare& s) {
        return s.gameId == gameId && s.name == name;
    });
    if (at == shares.end()) return std::nullopt;
    return *at;
}

std::string WinnableShareText(const WinnableShare& share) {
    const long long tenths = 1000LL * share.won / share.searched;
    return "at least " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) +
           " % (solver)";
}

std::string WinnableShareDetail(const WinnableShare& share) {
    return "The solver won " + std::to_string(share.won) + " of " + std::to_string(share.searched) +
           " deals. A deal it could not decide in time may be winnable too.";
}

int WinnableShareClass(const WinnableShare& share) {
    const long long fifths = 1LL * kClasses * share.won / share.searched;
    return static_cast<int>(std::clamp<long long>(kClasses - 1 - fifths, 0, kClasses - 1));
}

bool WinnableSearchPays(const std::optional<WinnableShare>& share) {
    return !share || 1LL * kClasses * share->won >= share->searched;
}

}  // namespace tindle
