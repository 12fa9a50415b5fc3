#pragma once

#include <QUrl>

#include <functional>
#include <string_view>

// Web and mail links handed to the system's browser or mail program.

namespace tindle {

class MessagePort;

// What opens an address; by default QDesktopServices::openUrl. Tests pass their own.
using UrlOpener = std::function<bool(const QUrl&)>;
bool OpenWithSystem(const QUrl& url);

// Opens the address of a kind "HTTP" or "EMAIL" link (LaunchTarget) while the pointer shows
// the hourglass; any other kind shows "Error in parameters". Only http, https and mailto
// addresses are ever handed on. True when the system took the address.
bool Launch(std::string_view kind, std::string_view address, MessagePort& messages,
            const UrlOpener& open = OpenWithSystem);

}  // namespace tindle
