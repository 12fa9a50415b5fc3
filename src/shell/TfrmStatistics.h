#pragma once

#include <QDialog>

#include <functional>
#include <string_view>

#include "shell/AdvancedForm.h"

class QPushButton;
class QTableWidget;

// The Statistics dialog (Game menu): the player's statistics of every game of the catalogue,
// one row a game (name, played, won, win rate, current and longest streak, best time, best
// score), sorted by whichever column header is clicked. Reset, after the player confirms it,
// sets every game back to nothing played.

namespace tindle {

struct PlayContext;

class TfrmStatistics : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
  public:
    TfrmStatistics(PlayContext& ctx, QWidget* parent);

    // Opens the dialog's help topic (the Help button is shown while it is set).
    void SetHelp(std::function<void()> showHelp);

    QTableWidget* tblGames = nullptr;
    QPushButton* btnReset = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnClose = nullptr;

    static constexpr std::string_view kResetQuestion =
        "Reset the statistics of every game? This cannot be undone.";

  private:
    void Fill();
    void btnResetClick();

    PlayContext& ctx_;
    std::function<void()> showHelp_;
};

}  // namespace tindle
