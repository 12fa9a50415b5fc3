#pragma once

#include <optional>
#include <string>
#include <string_view>

// Web and mail links handed to the system: which address is opened for a kind of link.

namespace tindle {

// Kind "HTTP" (any case): the address itself when it begins with "http://" or "https://"
// (any case), otherwise "http://" + address. Kind "EMAIL": "mailto:" + address, unless it
// already begins with "mailto:". Nothing for any other kind.
std::optional<std::string> LaunchTarget(std::string_view kind, std::string_view address);

// The only schemes the program hands to the system.
bool IsLaunchableScheme(std::string_view scheme);

}  // namespace tindle
