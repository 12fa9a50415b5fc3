#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include "shell/AdvancedForm.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tindle {

// The advice box: "Information", a picture on the left, the word-wrapped advice, the check box
// "Don't show this message box again" and OK. Client 418 x 177, centred on the screen, no
// border icons.
class TfrmMsgAdvice : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 418;
    static constexpr int kClientHeight = 177;

    TfrmMsgAdvice(const QString& text, const QImage& picture, QWidget* parent = nullptr);

    bool NotDisplayAgain() const;
    QString MessageText() const;

    QLabel* imgPicture;
    QLabel* lblMessage;
    QCheckBox* chkNotDisplay;
    QPushButton* btnOK;
};

}  // namespace tindle
