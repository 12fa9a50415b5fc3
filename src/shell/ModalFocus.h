#pragma once

#include <QObject>

class QWindow;

// While a modal dialog is open, the keyboard belongs to it. Some window managers (openbox,
// several tiling ones) give the keyboard focus to whichever window is clicked, also to one the
// dialog blocks: the dialog then waits for keys that reach nothing, and Return or Escape seem
// broken until the player finds the dialog and clicks it. ModalFocus hands the focus back to
// the dialog whenever a window it blocks takes it.

namespace tindle {

class ModalFocus : public QObject {
    Q_OBJECT
  public:
    explicit ModalFocus(QObject* parent = nullptr);

  private:
    void FocusWindowChanged(QWindow* window);
};

}  // namespace tindle
