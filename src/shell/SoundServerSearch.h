#pragma once

#include <filesystem>
#include <functional>

// Whether a sound server may answer the sound module, found out without loading it. The sound
// libraries (the server's client library and the many codec libraries it pulls in) cannot be
// unloaded once loaded, and they cost over a megabyte for the whole run: where certainly no
// server answers, the program is silent for the whole run anyway, so they are not loaded at
// all.
//
// The client library looks for its server in these places, in this order: a server named by
// the environment (PULSE_SERVER), by a client configuration file (default-server, or the
// automatic connections to the local host or to the display's host) or published on the X
// display (the root window's PULSE_SERVER property); the user's socket in the runtime folder;
// the system-wide socket; and, when none answers, a server it starts itself. The search answers
// "maybe" wherever any of them could lead to a server, and "no" only when none can.

namespace tindle {

struct SoundServerPlaces {
    // The environment's value of a name, or null.
    std::function<const char*(const char*)> environment;
    std::filesystem::path systemConfigDir;  // holds client.conf and client.conf.d/
    std::filesystem::path systemSocket;
    std::filesystem::path serverProgram;  // the server the client library may start
    // Whether the X display publishes a server (asked only when nothing else answers).
    std::function<bool()> publishedOnDisplay;

    // The places of this system: the real environment, and the display of the application
    // (made on the window thread; the answer may then be asked on any thread).
    static SoundServerPlaces OfThisSystem();
};

bool SoundServerMayAnswer(const SoundServerPlaces& places);

}  // namespace tindle
