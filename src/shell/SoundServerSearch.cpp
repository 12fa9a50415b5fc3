#include "shell/SoundServerSearch.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tindle {
namespace {

namespace fs = std::filesystem;

// The client configuration's keys that name a server, connect to one beyond the sockets or
// name a server program to start.
constexpr std::string_view kServerKeys[] = {"default-server", "auto-connect-localhost",
                                            "auto-connect-display", "daemon-binary"};

bool Exists(const fs::path& path) {
    std::error_code error;
    return !path.empty() && fs::exists(path, error);
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Whether a configuration file sets one of the server keys (whatever its value: a "no" only
// makes the answer "maybe" where it could have been "no").
bool NamesServer(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = Trimmed(line);
        if (text.empty() || text[0] == ';' || text[0] == '#') continue;
        const std::string_view key = Trimmed(text.substr(0, text.find('=')));
        for (std::string_view serverKey : kServerKeys)
            if (key == serverKey) return true;
    }
    return false;
}

// A configuration file and the files of its ".d" folder.
bool ConfigNamesServer(const fs::path& file) {
    if (NamesServer(file)) return true;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(file) += ".d", error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().extension() == ".conf" && NamesServer(it->path())) return true;
    }
    return false;
}

}  // namespace

bool SoundServerMayAnswer(const SoundServerPlaces& places) {
    auto value = [&places](const char* name) {
        return places.environment ? places.environment(name) : nullptr;
    };
    auto env = [&value](const char* name) {
        const char* text = value(name);
        return text ? fs::path(text) : fs::path();
    };
    if (value("PULSE_SERVER")) return true;

    // Every configuration file the client library may read, the user's and the system's.
    std::vector<fs::path> configs = {env("PULSE_CLIENTCONFIG"),
                                     places.systemConfigDir / "client.conf"};
    const fs::path home = env("HOME");
    const fs::path configHome = env("XDG_CONFIG_HOME");
    if (!configHome.empty()) configs.push_back(configHome / "pulse/client.conf");
    if (!home.empty()) {
        configs.push_back(home / ".config/pulse/client.conf");
        configs.push_back(home / ".pulse/client.conf");
    }
    for (const fs::path& config : configs)
        if (!config.empty() && ConfigNamesServer(config)) return true;

    // The user's socket: without a runtime folder the library looks in folders of its own.
    const fs::path pulseRuntime = env("PULSE_RUNTIME_PATH");
    const fs::path runtime = env("XDG_RUNTIME_DIR");
    if (pulseRuntime.empty() && runtime.empty()) return true;
    if (!pulseRuntime.empty() && Exists(pulseRuntime / "native")) return true;
    if (!runtime.empty() && Exists(runtime / "pulse/native")) return true;

    if (Exists(places.systemSocket) || Exists(places.serverProgram)) return true;
    return places.publishedOnDisplay && places.publishedOnDisplay();
}

SoundServerPlaces SoundServerPlaces::OfThisSystem() {
    SoundServerPlaces places;
    places.environment = [](const char* name) { return std::getenv(name); };
    places.systemConfigDir = "/etc/pulse";
    places.systemSocket = "/var/run/pulse/native";
    places.serverProgram = "/usr/bin/pulseaudio";
#if QT_CONFIG(xcb)
    // The display's connection is taken here, on the window thread; the question is asked on
    // the thread that loads the sounds (the connection may be used by any thread). The atom is
    // only looked up, never made: a display where no server was ever published has none.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
        places.publishedOnDisplay = [connection] {
            static constexpr std::string_view kAtom = "PULSE_SERVER";
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, 1, kAtom.size(), kAtom.data()), nullptr);
            const bool published = reply && reply->atom != XCB_ATOM_NONE;
            std::free(reply);
            return published;
        };
    }
#endif
    return places;
}

}  // namespace tindle
