#pragma once

#include <string>
#include <string_view>

namespace tindle {

// The main window's title: "Tindle [" + the first 50 characters of the game's name + "]",
// then, when a game number is set, two blanks and "[" + number + "]".
std::string ComposeWindowTitle(std::string_view gameName, std::string_view gameNumber);

}  // namespace tindle
