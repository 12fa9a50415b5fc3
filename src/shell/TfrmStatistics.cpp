#include "shell/TfrmStatistics.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <string>

#include "model/Catalogue.h"
#include "model/Ports.h"
#include "play/GameStatistics.h"
#include "play/PlayContext.h"

namespace tindle {

namespace {

constexpr int kMinimumWidth = 800;
constexpr int kMinimumHeight = 360;
// Of the screen's height, what the dialog's frame, buttons and margins may need besides the
// table.
constexpr int kRoomAroundTable = 200;

enum Column { Name, Played, Won, WinRate, CurrentStreak, LongestStreak, BestTime, BestScore };
const char* const kHeaders[] = {"Game",           "Played",         "Won",       "Win rate",
                                "Current streak", "Longest streak", "Best time", "Best score"};

// A cell shown as text and sorted by a number of its own (a time by its seconds, a rate by its
// value); a cell without a value sorts below every value.
class Cell : public QTableWidgetItem {
  public:
    Cell(const QString& text, double key) : QTableWidgetItem(text), key_(key) {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        if (const auto* cell = dynamic_cast<const Cell*>(&other)) return key_ < cell->key_;
        return QTableWidgetItem::operator<(other);
    }

  private:
    double key_;
};

constexpr double kNoValue = -1e12;

Cell* Number(int value) {
    return new Cell(QString::number(value), value);
}

Cell* Optional(const std::optional<int>& value, const std::string& text) {
    return value ? new Cell(QString::fromStdString(text), *value) : new Cell({}, kNoValue);
}

}  // namespace

TfrmStatistics::TfrmStatistics(PlayContext& ctx, QWidget* parent)
    : C_TAdvancedForm<QDialog>(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(QStringLiteral("Statistics"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    tblGames = new QTableWidget(0, std::size(kHeaders), this);
    tblGames->setObjectName(QStringLiteral("tblGames"));
    QStringList headers;
    for (const char* header : kHeaders)
        headers << QString::fromUtf8(header);
    tblGames->setHorizontalHeaderLabels(headers);
    tblGames->verticalHeader()->hide();
    // A game's name on one line, its row as high as the others.
    tblGames->setWordWrap(false);
    tblGames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblGames->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblGames->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblGames->horizontalHeader()->setSectionResizeMode(Column::Name, QHeaderView::Stretch);

    auto* buttons = new QDialogButtonBox(this);
    btnReset = buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
    btnReset->setObjectName(QStringLiteral("btnReset"));
    btnHelp = buttons->addButton(QDialogButtonBox::Help);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->hide();
    btnClose = buttons->addButton(QDialogButtonBox::Close);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    connect(btnReset, &QPushButton::clicked, this, &TfrmStatistics::btnResetClick);
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        if (showHelp_) showHelp_();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tblGames);
    layout->addWidget(buttons);

    Fill();
    tblGames->setSortingEnabled(true);
    tblGames->sortByColumn(Column::Name, Qt::AscendingOrder);
    // Every game in view without scrolling, as far as the screen allows.
    const int allRows = tblGames->horizontalHeader()->sizeHint().height() +
                        tblGames->verticalHeader()->length() + 2 * tblGames->frameWidth();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - kRoomAroundTable : allRows;
    tblGames->setMinimumHeight(std::clamp(room, 0, allRows));
}

void TfrmStatistics::SetHelp(std::function<void()> showHelp) {
    showHelp_ = std::move(showHelp);
    btnHelp->setVisible(static_cast<bool>(showHelp_));
}

void TfrmStatistics::Fill() {
    const bool sorting = tblGames->isSortingEnabled();
    tblGames->setSortingEnabled(false);
    const Statistics& stats = PlayerStatistics(ctx_);
    const auto& entries = ctx_.catalogue.Entries();
    tblGames->setRowCount(static_cast<int>(entries.size()));
    int row = 0;
    for (const CatalogueEntry& entry : entries) {
        const GameRecord r = stats.Of(entry.gameId);
        auto* name = new QTableWidgetItem(QString::fromStdString(entry.name));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tblGames->setItem(row, Column::Name, name);
        tblGames->setItem(row, Column::Played, Number(r.played));
        tblGames->setItem(row, Column::Won, Number(r.won));
        const std::optional<int> rate =
            r.played > 0 ? std::optional<int>(r.won * 1000LL / r.played) : std::nullopt;
        tblGames->setItem(row, Column::WinRate, Optional(rate, WinRateText(r)));
        tblGames->setItem(row, Column::CurrentStreak, Number(r.currentStreak));
        tblGames->setItem(row, Column::LongestStreak, Number(r.longestStreak));
        tblGames->setItem(
            row, Column::BestTime,
            Optional(r.bestSeconds, r.bestSeconds ? ElapsedTimeText(*r.bestSeconds) : ""));
        tblGames->setItem(row, Column::BestScore,
                          Optional(r.bestScore, r.bestScore ? std::to_string(*r.bestScore) : ""));
        ++row;
    }
    tblGames->setSortingEnabled(sorting);
}

void TfrmStatistics::btnResetClick() {
    if (!ctx_.messages.Confirm(kResetQuestion)) return;
    ResetStatistics(ctx_);
    Fill();
}

}  // namespace tindle
