#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

// The menu bar MainMenu1 of the main window: File, Game, Tools and Help with their items,
// captions, shortcuts and help topics. Captions may carry placeholders ("[Program]"): the
// main window fills them when it is made.
//
// The larger edition of the program has more commands (random game, save, pause, statistics,
// themes, ...). This one keeps them in one list of hidden, disabled items that do nothing,
// so that switching the game commands can switch them too. Of them, this edition offers
// Restart game and Select game number, in the Game menu, and Hold and exit, in the File menu,
// without toolbar buttons; its Statistics... item moves into the Game menu.

namespace tindle {

struct MainMenu {
    QMenu* mnuPartita = nullptr;  // "&File"
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* N8 = nullptr;
    QAction* mnuHoldExit = nullptr;  // closes like Exit: the game in progress is kept
    QAction* mnuEsci = nullptr;

    QMenu* mnuGameMenu = nullptr;  // "&Game"
    QAction* mnuRestart = nullptr;
    QAction* mnuSelectGame = nullptr;
    QAction* mnuSepRestart = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuSep42 = nullptr;
    QAction* mnuAutoPlay = nullptr;
    QAction* mnuHint = nullptr;
    QAction* mnuDemo = nullptr;
    QAction* mnuShowStatistics = nullptr;  // the player's statistics of every game

    QMenu* mnuOpzioni = nullptr;  // "&Tools"
    QAction* mnuCustomize = nullptr;

    QMenu* mnuAiuto = nullptr;  // "&Help"
    QAction* mnuRules = nullptr;
    QAction* Sommario1 = nullptr;
    QAction* mnuSep25 = nullptr;
    QMenu* mnuBravellontheWeb = nullptr;
    QAction* mnuBravellHomePage = nullptr;
    QAction* N9 = nullptr;
    QAction* mnuAbout = nullptr;

    // The larger edition's commands: hidden, disabled, without a handler.
    std::vector<QAction*> largerEdition;

    // Every menu of the bar, submenus and hidden menus included.
    std::vector<QMenu*> menus;
};

// Builds the menus into the bar.
MainMenu BuildMainMenu(QMenuBar* bar);

// The help topic of an item (0 none). A submenu's topic is that of its menuAction().
int HelpTopicOf(const QAction* action);

// Hides and disables the larger edition's items (done when the main window is made).
void HideLargerEditionCommands(MainMenu& menu);

// F1 on a highlighted menu item opens that item's help topic (and closes the menus). Installed
// on every menu of the bar; the topic is handed to showTopic.
class MenuHelpKey : public QObject {
    Q_OBJECT
  public:
    MenuHelpKey(std::function<void(int topic)> showTopic, QObject* parent);
    void Watch(const std::vector<QMenu*>& menus);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(int)> showTopic_;
};

}  // namespace tindle
