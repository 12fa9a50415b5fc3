#include "shell/settings/GameAutoplayStore.h"

#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

constexpr std::string_view kGamesKey = "Games";
constexpr std::string_view kCustomKeyPrefix = "Cust_";
constexpr int kCustomIdWidth = 4;
// Characters appended beyond the game's own when the "Games" string is extended.
constexpr int kGamesSlack = 9;
// "Games" reaches one character per catalogue GameId plus the slack, more than the usual
// value limit; reading it cut would lose the entries of the higher ids.
constexpr std::size_t kMaxGamesChars = kFirstCustomGameId + kGamesSlack + 1;

constexpr char kOn = 'Y';
constexpr char kOff = 'N';

}  // namespace

std::string GameAutoplayKey(int gameId) {
    if (gameId < kFirstCustomGameId) return std::string(kGamesKey);
    std::string digits = ZeroPad(gameId, kCustomIdWidth);
    if (digits.find('*') != std::string::npos) digits = std::to_string(gameId);
    return std::string(kCustomKeyPrefix) + digits;
}

bool ReadGameAutoplay(const PreferencesFile& prefs, int gameId) {
    if (gameId < 0) return true;
    if (gameId >= kFirstCustomGameId) {
        std::string value = prefs.ReadString(section::Autoplay, GameAutoplayKey(gameId), "Y");
        return value.empty() || value[0] != kOff;
    }
    std::string games = prefs.ReadString(section::Autoplay, kGamesKey, "", kMaxGamesChars);
    size_t index = static_cast<size_t>(gameId);
    return index >= games.size() || games[index] != kOff;
}

bool StoreGameAutoplay(PreferencesFile& prefs, int gameId, bool on) {
    if (gameId < 0) return false;
    const char value = on ? kOn : kOff;
    if (gameId >= kFirstCustomGameId) {
        return prefs.WriteString(section::Autoplay, GameAutoplayKey(gameId), std::string(1, value));
    }
    std::string games = prefs.ReadString(section::Autoplay, kGamesKey, "", kMaxGamesChars);
    size_t index = static_cast<size_t>(gameId);
    if (index + 1 >= games.size()) {
        // Extend with "on" entries and keep the game's own character plus the slack.
        games.append(index + 1 + kGamesSlack, kOn);
        games.resize(index + 1 + kGamesSlack);
    }
    games[index] = value;
    return prefs.WriteString(section::Autoplay, kGamesKey, games);
}

}  // namespace tindle
