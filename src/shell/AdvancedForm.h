#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <type_traits>

// The base of every form of the program (main window, splash, dialogs): it gives the form
// the program's font, which every label, button and panel on it inherits.
//
// The forms are designed for "Tahoma" 8 pt. When Tahoma is not installed the classic
// fallback is "MS Sans Serif"; a Linux desktop usually has neither, and then the system's
// own user-interface font is used, still at 8 pt so that the designed panel sizes hold. The
// installed families are looked up once per process and the answer is kept.

namespace tindle {

inline constexpr int kFormFontPointSize = 8;

// The family for a form: "Tahoma" when installed, else "MS Sans Serif" when installed, else
// systemFamily. Names are compared without regard to case; the installed spelling is returned.
QString ChooseFormFontFamily(const QStringList& installedFamilies, const QString& systemFamily);

// The font of every form (computed once per process).
const QFont& FormFont();

// FormFont, then one measure with it: the toolkit keeps the fonts that stand in for a family's
// missing characters once for every thread, and finding them (fontconfig sorts every installed
// font) is then done before the window's first text, on the thread that calls this.
void PrepareFormFont();

// Every dialog and message box of the program: a title bar with a close button only (no
// minimise or maximise; a dialog that asked for no close button keeps none), and modal for its
// parent window alone. The help window is a window of its own, so it stays usable while a
// dialog is open, and a player can read the rules beside the dialog that sent them there.
void MakeDialogWindow(QDialog& dialog);

template <class Base>
class C_TAdvancedForm : public Base {
  public:
    explicit C_TAdvancedForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {})
        : Base(parent, flags) {
        this->setFont(FormFont());
        if constexpr (std::is_base_of_v<QDialog, Base>) MakeDialogWindow(*this);
    }
};

}  // namespace tindle
