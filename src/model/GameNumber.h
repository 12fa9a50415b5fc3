#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The 13-digit game number from which a deal is made. Shorter numbers are padded with
// leading zeros, so "42" and "0000000000042" are the same deal.

namespace tindle {

struct GameNumber {
    static constexpr int kDigits = 13;

    std::array<int, kDigits> digits{};  // digits[0] is the first (leftmost) digit

    // Digit i counted from 1, as the deal-order steps name them (G[1] .. G[13]).
    int G(int i) const { return digits[static_cast<size_t>(i - 1)]; }
    // The 13 characters.
    std::string Text() const;
    bool operator==(const GameNumber&) const = default;
};

// Reads 1 to 13 decimal digits (blanks around them are ignored) and pads them to 13 on the
// left. Anything else (empty, a sign, a letter, 14 or more digits) gives nullopt: a number
// that is cut or guessed would silently deal a different game.
std::optional<GameNumber> ParseGameNumber(std::string_view text);

}  // namespace tindle
