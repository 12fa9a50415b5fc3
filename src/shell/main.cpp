#include <QApplication>

#include "shell/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tindle::TfrmMain window;
    window.show();
    return app.exec();
}
