#pragma once

#include <functional>
#include <memory>

class QApplication;

namespace tindle {

class ShellMessagePort;

// The program: start-up with the splash, the main window, the message loop, shutdown. The
// exit code is 0, also when a missing program file ends the start (after its message).
// Messages are shown as message boxes; a test build may pass a message port of its own, and the
// start-up benchmark's build a call made once the main window's first picture has reached the
// screen.
int RunProgram(QApplication& application);
int RunProgram(QApplication& application, std::unique_ptr<ShellMessagePort> messages,
               std::function<void()> firstPainted = {});

}  // namespace tindle
