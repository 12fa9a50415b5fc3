#include "shell/LaunchTarget.h"

#include <algorithm>
#include <cctype>

namespace tindle {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::optional<std::string> LaunchTarget(std::string_view kind, std::string_view address) {
    if (EqualNoCase(kind, "EMAIL")) {
        if (StartsWithNoCase(address, "mailto:")) return std::string(address);
        return "mailto:" + std::string(address);
    }
    if (EqualNoCase(kind, "HTTP")) {
        if (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://"))
            return std::string(address);
        return "http://" + std::string(address);
    }
    return std::nullopt;
}

bool IsLaunchableScheme(std::string_view scheme) {
    return EqualNoCase(scheme, "http") || EqualNoCase(scheme, "https") ||
           EqualNoCase(scheme, "mailto");
}

}  // namespace tindle
