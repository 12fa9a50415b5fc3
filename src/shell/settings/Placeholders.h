#pragma once

#include <string>
#include <string_view>

// The names that captions and messages carry as placeholders, and their filling. Every text
// shown to the player that may hold one goes through FillPlaceholders first.

namespace tindle {

inline constexpr std::string_view kProductName = "Tindle";
inline constexpr std::string_view kSuiteName = "Bravell 2001";
// How many games the larger suite and this edition offer, as the texts quote them.
inline constexpr std::string_view kSuiteGameCount = "265";
inline constexpr std::string_view kEditionGameCount = "11";

// Replaces the first occurrence of "[Program]" by the product name, then, in the result, the
// first occurrence of "[Program_sw]", "[GameNum_sw]" and "[GameNum_fw]" in this order. Later
// occurrences of a placeholder stay as they are.
std::string FillPlaceholders(std::string_view text);

}  // namespace tindle
