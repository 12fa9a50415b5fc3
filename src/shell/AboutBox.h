#pragma once

#include <QDialog>

#include "shell/AdvancedForm.h"

class QLabel;
class QPushButton;

// The about box: the program's picture, its name, version and a short credit naming how many
// games the catalogue offers, and an OK button. The "About" sound plays when the box comes up (as
// its switch and the master switch allow).

namespace tindle {

class ResourceLibrary;
class SettingsRecord;
class SoundPort;

class TfrmAbout : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
  public:
    TfrmAbout(const ResourceLibrary& library, const SettingsRecord& settings, SoundPort& sounds,
              int gameCount, QWidget* parent = nullptr);

    QLabel* lblProduct = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCredit = nullptr;
    QPushButton* btnOK = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const SettingsRecord& settings_;
    SoundPort& sounds_;
};

}  // namespace tindle
