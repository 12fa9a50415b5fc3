#pragma once

#include <string>
#include <string_view>

// The product's web site, opened by Help > [Program] on the Web > [Program] Home Page. The one
// place where the address is configured.

namespace tindle {

inline constexpr std::string_view kHomePageAddress = "https://tindle.example.org/";

// Told when no web browser took the address (none is set up): where the page is, so that the
// player can open it by hand.
inline std::string HomePageNotOpenedText() {
    return "[Program] could not start a web browser. Its home page is:\n" +
           std::string(kHomePageAddress);
}

}  // namespace tindle
