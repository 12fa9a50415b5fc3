#include "shell/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/AdvancedForm.h"
#include "shell/TfrmMsgAdvice.h"
#include "shell/settings/Placeholders.h"
#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, std::string_view text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, Q(FillPlaceholders(text)), buttons, parent);
    MakeDialogWindow(box);
    return box.exec();
}

}  // namespace

void MessageBoxes::Information(std::string_view text) {
    ShowBox(parent_, QMessageBox::Information, Q(kProductName), text, QMessageBox::Ok);
}

bool MessageBoxes::Confirm(std::string_view text) {
    return ShowBox(parent_, QMessageBox::Question, Q(kProductName), text,
                   QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void MessageBoxes::Beep() {
    QApplication::beep();
}

void MessageBoxes::FatalError(std::string_view text) {
    ShowBox(parent_, QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
}

bool MessageBoxes::ShowAdvice(std::string_view text, int page) {
    QImage picture;
    if (library_ && page >= 0 && page < static_cast<int>(kAdvicePictures.size()))
        picture = library_->Bitmap(kAdvicePictures[static_cast<std::size_t>(page)]);
    TfrmMsgAdvice box(Q(FillPlaceholders(text)), picture, parent_);
    box.exec();
    const bool silenced = box.NotDisplayAgain();
    if (parent_) parent_->update();
    return silenced;
}

}  // namespace tindle
