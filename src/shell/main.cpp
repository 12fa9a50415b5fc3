#include <QApplication>

#include "shell/FontConfigWarmUp.h"
#include "shell/ProgramEntry.h"

// Tindle reads no command-line arguments of its own.
int main(int argc, char** argv) {
    // Before the toolkit starts: alongside its connection to the display.
    const tindle::FontConfigWarmUp fontConfig;
    QApplication application(argc, argv);
    // The launcher entry the windows belong to (its name without ".desktop"), so that a
    // desktop shows them with the launcher's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TINDLE_APP_ID));
    return tindle::RunProgram(application);
}
