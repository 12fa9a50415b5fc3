#include <QApplication>

#include "shell/ProgramEntry.h"

// Tindle reads no command-line arguments of its own.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return tindle::RunProgram(application);
}
