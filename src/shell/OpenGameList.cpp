#include "shell/OpenGameList.h"

#include <algorithm>

#include "model/GamesDatText.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

constexpr size_t kNameWidth = 50;
constexpr size_t kTypeStart = 50;
constexpr size_t kTypeWidth = 3;
constexpr size_t kIdStart = 53;
constexpr size_t kIdWidth = 3;
constexpr size_t kAttributeAt = 56;

// Catalogue line columns (0-based) of the type and the GameId.
constexpr size_t kLineTypeStart = 0;
constexpr size_t kLineIdStart = 4;

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// Three characters of the catalogue line when it holds them, otherwise the number written
// with leading zeros (lines are always read from text, the fallback covers a made-up entry).
std::string LineColumns(const CatalogueEntry& entry, size_t start, int number) {
    if (entry.text.size() >= start + 3) return entry.text.substr(start, 3);
    return ZeroPad(number, 3);
}

int KeyNumber(std::string_view key, size_t start, size_t width) {
    if (key.size() < start + width) return -1;
    std::string_view digits = key.substr(start, width);
    while (!digits.empty() && digits.back() == ' ')
        digits.remove_suffix(1);
    const auto value = ParseDecimal(digits);
    return value && *value >= 0 ? static_cast<int>(*value) : -1;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string GameListKey(const CatalogueEntry& entry) {
    std::string key = Padded(entry.name, kNameWidth);
    key += LineColumns(entry, kLineTypeStart, entry.type);
    key += LineColumns(entry, kLineIdStart, entry.gameId);
    key += entry.attribute;
    return key;
}

std::vector<std::string> BuildGameList(const Catalogue& catalogue) {
    std::vector<std::string> keys;
    keys.reserve(catalogue.Entries().size());
    for (const auto& entry : catalogue.Entries())
        keys.push_back(GameListKey(entry));
    std::stable_sort(keys.begin(), keys.end(),
                     [](const std::string& a, const std::string& b) { return GameKeyLess(a, b); });
    return keys;
}

std::string GameKeyName(std::string_view key) {
    std::string name(key.substr(0, std::min(key.size(), kNameWidth)));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

int GameKeyType(std::string_view key) {
    return KeyNumber(key, kTypeStart, kTypeWidth);
}

int GameKeyId(std::string_view key) {
    return KeyNumber(key, kIdStart, kIdWidth);
}

char GameKeyAttribute(std::string_view key) {
    return key.size() > kAttributeAt ? key[kAttributeAt] : ' ';
}

bool GameKeyLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

}  // namespace tindle
