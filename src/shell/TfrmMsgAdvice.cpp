#include "shell/TfrmMsgAdvice.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace tindle {

namespace {
constexpr int kMargin = 10;
constexpr int kPictureWidth = 96;
constexpr int kPictureHeight = 128;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
}  // namespace

TfrmMsgAdvice::TfrmMsgAdvice(const QString& text, const QImage& picture, QWidget* parent)
    : C_TAdvancedForm<QDialog>(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(kClientWidth, kClientHeight);

    imgPicture = new QLabel(this);
    imgPicture->setGeometry(kMargin, kMargin, kPictureWidth, kPictureHeight);
    if (!picture.isNull()) imgPicture->setPixmap(QPixmap::fromImage(picture));

    const int textLeft = kMargin * 2 + kPictureWidth;
    const int textWidth = kClientWidth - textLeft - kMargin;
    lblMessage = new QLabel(text, this);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setGeometry(textLeft, kMargin, textWidth, kPictureHeight);

    const int bottomRow = kClientHeight - kMargin - kButtonHeight;
    chkNotDisplay = new QCheckBox(QStringLiteral("&Don't show this message box again"), this);
    // Below the picture and the text, beside the button: room for the words in any font.
    chkNotDisplay->setGeometry(kMargin, bottomRow, kClientWidth - 3 * kMargin - kButtonWidth,
                               kButtonHeight);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setGeometry(kClientWidth - kMargin - kButtonWidth, bottomRow, kButtonWidth,
                       kButtonHeight);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

bool TfrmMsgAdvice::NotDisplayAgain() const {
    return chkNotDisplay->isChecked();
}

QString TfrmMsgAdvice::MessageText() const {
    return lblMessage->text();
}

}  // namespace tindle
