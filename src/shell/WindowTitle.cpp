#include "shell/WindowTitle.h"

#include "shell/settings/Placeholders.h"

namespace tindle {

namespace {
constexpr std::size_t kTitleNameChars = 50;
}

std::string ComposeWindowTitle(std::string_view gameName, std::string_view gameNumber) {
    std::string title(kProductName);
    title += " [";
    title += gameName.substr(0, kTitleNameChars);
    title += "]";
    if (!gameNumber.empty()) {
        title += "  [";
        title += gameNumber;
        title += "]";
    }
    return title;
}

}  // namespace tindle
