#pragma once

class QApplication;

namespace tindle {

// The program: start-up with the splash, the main window, the message loop, shutdown. The
// exit code is 0, also when a missing program file ends the start (after its message).
int RunProgram(QApplication& application);

}  // namespace tindle
