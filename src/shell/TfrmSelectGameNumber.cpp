#include "shell/TfrmSelectGameNumber.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "model/GameNumber.h"

namespace tindle {

namespace {
constexpr int kNumberWidth = 240;
}  // namespace

TfrmSelectGameNumber::TfrmSelectGameNumber(const QString& number, QWidget* parent)
    : C_TAdvancedForm<QDialog>(parent) {
    setObjectName(QStringLiteral("frmSelectGameNumber"));
    setWindowTitle(QStringLiteral("Select game number"));

    auto* label = new QLabel(QStringLiteral("&Game number (1 to 13 digits):"), this);
    edtNumber = new QLineEdit(number, this);
    edtNumber->setObjectName(QStringLiteral("edtNumber"));
    edtNumber->setMaxLength(GameNumber::kDigits);
    // Room for the number and for the caption above.
    edtNumber->setMinimumWidth(kNumberWidth);
    edtNumber->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(GameNumber::kDigits)), edtNumber));
    label->setBuddy(edtNumber);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnOK = buttons->button(QDialogButtonBox::Ok);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = buttons->button(QDialogButtonBox::Cancel);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(edtNumber, &QLineEdit::textChanged, this, &TfrmSelectGameNumber::NumberChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edtNumber);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    edtNumber->selectAll();
    NumberChanged();
}

std::optional<std::string> TfrmSelectGameNumber::Number() const {
    const auto number = ParseGameNumber(edtNumber->text().toStdString());
    if (!number) return std::nullopt;
    return number->Text();
}

void TfrmSelectGameNumber::NumberChanged() {
    btnOK->setEnabled(Number().has_value());
}

std::optional<std::string> TfrmSelectGameNumber::Ask(const QString& number, QWidget* parent) {
    TfrmSelectGameNumber dialog(number, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Number();
}

}  // namespace tindle
