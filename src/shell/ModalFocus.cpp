#include "shell/ModalFocus.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tindle {

namespace {

// The top-level widget shown in `window`, if any.
QWidget* WidgetOf(const QWindow* window) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() == window) return w;
    }
    return nullptr;
}

// Whether `ancestor` is `w` or one of the windows `w` belongs to.
bool Within(const QWidget* w, const QWidget* ancestor) {
    for (; w; w = w->parentWidget()) {
        if (w == ancestor) return true;
    }
    return false;
}

// Whether the modal dialog `modal` keeps input from `w`: a window of the dialog's own (a child
// dialog, a popup) is not kept from it; a dialog modal to its window only blocks that window
// and those it belongs to.
bool Blocks(const QWidget* modal, const QWidget* w) {
    if (w == modal || Within(w, modal) || w->windowType() == Qt::Popup) return false;
    if (modal->windowModality() == Qt::WindowModal) return Within(modal, w);
    return true;
}

}  // namespace

ModalFocus::ModalFocus(QObject* parent) : QObject(parent) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ModalFocus::FocusWindowChanged);
}

void ModalFocus::FocusWindowChanged(QWindow* window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!window || !modal || !modal->isVisible()) return;
    const QWidget* w = WidgetOf(window);
    if (!w || !Blocks(modal, w)) return;
    // After the focus change has been delivered: asked for in the middle of it, the window
    // system may still hand the focus on to the clicked window.
    QTimer::singleShot(0, modal, [dialog = QPointer<QWidget>(modal)] {
        if (dialog && dialog->isVisible()) dialog->activateWindow();
    });
}

}  // namespace tindle
