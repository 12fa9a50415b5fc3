#pragma once

#include <QPointer>

// The open-a-game dialog of the running program: made once, when it is first shown or when the
// first start gets its showing ready (a start that finds statistics files does neither and so
// never builds it), with the main window as its parent, and kept for every later showing; its
// services are joined to the help file, the main window's commands and play. It is the window's
// Open command (menu, toolbar, Ctrl+F12, and what play offers after a game), and what the first
// start shows.

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

    // The dialog (owned by the main window); null until it is first shown, and once the
    // window is gone.
    TfrmOpenGame* Dialog() const;

    // The Open command: the dialog modally, then the chosen game opened through the
    // open-a-game flow with a new game number. True when a game was chosen.
    bool OpenCommand();

  private:
    // The dialog, made at the first call; null when the window has gone since.
    TfrmOpenGame* MakeDialog();

    TindleApp& app_;
    TfrmMain& window_;
    QPointer<TfrmOpenGame> dialog_;
    bool made_ = false;
};

}  // namespace tindle
