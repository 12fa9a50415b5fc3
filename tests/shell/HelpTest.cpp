#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <set>

#include "model/Catalogue.h"
#include "shell/HelpFile.h"
#include "shell/HelpSystem.h"
#include "shell/HelpTopics.h"
#include "shell/HelpViewer.h"
#include "shell/MainMenu.h"
#include "shell/settings/Placeholders.h"
#include "support/DamagedResourceFiles.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

QString BuiltHelpFile() {
    return QString::fromStdString((test::ProgramDir() / "bravell.hlp").string());
}

TEST(RulesTopic, GameIdPlus3000) {
    EXPECT_EQ(RulesTopic(5, 1), 3005);
    EXPECT_EQ(RulesTopic(-1, 2), 3002);
    EXPECT_EQ(RulesTopic(0, 2), 3000);
    EXPECT_FALSE(RulesTopic(8000, 1));
    EXPECT_FALSE(RulesTopic(-1, 8003));
    EXPECT_FALSE(RulesTopic(-1, -1));
}

class HelpFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        ASSERT_EQ(file.Load(BuiltHelpFile()), HelpFile::LoadStatus::Loaded);
    }
    HelpFile file;
};

TEST_F(HelpFileTest, EveryGameOfTheCatalogueHasItsRules) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(test::ProgramDir() / "GAMES.DAT").Ok());
    ASSERT_FALSE(catalogue.Empty());
    for (const CatalogueEntry& game : catalogue.Entries())
        EXPECT_TRUE(file.HasTopic(kRulesTopicBase + game.gameId)) << game.name;
}

TEST_F(HelpFileTest, TheTopicsOfCommandsAndDialogsExist) {
    for (int topic : {topic::Customize, topic::About, topic::Exit, topic::Undo, topic::Redo,
                      topic::Autoplay, topic::Contents, topic::Rules, topic::NewGame,
                      topic::OpenGame, topic::OnTheWeb, topic::HomePage})
        EXPECT_TRUE(file.HasTopic(topic)) << topic;
    EXPECT_FALSE(file.HasTopic(9999));
    EXPECT_TRUE(file.TopicUrl(9999).isEmpty());
}

TEST_F(HelpFileTest, EveryLinkOfEveryPageLeadsToAPageOfTheFile) {
    std::vector<QUrl> pages{file.ContentsUrl()};
    for (int topic : file.Topics())
        pages.push_back(file.TopicUrl(topic));
    QTextBrowser browser;
    for (const QUrl& page : pages) {
        QFile source(":" + page.path());
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << page.toString().toStdString();
        const QString html = QString::fromUtf8(source.readAll());
        EXPECT_TRUE(html.contains("<title>")) << page.toString().toStdString();
        qsizetype at = 0;
        while ((at = html.indexOf("href=\"", at)) >= 0) {
            at += 6;
            const QString link = html.mid(at, html.indexOf('"', at) - at);
            const QUrl target = page.resolved(QUrl(link));
            EXPECT_TRUE(QFile::exists(":" + target.path()))
                << page.toString().toStdString() << " -> " << link.toStdString();
        }
    }
}

// A menu caption as the help writes it: placeholders filled, no access key, no "...".
QString PlainCaption(const QString& caption) {
    QString plain = QString::fromStdString(FillPlaceholders(caption.toStdString()));
    plain.remove('&');
    if (plain.endsWith("...")) plain.chop(3);
    return plain.trimmed().toLower();
}

