#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "shell/AdvancedForm.h"

class QLineEdit;
class QPushButton;

// The dialog of the Select game number command: the number of the deal to play. Only digits
// can be typed, at most 13; OK is available only while the text is a game number (1 to 13
// digits), which comes back padded to 13 digits with '0' on the left.

namespace tindle {

class TfrmSelectGameNumber : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
  public:
    // Opens on the number given (the game's current number), all of it selected.
    TfrmSelectGameNumber(const QString& number, QWidget* parent);

    // The 13 digits of the number typed, when it is a game number.
    std::optional<std::string> Number() const;

    // Shows the dialog modally; the number chosen with OK, nothing after Cancel.
    static std::optional<std::string> Ask(const QString& number, QWidget* parent);

    QLineEdit* edtNumber = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

  private:
    void NumberChanged();
};

}  // namespace tindle
