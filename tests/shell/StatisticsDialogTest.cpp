// The Statistics dialog: every game of the catalogue, sorted by a clicked column, and a Reset
// that clears the statistics only once the player confirms it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "play/GameStatistics.h"
#include "play/HeadlessPlay.h"
#include "shell/TfrmStatistics.h"
#include "shell/settings/StatisticsFiles.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

constexpr int kKlondikeId = 2;

class StatisticsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        ASSERT_TRUE(play.catalogue.Read(test::ProgramDir() / "GAMES.DAT").Ok());
        play.settings.SetDataFolder(dir.Path().string());
        Statistics stats;
        for (int i = 0; i < 5; ++i)
            CountPlayed(stats, kKlondikeId);
        CountWon(stats, kKlondikeId, 271, 120);
        CountWon(stats, kKlondikeId, 300, 90);
        std::filesystem::create_directories(dir.Path() / "DATA");
        test::WriteFile(StatisticsFilePath(play.settings, kSinglePlayerStatistics),
                        StatisticsText(stats));
    }

    QString Cell(const TfrmStatistics& d, int row, int column) const {
        return d.tblGames->item(row, column)->text();
    }
    int RowOf(const TfrmStatistics& d, const QString& name) const {
        for (int row = 0; row < d.tblGames->rowCount(); ++row)
            if (Cell(d, row, 0) == name) return row;
        return -1;
    }

    test::TempDir dir;
    test::RecordingMessages messages;
    HeadlessPlay play{&messages};
};

TEST_F(StatisticsDialogTest, ListsEveryGameSortsByAColumnAndResetsOnlyWhenConfirmed) {
    TfrmStatistics dialog(play.ctx, nullptr);
    QTableWidget& table = *dialog.tblGames;
    ASSERT_EQ(table.rowCount(), static_cast<int>(play.catalogue.Entries().size()));
    for (const CatalogueEntry& entry : play.catalogue.Entries())
        EXPECT_GE(RowOf(dialog, QString::fromStdString(entry.name)), 0) << entry.name;

    // Every game in view at once: the list does not scroll.
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(table.verticalScrollBar()->maximum(), 0);

    const int klondike = RowOf(dialog, QStringLiteral("Klondike"));
    QStringList cells;
    for (int column = 1; column < table.columnCount(); ++column)
        cells << Cell(dialog, klondike, column);
    EXPECT_EQ(cells, (QStringList{"5", "2", "40%", "2", "2", "0:04:31", "120"}));

    // A click on "Played" sorts by it (the most played last), another the other way.
    QTest::mouseClick(table.horizontalHeader()->viewport(), Qt::LeftButton, {},
                      {table.horizontalHeader()->sectionViewportPosition(1) + 5, 5});
    const QString first = Cell(dialog, 0, 0);
    const QString last = Cell(dialog, table.rowCount() - 1, 0);
    EXPECT_TRUE(first == "Klondike" || last == "Klondike");
    QTest::mouseClick(table.horizontalHeader()->viewport(), Qt::LeftButton, {},
                      {table.horizontalHeader()->sectionViewportPosition(1) + 5, 5});
    EXPECT_EQ(first == "Klondike", Cell(dialog, table.rowCount() - 1, 0) == "Klondike");

    messages.confirmAnswer = false;
    dialog.btnReset->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, TfrmStatistics::kResetQuestion);
    EXPECT_EQ(Cell(dialog, RowOf(dialog, "Klondike"), 1), "5");

    messages.confirmAnswer = true;
    dialog.btnReset->click();
    for (int row = 0; row < table.rowCount(); ++row)
        EXPECT_EQ(Cell(dialog, row, 1), "0");
    std::string problem;
    EXPECT_EQ(
        ParseStatistics(test::ReadFile(StatisticsFilePath(play.settings, kSinglePlayerStatistics)),
                        problem),
        Statistics{});
}

}  // namespace
}  // namespace tindle
