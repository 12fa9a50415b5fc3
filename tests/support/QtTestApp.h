#pragma once

#include <QApplication>

// The one QApplication of a test program that uses widgets. Made on first use and never
// destroyed (widgets of static objects may outlive the tests).

namespace tindle::test {

inline QApplication& QtTestApp() {
    static int argc = 1;
    static char name[] = "tindle-test";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

}  // namespace tindle::test
