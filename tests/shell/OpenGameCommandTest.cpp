#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "OpenGameTestSupport.h"
#include "shell/OpenGameCommand.h"
#include "shell/TfrmOpenGame.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"
#include "table/ResourceLibrary.h"

namespace tindle {
namespace {

struct Opened {
    int gameId;
    std::string name;
    int treeNumber;
};

class OpenGameCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        ASSERT_TRUE(
            catalogue_.Read(test::WriteTestGamesDat(dir_.Path(), test::DialogTestGames())).Ok());
        InitialiseSettingsRecord(settings_, dir_.Path());
        settings_.Put(field::GameId, ZeroPad(1, 4));
        dialog_ = std::make_unique<TfrmOpenGame>(catalogue_, settings_, library_, messages_);
        open_ = [this](int id, const std::string& name, int tree) {
            opened_.push_back({id, name, tree});
        };
    }
    // While the dialog is up: select the game of that name and press the button.
    void WhenShown(const QString& game, const char* button) {
        QTimer::singleShot(0, dialog_.get(), [this, game, button] {
            auto* tree = dialog_->findChild<QTreeWidget*>("trvGames");
            QTreeWidgetItem* root = tree->topLevelItem(0);
            for (int i = 0; i < root->childCount(); ++i)
                if (root->child(i)->text(0) == game) tree->setCurrentItem(root->child(i));
            dialog_->findChild<QPushButton*>(button)->click();
        });
    }

    test::TempDir dir_;
    Catalogue catalogue_;
    SettingsRecord settings_;
    ResourceLibrary library_;
    test::RecordingMessages messages_;
    std::unique_ptr<TfrmOpenGame> dialog_;
    std::vector<Opened> opened_;
    OpenChosenGame open_;
};

TEST_F(OpenGameCommandTest, ConfirmedGameIsOpenedAndTheMarkCleared) {
    WhenShown("Zeta", "btnOK");
    EXPECT_TRUE(RunOpenCommand(*dialog_, open_));
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0].gameId, 0);
    EXPECT_EQ(opened_[0].name, "Zeta");
    EXPECT_EQ(opened_[0].treeNumber, -30);
    EXPECT_FALSE(dialog_->Confirmed());
}

TEST_F(OpenGameCommandTest, CancelOpensNothingEvenAfterAnEarlierConfirmation) {
    WhenShown("Beta", "btnOK");
    ASSERT_TRUE(dialog_->Execute());  // confirmed, and the mark left set by this caller
    WhenShown("Zeta", "btnCancel");
    EXPECT_FALSE(RunOpenCommand(*dialog_, open_));
    EXPECT_TRUE(opened_.empty());
}

}  // namespace
}  // namespace tindle
