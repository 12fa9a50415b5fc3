#include "shell/TfrmSplash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "shell/AdvancedForm.h"

namespace tindle {

TfrmSplash::TfrmSplash(const QImage& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QSize size = picture_.isNull() ? QSize(kFallbackWidth, kFallbackHeight) : picture_.size();
    setFixedSize(size);

    // The picture carries the words itself; without it they are written on the green.
    if (picture_.isNull()) {
        setFont(FormFont());
        lblFreeware_ = new QLabel(QStringLiteral("Freeware version"), this);
        lblFreeware_->setObjectName(QStringLiteral("lblFreeware"));
        lblFreeware_->setAlignment(Qt::AlignCenter);
        QPalette palette = lblFreeware_->palette();
        palette.setColor(QPalette::WindowText, QColor(250, 214, 110));
        lblFreeware_->setPalette(palette);
        lblFreeware_->setGeometry(0, size.height() - 60, size.width(), 30);
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(size.width() / 2, size.height() / 2));
}

void TfrmSplash::RepaintNow() {
    // The splash never changes once drawn: after its first picture only the window system's
    // expose reports, handled by the events below, can call for it again. Painting it anew
    // would only send the same picture to the display once more, on the start's way to the
    // main window.
    if (!painted_) repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TfrmSplash::ShowsFreewareText() const {
    return lblFreeware_ != nullptr;
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    painted_ = true;
    QPainter painter(this);
    if (picture_.isNull())
        painter.fillRect(rect(), QColor(0, 96, 0));
    else
        painter.drawImage(0, 0, picture_);
}

}  // namespace tindle
