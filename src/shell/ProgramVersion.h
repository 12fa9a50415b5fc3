#pragma once

#include <string>
#include <string_view>

// The program's version: four digits, the first two the major and the last two the minor
// version ("0520" is version 05.20).

namespace tindle {

inline constexpr std::string_view kVersionDigits = "0520";

// "05.20".
inline std::string VersionText() {
    return std::string(kVersionDigits.substr(0, 2)) + "." +
           std::string(kVersionDigits.substr(2, 2));
}

}  // namespace tindle
