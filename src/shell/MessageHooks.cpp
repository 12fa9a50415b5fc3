#include "shell/MessageHooks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

#include "model/Game.h"

namespace tindle {

namespace {

bool IsMousePress(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
            return true;
        default:
            return false;
    }
}

Qt::MouseButton PressedButton(const QEvent* event) {
    return static_cast<const QMouseEvent*>(event)->button();
}

// A shortcut is looked up before its key press is delivered; claiming the key for the
// focus widget keeps the shortcut from firing, so the key press itself reaches the filter.
bool ClaimShortcut(QEvent* event) {
    event->accept();
    return true;
}

}  // namespace

MessageHooks::MessageHooks(RunFlags& flags, QObject* parent) : QObject(parent), flags_(flags) {}

MessageHooks::~MessageHooks() {
    Restore();
}

void MessageHooks::Install(Hook hook) {
    if (hook == hook_) return;
    if (hook_ != Hook::None && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    hook_ = hook;
    if (hook_ != Hook::None && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

bool MessageHooks::eventFilter(QObject*, QEvent* event) {
    switch (hook_) {
        case Hook::Animation:
            return AnimationFilter(event);
        case Hook::Deal:
            return DealFilter(event);
        case Hook::None:
            break;
    }
    return false;
}

bool MessageHooks::AnimationFilter(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) return ClaimShortcut(event);
    bool stops = event->type() == QEvent::KeyPress;
    if (IsMousePress(event)) {
        const Qt::MouseButton button = PressedButton(event);
        stops = button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    if (!stops) return false;
    flags_.animationRunning = false;
    return true;
}

bool MessageHooks::DealFilter(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) return ClaimShortcut(event);
    bool cuts = event->type() == QEvent::KeyPress;
    if (IsMousePress(event)) {
        const Qt::MouseButton button = PressedButton(event);
        cuts = button == Qt::LeftButton || button == Qt::RightButton;
    }
    if (!cuts) return false;
    flags_.dealCutShort = true;
    return true;
}

}  // namespace tindle