TEST_F(HelpFileTest, EveryKeyThePagesNameIsTheShortcutOfTheCommandTheyNameItWith) {
    QMenuBar bar;
    MainMenu menu = BuildMainMenu(&bar);
    HideLargerEditionCommands(menu);
    // "menu > item" of every visible command, and which command each shortcut belongs to.
    std::map<QString, QAction*> commands;
    std::map<QString, QAction*> byKey;
    for (QMenu* m : menu.menus) {
        if (!m->menuAction()->isVisible()) continue;
        for (QAction* action : m->actions()) {
            if (!action->isVisible() || action->isSeparator()) continue;
            commands[PlainCaption(m->title()) + " > " + PlainCaption(action->text())] = action;
            const QString key = action->shortcut().toString(QKeySequence::PortableText);
            if (key.isEmpty()) continue;
            EXPECT_EQ(byKey.count(key), 0u) << key.toStdString() << " is given twice";
            byKey[key] = action;
        }
    }
    ASSERT_GE(byKey.size(), 9u);

    // Keys of the table itself (keyboard play), which no command has.
    const std::set<QString> tableKeys{QStringLiteral("Shift+Tab")};
    const QRegularExpression keyName(
        QStringLiteral(R"(\b(?:(?:Ctrl|Shift|Alt)\+)+\w+\b|\bF\d{1,2}\b)"));
    // A command is named in bold, its key in brackets right after it:
    // "<b>Game &gt; Undo</b> (Ctrl+Z".
    const QRegularExpression namedWithKey(
        QStringLiteral(R"(<b>(\w+) &gt; ([^<]+)</b> \(((?:(?:Ctrl|Shift|Alt)\+)*F?\w+)[,)])"));
    std::vector<QUrl> pages{file.ContentsUrl(), file.ContentsUrl().resolved(QUrl("commands.html"))};
    for (int topic : file.Topics())
        pages.push_back(file.TopicUrl(topic));
    std::set<QString> listed;
    for (const QUrl& page : pages) {
        QFile source(":" + page.path());
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << page.toString().toStdString();
        const QString html = QString::fromUtf8(source.readAll()).simplified();
        QTextDocument document;
        document.setHtml(html);
        const QString text = document.toPlainText().simplified();
        const std::string where = page.fileName().toStdString();
        for (const auto& found : keyName.globalMatch(text)) {
            EXPECT_TRUE(byKey.count(found.captured(0)) || tableKeys.count(found.captured(0)))
                << where << ": " << found.captured(0).toStdString() << " is no command's key";
        }
        for (const auto& found : namedWithKey.globalMatch(html)) {
            const QString command =
                PlainCaption(found.captured(1)) + " > " + PlainCaption(found.captured(2));
            const auto named = commands.find(command);
            ASSERT_NE(named, commands.end()) << where << ": no command " << command.toStdString();
            EXPECT_EQ(named->second->shortcut().toString(QKeySequence::PortableText),
                      found.captured(3))
                << where << ": " << command.toStdString();
            if (page.fileName() == "commands.html") listed.insert(found.captured(3));
        }
    }
    // The page of menus and keys lists every key of the menus.
    for (const auto& [key, action] : byKey)
        EXPECT_TRUE(listed.count(key)) << key.toStdString() << " is missing from commands.html";
}

class HelpSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        help.SetHelpFile(BuiltHelpFile() + ">proc");
    }
    test::RecordingMessages messages;
    HelpSystem help{messages};
};

TEST_F(HelpSystemTest, RulesOpenInTheirOwnWindowAndTheHelpFileIsPutBack) {
    EXPECT_TRUE(help.ShowRules(-1, 2));
    HelpViewer* rules = help.Viewer("rules");
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->CurrentPage().path().endsWith("/topics/3002.html"));
    EXPECT_EQ(rules->PageTitle(), "Klondike");
    EXPECT_EQ(help.Viewer("proc"), nullptr);
    EXPECT_EQ(help.HelpFileTarget(), BuiltHelpFile() + ">proc");

    EXPECT_TRUE(help.ShowRules(1, 2));
    EXPECT_TRUE(help.Viewer("rules")->CurrentPage().path().endsWith("/topics/3001.html"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HelpSystemTest, ACustomisedGameHasNoRules) {
    EXPECT_FALSE(help.ShowRules(-1, 8002));
    EXPECT_FALSE(help.ShowRules(8000, 1));
    EXPECT_EQ(help.Viewer("rules"), nullptr);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HelpSystemTest, TopicsAndContentsOpenInTheProcedureWindow) {
    EXPECT_TRUE(help.ShowTopic(topic::Undo));
    ASSERT_NE(help.Viewer("proc"), nullptr);
    EXPECT_TRUE(help.Viewer("proc")->CurrentPage().path().endsWith("/topics/4005.html"));
    EXPECT_TRUE(help.ShowContents());
    EXPECT_TRUE(help.Viewer("proc")->CurrentPage().path().endsWith("/topics/contents.html"));
}

TEST_F(HelpSystemTest, AMissingTopicOrFileIsTold) {
    EXPECT_FALSE(help.ShowRules(12, 1));  // no game 12 in this collection
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "The help file has no topic 3012.");

    help.SetHelpFile("/nonexistent/bravell.hlp>proc");
    EXPECT_FALSE(help.ShowContents());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "Cannot find the help file:\n/nonexistent/bravell.hlp");
}

// A damaged help file is told when help is asked for, each time; the program goes on, and help
// works again once the file is whole.
TEST_F(HelpSystemTest, ADamagedHelpFileIsToldAndNothingIsShown) {
    test::TempDir dir;
    const std::filesystem::path copy = dir.Path() / "bravell.hlp";
    const std::string whole = test::ReadFile(BuiltHelpFile().toStdString());
    const QString target = QString::fromStdString(copy.string()) + ">proc";
    for (const test::DamagedFile& damaged : test::DamagedResourceFiles(whole)) {
        SCOPED_TRACE(damaged.what);
        test::WriteFile(copy, damaged.bytes);
        help.SetHelpFile(target);
        messages.messages.clear();
        EXPECT_FALSE(help.ShowContents());
        EXPECT_FALSE(help.ShowTopic(topic::Undo));
        ASSERT_EQ(messages.messages.size(), 2u);
        EXPECT_EQ(messages.messages[0].text,
                  "The help file cannot be read; it may be damaged:\n" + copy.string());
        EXPECT_EQ(help.Viewer("proc"), nullptr);
    }
    test::WriteFile(copy, whole);
    EXPECT_TRUE(help.ShowTopic(topic::Undo));
}

}  // namespace
}  // namespace tindle
