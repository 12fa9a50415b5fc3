#include "model/GameNumber.h"

namespace tindle {

std::string GameNumber::Text() const {
    std::string text(kDigits, '0');
    for (int i = 0; i < kDigits; ++i) {
        text[static_cast<size_t>(i)] = static_cast<char>('0' + digits[static_cast<size_t>(i)]);
    }
    return text;
}

std::optional<GameNumber> ParseGameNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > GameNumber::kDigits) return std::nullopt;
    GameNumber number;
    const size_t pad = GameNumber::kDigits - text.size();
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        number.digits[pad + i] = c - '0';
    }
    return number;
}

}  // namespace tindle
