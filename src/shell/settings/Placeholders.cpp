#include "shell/settings/Placeholders.h"

#include <array>
#include <utility>

namespace tindle {

namespace {

void ReplaceFirst(std::string& text, std::string_view placeholder, std::string_view value) {
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos) text.replace(at, placeholder.size(), value);
}

}  // namespace

std::string FillPlaceholders(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kFillings{{
        {"[Program]", kProductName},
        {"[Program_sw]", kSuiteName},
        {"[GameNum_sw]", kSuiteGameCount},
        {"[GameNum_fw]", kEditionGameCount},
    }};
    std::string result(text);
    for (const auto& [placeholder, value] : kFillings)
        ReplaceFirst(result, placeholder, value);
    return result;
}

}  // namespace tindle
