#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "shell/Messages.h"

// The message port of the running program: standard message boxes and the advice box.

namespace tindle {

class ResourceLibrary;

class MessageBoxes : public ShellMessagePort {
  public:
    // The library gives the advice box its pictures (no picture without one).
    void SetLibrary(const ResourceLibrary* library) { library_ = library; }

    // The window the boxes belong to (the main window once it exists).
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Information(std::string_view text) override;
    bool Confirm(std::string_view text) override;
    void Beep() override;
    void FatalError(std::string_view text) override;
    bool ShowAdvice(std::string_view text, int page) override;

  private:
    const ResourceLibrary* library_ = nullptr;
    QPointer<QWidget> parent_;
};

}  // namespace tindle
