#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "shell/HelpTopics.h"
#include "shell/MainMenu.h"
#include "support/QtTestApp.h"

namespace tindle {
namespace {

class MainMenuTest : public ::testing::Test {
  protected:
    // The application exists before the widgets below are made.
    bool withApp = (test::QtTestApp(), true);

    void SetUp() override { menu = BuildMainMenu(&bar); }
    QMenuBar bar;
    MainMenu menu;
};

struct Expected {
    QAction* MainMenu::*item;
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    int topic;
};

TEST_F(MainMenuTest, ItemsCaptionsShortcutsAndHelpTopics) {
    const Expected expected[] = {
        {&MainMenu::mnuNew, "mnuNew", "&New game", QKeySequence(Qt::Key_F2), topic::NewGame},
        {&MainMenu::mnuOpen, "mnuOpen", "&Open a game", QKeySequence(Qt::CTRL | Qt::Key_F12),
         topic::OpenGame},
        {&MainMenu::mnuEsci, "mnuEsci", "E&xit", {}, topic::Exit},
        {&MainMenu::mnuRestart, "mnuRestart", "Re&start game", QKeySequence(Qt::Key_F5),
         topic::RestartGame},
        {&MainMenu::mnuSelectGame, "mnuSelectGame", "Select game &number...",
         QKeySequence(Qt::Key_F3), topic::SelectGameNumber},
        {&MainMenu::mnuUndo, "mnuUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), topic::Undo},
        {&MainMenu::mnuRedo, "mnuRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), topic::Redo},
        {&MainMenu::mnuAutoPlay, "mnuAutoPlay", "Au&toplay", QKeySequence(Qt::Key_F7),
         topic::Autoplay},
        {&MainMenu::mnuHint, "mnuHint", "&Hint", QKeySequence(Qt::Key_H), topic::Hint},
        {&MainMenu::mnuDemo, "mnuDemo", "&Demo", {}, topic::Demo},
        {&MainMenu::mnuShowStatistics,
         "mnuShowStatistics",
         "Stat&istics...",
         {},
         topic::Statistics},
        {&MainMenu::mnuCustomize, "mnuCustomize", "C&ustomize...",
         QKeySequence(Qt::CTRL | Qt::Key_U), topic::Customize},
        {&MainMenu::mnuRules, "mnuRules", "&Rules", QKeySequence(Qt::Key_F1), topic::Rules},
        {&MainMenu::Sommario1, "Sommario1", "&Contents", {}, topic::Contents},
        {&MainMenu::mnuBravellHomePage,
         "mnuBravellHomePage",
         "[Program] &Home Page",
         {},
         topic::HomePage},
        {&MainMenu::mnuAbout, "mnuAbout", "A&bout [Program]...", {}, topic::About},
    };
    for (const Expected& e : expected) {
        const QAction* action = menu.*e.item;
        ASSERT_NE(action, nullptr) << e.name;
        EXPECT_EQ(action->objectName(), e.name);
        EXPECT_EQ(action->text(), e.caption) << e.name;
        EXPECT_EQ(action->shortcut(), e.shortcut) << e.name;
        EXPECT_EQ(HelpTopicOf(action), e.topic) << e.name;
    }
    EXPECT_TRUE(menu.mnuAutoPlay->isCheckable());
    EXPECT_EQ(menu.mnuBravellontheWeb->title(), "[Program] on the &Web...");
    EXPECT_EQ(HelpTopicOf(menu.mnuBravellontheWeb->menuAction()), topic::OnTheWeb);

    // The visible menus of the bar, in order, and the order of their items.
    HideLargerEditionCommands(menu);
    std::vector<QString> titles;
    for (QAction* top : bar.actions())
        if (top->isVisible()) titles.push_back(top->text());
    EXPECT_EQ(titles, (std::vector<QString>{"&File", "&Game", "&Tools", "&Help"}));
    auto visible = [](QMenu* m) {
        std::vector<QString> names;
        for (QAction* a : m->actions())
            if (a->isVisible()) names.push_back(a->objectName());
        return names;
    };
    EXPECT_EQ(visible(menu.mnuPartita),
              (std::vector<QString>{"mnuNew", "mnuOpen", "N8", "mnuHoldExit", "mnuEsci"}));
    EXPECT_EQ(visible(menu.mnuGameMenu),
              (std::vector<QString>{"mnuRestart", "mnuSelectGame", "mnuSepRestart", "mnuUndo",
                                    "mnuRedo", "mnuSep42", "mnuAutoPlay", "mnuHint", "mnuDemo",
                                    "mnuShowStatistics"}));
    EXPECT_EQ(visible(menu.mnuOpzioni), (std::vector<QString>{"mnuCustomize"}));
    EXPECT_EQ(visible(menu.mnuAiuto),
              (std::vector<QString>{"mnuRules", "Sommario1", "mnuSep25", "", "N9", "mnuAbout"}));
    EXPECT_TRUE(menu.N8->isSeparator());
    EXPECT_TRUE(menu.N9->isSeparator());
}

TEST_F(MainMenuTest, TheLargerEditionsCommandsAreHiddenDisabledAndWithoutShortcuts) {
    HideLargerEditionCommands(menu);
    ASSERT_GE(menu.largerEdition.size(), 17u);
    for (QAction* action : menu.largerEdition) {
        EXPECT_FALSE(action->isVisible()) << action->objectName().toStdString();
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
}

// Sends F1 (its shortcut override first, as the window system does) to a menu.
bool PressF1(QMenu* menu) {
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier);
    override.ignore();
    QCoreApplication::sendEvent(menu, &override);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &press);
    return override.isAccepted();
}

TEST_F(MainMenuTest, F1OnAHighlightedItemOpensItsTopic) {
    std::vector<int> shown;
    MenuHelpKey helpKey([&shown](int topic) { shown.push_back(topic); }, nullptr);
    helpKey.Watch(menu.menus);

    menu.mnuGameMenu->setActiveAction(menu.mnuRedo);
    // The key is the item's, not the Rules command's shortcut.
    EXPECT_TRUE(PressF1(menu.mnuGameMenu));
    menu.mnuAiuto->setActiveAction(menu.mnuBravellontheWeb->menuAction());
    PressF1(menu.mnuAiuto);
    menu.mnuBravellontheWeb->setActiveAction(menu.mnuBravellHomePage);
    PressF1(menu.mnuBravellontheWeb);
    EXPECT_EQ(shown, (std::vector<int>{topic::Redo, topic::OnTheWeb, topic::HomePage}));

    // Nothing highlighted (or a separator): F1 is left to the Rules shortcut.
    shown.clear();
    menu.mnuPartita->setActiveAction(nullptr);
    EXPECT_FALSE(PressF1(menu.mnuPartita));
    menu.mnuPartita->setActiveAction(menu.N8);
    EXPECT_FALSE(PressF1(menu.mnuPartita));
    // Other keys pass.
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    menu.mnuGameMenu->setActiveAction(menu.mnuUndo);
    QCoreApplication::sendEvent(menu.mnuGameMenu, &f2);
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace tindle
