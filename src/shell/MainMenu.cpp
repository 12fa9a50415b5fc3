#include "shell/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "shell/HelpTopics.h"

namespace tindle {

namespace {

constexpr const char* kHelpTopicProperty = "helpTopic";
constexpr int kMaxOpenMenus = 8;

QAction* Item(QMenu* menu, const char* name, const char* caption, int topic,
              const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty(kHelpTopicProperty, topic);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption) {
    auto* menu = new QMenu(QString::fromUtf8(caption), bar);
    menu->setObjectName(QString::fromLatin1(name));
    bar->addMenu(menu);
    return menu;
}

// The larger edition's commands, by the menu they belong to.
enum class Home { File, Game, Statistics, Tournament, Tools, Help };
struct LargerEditionItem {
    Home home;
    const char* name;
    const char* caption;
};
constexpr LargerEditionItem kLargerEdition[] = {
    {Home::File, "mnuRandomGame", "Random &game"},
    {Home::File, "mnuSave", "&Save"},
    {Home::File, "mnuPlayers", "&Players..."},
    {Home::Game, "mnuInsertBookmark", "&Insert bookmark"},
    {Home::Game, "mnuGoToBookmark", "&Go to bookmark"},
    {Home::Game, "mnuPause", "&Pause"},
    {Home::Game, "mnuQuitGame", "&Quit game"},
    {Home::Game, "mnuGameInfo", "Game &information..."},
    {Home::Game, "mnuCardCounter", "&Card counter"},
    {Home::Tournament, "mnuShowTournament", "&Tournament..."},
    {Home::Tools, "mnuThemes", "T&hemes..."},
    {Home::Tools, "mnuCustomizeRules", "Customize &rules..."},
    {Home::Tools, "mnuFavouriteGames", "&Favourite games..."},
    {Home::Tools, "mnuFastSearch", "Fast &search..."},
    {Home::Help, "mnuTipOfTheDay", "&Tip of the day"},
};

}  // namespace

MainMenu BuildMainMenu(QMenuBar* bar) {
    MainMenu m;
    m.mnuPartita = Menu(bar, "mnuPartita", "&File");
    m.mnuNew = Item(m.mnuPartita, "mnuNew", "&New game", topic::NewGame, QKeySequence(Qt::Key_F2));
    m.mnuOpen = Item(m.mnuPartita, "mnuOpen", "&Open a game", topic::OpenGame,
                     QKeySequence(Qt::CTRL | Qt::Key_F12));
    m.N8 = Separator(m.mnuPartita, "N8");
    m.mnuHoldExit = Item(m.mnuPartita, "mnuHoldExit", "&Hold and exit", topic::Exit);
    m.mnuEsci = Item(m.mnuPartita, "mnuEsci", "E&xit", topic::Exit);

    m.mnuGameMenu = Menu(bar, "mnuGameMenu", "&Game");
    m.mnuRestart = Item(m.mnuGameMenu, "mnuRestart", "Re&start game", topic::RestartGame,
                        QKeySequence(Qt::Key_F5));
    m.mnuSelectGame = Item(m.mnuGameMenu, "mnuSelectGame", "Select game &number...",
                           topic::SelectGameNumber, QKeySequence(Qt::Key_F3));
    m.mnuSepRestart = Separator(m.mnuGameMenu, "mnuSepRestart");
    m.mnuUndo =
        Item(m.mnuGameMenu, "mnuUndo", "&Undo", topic::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.mnuRedo =
        Item(m.mnuGameMenu, "mnuRedo", "&Redo", topic::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y));
    m.mnuSep42 = Separator(m.mnuGameMenu, "mnuSep42");
    m.mnuAutoPlay =
        Item(m.mnuGameMenu, "mnuAutoPlay", "Au&toplay", topic::Autoplay, QKeySequence(Qt::Key_F7));
    m.mnuAutoPlay->setCheckable(true);
    m.mnuHint = Item(m.mnuGameMenu, "mnuHint", "&Hint", topic::Hint, QKeySequence(Qt::Key_H));
    m.mnuDemo = Item(m.mnuGameMenu, "mnuDemo", "&Demo", topic::Demo);
    m.mnuShowStatistics =
        Item(m.mnuGameMenu, "mnuShowStatistics", "Stat&istics...", topic::Statistics);

    QMenu* statistics = Menu(bar, "mnuStatistics", "&Statistics");
    QMenu* tournament = Menu(bar, "mnuTournament", "T&ournament");

    m.mnuOpzioni = Menu(bar, "mnuOpzioni", "&Tools");
    m.mnuCustomize = Item(m.mnuOpzioni, "mnuCustomize", "C&ustomize...", topic::Customize,
                          QKeySequence(Qt::CTRL | Qt::Key_U));

    m.mnuAiuto = Menu(bar, "mnuAiuto", "&Help");
    m.mnuRules = Item(m.mnuAiuto, "mnuRules", "&Rules", topic::Rules, QKeySequence(Qt::Key_F1));
    m.Sommario1 = Item(m.mnuAiuto, "Sommario1", "&Contents", topic::Contents);
    m.mnuSep25 = Separator(m.mnuAiuto, "mnuSep25");
    m.mnuBravellontheWeb = new QMenu(QStringLiteral("[Program] on the &Web..."), m.mnuAiuto);
    m.mnuBravellontheWeb->setObjectName(QStringLiteral("mnuBravellontheWeb"));
    m.mnuBravellontheWeb->menuAction()->setProperty(kHelpTopicProperty, topic::OnTheWeb);
    m.mnuAiuto->addMenu(m.mnuBravellontheWeb);
    m.mnuBravellHomePage =
        Item(m.mnuBravellontheWeb, "mnuBravellHomePage", "[Program] &Home Page", topic::HomePage);
    m.N9 = Separator(m.mnuAiuto, "N9");
    m.mnuAbout = Item(m.mnuAiuto, "mnuAbout", "A&bout [Program]...", topic::About);

    for (const LargerEditionItem& item : kLargerEdition) {
        QMenu* home = nullptr;
        switch (item.home) {
            case Home::File:
                home = m.mnuPartita;
                break;
            case Home::Game:
                home = m.mnuGameMenu;
                break;
            case Home::Statistics:
                home = statistics;
                break;
            case Home::Tournament:
                home = tournament;
                break;
            case Home::Tools:
                home = m.mnuOpzioni;
                break;
            case Home::Help:
                home = m.mnuAiuto;
                break;
        }
        m.largerEdition.push_back(Item(home, item.name, item.caption, 0));
    }
    m.largerEdition.push_back(statistics->menuAction());
    m.largerEdition.push_back(tournament->menuAction());

    m.menus = {m.mnuPartita, m.mnuGameMenu, statistics,          tournament,
               m.mnuOpzioni, m.mnuAiuto,    m.mnuBravellontheWeb};
    return m;
}

int HelpTopicOf(const QAction* action) {
    return action ? action->property(kHelpTopicProperty).toInt() : 0;
}

void HideLargerEditionCommands(MainMenu& menu) {
    for (QAction* action : menu.largerEdition) {
        action->setVisible(false);
        action->setEnabled(false);
    }
}

// ---------------------------------------------------------------------------------------

MenuHelpKey::MenuHelpKey(std::function<void(int)> showTopic, QObject* parent)
    : QObject(parent), showTopic_(std::move(showTopic)) {}

void MenuHelpKey::Watch(const std::vector<QMenu*>& menus) {
    for (QMenu* menu : menus)
        menu->installEventFilter(this);
}

bool MenuHelpKey::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    auto* menu = qobject_cast<QMenu*>(watched);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || !menu)
        return QObject::eventFilter(watched, event);
    const int topic = HelpTopicOf(menu->activeAction());
    if (topic == 0) return QObject::eventFilter(watched, event);
    // F1 belongs to the highlighted item, not to the Rules command's shortcut.
    event->accept();
    if (type == QEvent::KeyPress) {
        // Every open menu closes (a bounded loop: a popup that refuses to close stops it).
        for (int open = 0; open < kMaxOpenMenus; ++open) {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup) break;
            popup->close();
        }
        if (showTopic_) showTopic_(topic);
    }
    return true;
}

}  // namespace tindle
