#include "shell/ActivePicture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace tindle {

ActivePicture::ActivePicture(QWidget& widget) : QObject(&widget), widget_(widget) {
    limit_.setSingleShot(true);
    limit_.setInterval(kLimitMs);
    connect(&limit_, &QTimer::timeout, this, &ActivePicture::Release);
}

void ActivePicture::Arm() {
    QWindow* window = widget_.windowHandle();
    if (!window) return;
    if (window != watched_) {
        if (watched_) watched_->removeEventFilter(this);
        watched_ = window;
        watched_->installEventFilter(this);
    }
    armed_ = !window->isExposed();
    held_ = false;
}

bool ActivePicture::eventFilter(QObject* watched, QEvent* event) {
    if (watched != watched_ || !armed_) return false;
    switch (event->type()) {
        case QEvent::Expose:
            if (!watched_->isExposed()) return false;
            // Already active: nothing would change at the activation.
            if (watched_->isActive()) {
                Disarm();
                return false;
            }
            // The picture of the whole window is painted at the release: later reports wait too.
            if (!held_) limit_.start();
            held_ = true;
            return true;
        case QEvent::FocusIn:
            // The activation sets the focus and its look after this report: the picture is
            // painted once those are in place.
            if (held_)
                QMetaObject::invokeMethod(this, &ActivePicture::Release, Qt::QueuedConnection);
            else
                Disarm();
            return false;
        case QEvent::Hide:
            Disarm();
            return false;
        default:
            return false;
    }
}

void ActivePicture::Release() {
    const bool held = held_;
    Disarm();
    if (!held || !watched_ || !watched_->isExposed()) return;
    QExposeEvent expose(QRegion(QRect(QPoint(0, 0), watched_->size())));
    QCoreApplication::sendEvent(watched_, &expose);
}

void ActivePicture::Disarm() {
    armed_ = false;
    held_ = false;
    limit_.stop();
}

}  // namespace tindle
