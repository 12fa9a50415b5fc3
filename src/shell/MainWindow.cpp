#include "shell/MainWindow.h"

#include <QPainter>

namespace tindle {

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Tindle"));
    resize(751, 407);
}

void TfrmMain::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 96, 0));
}

}  // namespace tindle
