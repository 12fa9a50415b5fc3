#pragma once

#include <string_view>

// The product's web site, opened by Help > [Program] on the Web > [Program] Home Page. The one
// place where the address is configured.

namespace tindle {

inline constexpr std::string_view kHomePageAddress = "https://tindle.example.org/";

}  // namespace tindle
