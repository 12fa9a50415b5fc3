#pragma once

#include <QObject>

#include <functional>
#include <string>

#include "shell/Launch.h"
#include "shell/MainMenu.h"

class QToolButton;

// The commands of the main window's menu bar and toolbars, and which of them are available.
//
// Each menu item runs its handler (mnuNewClick, mnuOpenClick, ...); each toolbar button
// repaints the window and then runs the handler of its menu item. The game's own steps are
// play's: the handlers hand them over through PlayCommandHooks. The open-a-game and customize
// dialogs offer their commands through SetOpenCommand and SetCustomizeCommand; until they
// do, those items are present but disabled.
//
// The Autoplay command's state is one check mark shown three times: the menu item's check
// and the two autoplay buttons held down. It changes only through SetAutoplayTicked (the
// command, the start-up state and the per-game store), so that the three always agree.

namespace tindle {

class HeaderPanels;
class TfrmMain;
class TindleApp;
struct ToolBarRow;

// What the commands hand to the game in play (set by play's wiring on the main window).
struct PlayCommandHooks {
    // New game: confirm abandoning the game in progress, end it, the "New" sound, a new deal
    // of the same game.
    std::function<void()> newGame;
    // Restart game: confirm, end the current game, deal its GameNumber again.
    std::function<void()> restart;
    // Select game number, once a number of 1 to 13 digits was chosen: confirm, end the
    // current game, store the number and deal it.
    std::function<void(const std::string& number)> dealNumber;
    // One step back or forward in the histories; the score recomputed and the table redrawn.
    std::function<void()> undo;
    std::function<void()> redo;
    // The Autoplay command: the mark turned over (through SetAutoplayTicked) and, when it is
    // now on during a game, autoplay run until nothing more plays.
    std::function<void()> autoplay;
};

class MainCommands : public QObject {
    Q_OBJECT
  public:
    MainCommands(TfrmMain& window, TindleApp& app, HeaderPanels& header);

    MainMenu& Menu() { return menu_; }

    // The toolbar glyphs, once the resource library is loaded.
    void LoadGlyphs();
    // The larger edition's items and buttons hidden and disabled (when the window is made).
    void HideLargerEditionCommands();

    // ---- Handlers.
    void mnuNewClick();
    void mnuOpenClick();
    void mnuRestartClick();
    void mnuSelectGameClick();
    void mnuEsciClick();
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuAutoPlayClick();
    void mnuCustomizeClick();
    void mnuRulesClick();
    void Sommario1Click();
    void mnuBravellHomePageClick();
    void mnuAboutClick();

    // ---- Availability.
    void SetAutoplayAvailable(bool available);
    // Undo and Redo as the game allows them; each is offered only while it also has a step to
    // take (SetHistoryStepsAvailable).
    void SetUndoAvailable(bool available);
    void SetHistoryStepsAvailable(bool undo, bool redo);
    // New game, Restart game, Select game number, Rules, Undo/Redo, Autoplay and the larger
    // edition's commands together.
    void SetGameCommandsAvailable(bool available);
    // Customize, as far as the customize dialog is there.
    void SetCustomizeAvailable(bool available);
    bool AutoplayAvailable() const;
    // Whether the game allows Undo and Redo (whatever there is to step to).
    bool UndoAvailable() const { return undoAllowed_; }

    // ---- The Autoplay command's state.
    bool AutoplayTicked() const { return autoplayOn_; }
    // The menu check and both buttons; with store, the state is kept for the current game in
    // the per-game store (used when autoplay is kept per game and the command is available).
    void SetAutoplayTicked(bool on, bool store = true);
    // A game was loaded: when autoplay is kept per game and available, its stored state is
    // applied as the Autoplay command applies it (running autoplay at once during a game).
    void ApplyStoredGameAutoplay();

    // ---- Seams.
    PlayCommandHooks play;
    void SetOpenCommand(std::function<void()> open);
    void SetCustomizeCommand(std::function<void()> customize);
    // Opens web addresses (the system's browser; tests record).
    UrlOpener openUrl = OpenWithSystem;

  private:
    void ConnectMenu();
    void ConnectButtons(const ToolBarRow& row);
    void RunFromButton(void (MainCommands::*handler)());
    void ShowAutoplayState();
    void ShowHistoryCommands();

    TfrmMain& window_;
    TindleApp& app_;
    HeaderPanels& header_;
    MainMenu menu_;
    MenuHelpKey* helpKey_ = nullptr;
    bool autoplayOn_ = false;
    bool undoAllowed_ = true;
    bool undoStep_ = false;
    bool redoStep_ = false;
    bool customizeWanted_ = true;
    std::function<void()> open_;
    std::function<void()> customize_;
};

}  // namespace tindle
