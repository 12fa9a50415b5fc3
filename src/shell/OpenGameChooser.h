#pragma once

#include <QPointer>

// The open-a-game dialog of the running program: made once at start-up with the main window
// as its parent, its services joined to the help file, the main window's commands and play.
// It is the window's Open command (menu, toolbar, Ctrl+F12, and what play offers after a
// game), and what the first start shows in place of dealing the stored game.

namespace tindle {

class TfrmMain;
class TfrmOpenGame;
class TindleApp;

class OpenGameChooser {
  public:
    OpenGameChooser(TindleApp& app, TfrmMain& window);
    ~OpenGameChooser();
    OpenGameChooser(const OpenGameChooser&) = delete;
    OpenGameChooser& operator=(const OpenGameChooser&) = delete;

    // The dialog (owned by the main window); null once the window is gone.
    TfrmOpenGame* Dialog() const;

    // The Open command: the dialog modally, then the chosen game opened through the
    // open-a-game flow with a new game number. True when a game was chosen.
    bool OpenCommand();

  private:
    TfrmMain& window_;
    QPointer<TfrmOpenGame> dialog_;
};

}  // namespace tindle
