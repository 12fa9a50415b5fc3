#include "shell/AdvancedForm.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace tindle {

namespace {

constexpr const char* kDesignedFamily = "Tahoma";
constexpr const char* kFallbackFamily = "MS Sans Serif";

const QString* FindFamily(const QStringList& families, const QString& wanted) {
    for (const QString& family : families) {
        if (family.compare(wanted, Qt::CaseInsensitive) == 0) return &family;
    }
    return nullptr;
}

}  // namespace

QString ChooseFormFontFamily(const QStringList& installedFamilies, const QString& systemFamily) {
    if (const QString* found = FindFamily(installedFamilies, kDesignedFamily)) return *found;
    if (const QString* found = FindFamily(installedFamilies, kFallbackFamily)) return *found;
    return systemFamily;
}

const QFont& FormFont() {
    static const QFont font = [] {
        const QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        QFont chosen(ChooseFormFontFamily(QFontDatabase::families(), system.family()));
        chosen.setPointSize(kFormFontPointSize);
        return chosen;
    }();
    return font;
}

void PrepareFormFont() {
    (void)QFontMetrics(FormFont()).height();
}

void MakeDialogWindow(QDialog& dialog) {
    Qt::WindowFlags flags = dialog.windowFlags();
    if (!flags.testFlag(Qt::CustomizeWindowHint)) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
    }
    flags &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint);
    dialog.setWindowFlags(flags);
    dialog.setWindowModality(Qt::WindowModal);
}

}  // namespace tindle
