#pragma once

// The start-up benchmark's mark (bench/startup.sh): when TINDLE_STARTUP_MARK names a file, the
// time the main window's first picture reached the screen is appended to it, as nanoseconds
// of the realtime clock followed by a line break. The benchmark writes the time of the exec
// in front of it on the same line, so each start leaves "exec-ns painted-ns". Without the
// variable nothing is written.

namespace tindle {

inline constexpr const char* kStartupMarkVariable = "TINDLE_STARTUP_MARK";

// Appends the mark now (call once the first picture has been handed to the window system).
void WriteStartupMark();

}  // namespace tindle
