// The controls of the open-a-game dialog and their places. The behaviour is in
// TfrmOpenGame.cpp.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Catalogue.h"
#include "shell/OpenGamePreview.h"
#include "shell/TfrmOpenGame.h"
#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {

namespace {

constexpr int kMargin = 6;
constexpr int kTreeWidth = 200;
constexpr int kTreeIndent = 19;
constexpr int kOkCancelGap = 5;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kRatingRowHeight = 15;

QLabel* NewLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* NewButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(kButtonWidth);
    button->setFixedHeight(kButtonHeight);
    button->setAutoDefault(false);
    return button;
}

void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A picture label of fixed size that shows nothing until given a pixmap.
QLabel* NewPicture(const char* name, QSize size, QWidget* parent) {
    auto* label = NewLabel(QString(), name, parent);
    label->setFixedSize(size);
    return label;
}

}  // namespace

void TfrmOpenGame::BuildForm() {
    setWindowTitle(QStringLiteral("Open a game"));
    // Single border: the size is fixed; the help button of the title bar becomes F1.
    setFixedSize(kClientWidth, kClientHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    setSizeGripEnabled(false);
    // The dialog has no right-click menu.
    setContextMenuPolicy(Qt::NoContextMenu);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    root->setSpacing(kMargin);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("Splitter1"));
    splitter_->setChildrenCollapsible(false);
    splitter_->setHandleWidth(4);
    root->addWidget(splitter_, 1);

    // Left: the label panel over the tree.
    auto* left = new QWidget(splitter_);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->setSpacing(2);
    auto* selectLabel = NewLabel(QStringLiteral("Select a game:"), "pnlSelect", left);
    selectLabel->setFixedHeight(kButtonHeight);
    // A plain caption over the tree, as in the Customize dialog (a raised panel shows only
    // a stray light line on its left in most styles).
    selectLabel->setFrameShape(QFrame::NoFrame);
    selectLabel->setContentsMargins(2, 0, 0, 0);
    pnlSelect_ = selectLabel;
    leftColumn->addWidget(selectLabel);

    trvGames = new QTreeWidget(left);
    trvGames->setObjectName(QStringLiteral("trvGames"));
    trvGames->setHeaderHidden(true);
    trvGames->setColumnCount(1);
    trvGames->setIndentation(kTreeIndent);
    trvGames->setIconSize(QSize(kTreeIconSize, kTreeIconSize));
    trvGames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    trvGames->setSelectionMode(QAbstractItemView::SingleSelection);
    trvGames->setRootIsDecorated(true);
    // Every row has the same font and icon size: the tree measures one row, not each.
    trvGames->setUniformRowHeights(true);
    trvGames->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    trvGames->header()->setStretchLastSection(false);
    // The selection stays shown, in the same colours, when the tree loses the focus.
    QPalette treePalette = trvGames->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        treePalette.setColor(QPalette::Inactive, role, treePalette.color(QPalette::Active, role));
    trvGames->setPalette(treePalette);
    leftColumn->addWidget(trvGames, 1);

    // Right: the player row over the description.
    auto* right = new QWidget(splitter_);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->setSpacing(2);
    auto* playerRow = new QHBoxLayout();
    playerRow->setContentsMargins(0, 0, 0, 0);
    lblPlayers = NewLabel(QStringLiteral("Pla&yer:"), "lblPlayers", right);
    cboPlayers = new QComboBox(right);
    cboPlayers->setObjectName(QStringLiteral("cboPlayers"));
    lblPlayers->setBuddy(cboPlayers);
    btnStatistics = NewButton(QStringLiteral("Statistics"), "btnStatistics", right);
    btnRules = NewButton(QStringLiteral("Rules"), "btnRules", right);
    playerRow->addWidget(lblPlayers);
    playerRow->addWidget(cboPlayers, 1);
    playerRow->addStretch(0);
    playerRow->addWidget(btnStatistics);
    playerRow->addWidget(btnRules);
    rightColumn->addLayout(playerRow);

    scbDescGame = new QScrollArea(right);
    scbDescGame->setObjectName(QStringLiteral("scbDescGame"));
    scbDescGame->setWidgetResizable(true);
    scbDescGame->setFrameShape(QFrame::StyledPanel);
    scbDescGame->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* sheet = new QWidget();
    MakeWhite(sheet);
    auto* sheetColumn = new QVBoxLayout(sheet);
    sheetColumn->setContentsMargins(0, 0, 0, 0);
    sheetColumn->setSpacing(0);
    sheetColumn->addWidget(BuildDescriptionPanel());
    sheetColumn->addWidget(BuildPlainPanels());
    sheetColumn->addStretch(1);
    scbDescGame->setWidget(sheet);
    MakeWhite(scbDescGame->viewport());
    rightColumn->addWidget(scbDescGame, 1);

    splitter_->addWidget(left);
    splitter_->addWidget(right);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    const int rightWidth = kClientWidth - 2 * kMargin - kTreeWidth - splitter_->handleWidth();
    splitter_->setSizes({kTreeWidth, rightWidth});

    // Bottom: OK five pixels left of Cancel; the saved-game and demo buttons are not offered.
    auto* buttons = new QHBoxLayout();
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(kOkCancelGap);
    btnOpen = NewButton(QStringLiteral("Open a sa&ved game..."), "btnOpen", this);
    btnDemo = NewButton(QStringLiteral("Demo"), "btnDemo", this);
    btnOK = NewButton(QStringLiteral("OK"), "btnOK", this);
    btnCancel = NewButton(QStringLiteral("Cancel"), "btnCancel", this);
    btnOK->setDefault(true);
    buttons->addWidget(btnOpen);
    buttons->addWidget(btnDemo);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    root->addLayout(buttons);

    for (QWidget* hidden :
         std::initializer_list<QWidget*>{btnStatistics, btnOpen, btnDemo, lblPlayers, cboPlayers})
        hidden->hide();

    timShowGame = new QTimer(this);
    timShowGame->setObjectName(QStringLiteral("timShowGame"));
    timShowGame->setInterval(kShowGameInterval);

    setTabOrder(trvGames, btnRules);
    setTabOrder(btnRules, chkPreview);
    setTabOrder(chkPreview, btnOK);
    setTabOrder(btnOK, btnCancel);
}

QWidget* TfrmOpenGame::BuildDescriptionPanel() {
    pnlDescGame = new QWidget();
    pnlDescGame->setObjectName(QStringLiteral("pnlDescGame"));
    MakeWhite(pnlDescGame);
    auto* column = new QVBoxLayout(pnlDescGame);
    column->setContentsMargins(6, 2, 6, 1);
    column->setSpacing(2);

    auto* nameRow = new QHBoxLayout();
    nameRow->setContentsMargins(0, 0, 0, 0);
    lblGameName = NewLabel(QString(), "lblGameName", pnlDescGame);
    QFont nameFont = lblGameName->font();
    nameFont.setBold(true);
    nameFont.setPointSize(kFormFontPointSize + 2);
    lblGameName->setFont(nameFont);
    chkPreview = new QCheckBox(QStringLiteral("&Preview"), pnlDescGame);
    chkPreview->setObjectName(QStringLiteral("chkPreview"));
    chkPreview->setChecked(true);
    nameRow->addWidget(lblGameName, 1);
    nameRow->addWidget(chkPreview);
    column->addLayout(nameRow);

    imgGame = NewPicture("imgGame", QSize(kGamePreviewWidth, kGamePreviewHeight), pnlDescGame);
    imgGame->setScaledContents(true);
    column->addWidget(imgGame, 0, Qt::AlignLeft);
    column->addSpacing(2);

    auto* grid = new QGridLayout();
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    const QSize ratingSize(kRatingWidth, kRatingHeight);
    struct Row {
        const char* caption;
        QLabel** picture;
        const char* pictureName;
        QLabel** value;
        const char* valueName;
    };
    const Row rows[] = {
        {"Decks:", nullptr, nullptr, &lblDecks, "lblDecks"},
        {"Game time:", &imgGameTime, "imgGameTime", &lblGameTime, "lblGameTime"},
        {"Difficulty level:", &imgDifficult, "imgDifficult", &lblDiffRules, "lblDiffRules"},
        {"Skill level:", &imgSkill, "imgSkill", &lblSkill, "lblSkill"},
        {"Chance of winning:", &imgWinning, "imgWinning", &lblDiffWin, "lblDiffWin"},
        {"Redeals:", nullptr, nullptr, &lblRedeal, "lblRedeal"}};
    int r = 0;
    for (const Row& row : rows) {
        auto* caption = NewLabel(QString::fromLatin1(row.caption), "", pnlDescGame);
        caption->setFixedHeight(kRatingRowHeight);
        grid->addWidget(caption, r, 0);
        if (row.picture) {
            *row.picture = NewPicture(row.pictureName, ratingSize, pnlDescGame);
            grid->addWidget(*row.picture, r, 1, Qt::AlignVCenter);
        }
        *row.value = NewLabel(QString(), row.valueName, pnlDescGame);
        (*row.value)->setFixedHeight(kRatingRowHeight);
        // Values without a picture start where the pictures do.
        grid->addWidget(*row.value, r, row.picture ? 2 : 1, 1, row.picture ? 1 : 2);
        ++r;
    }
    grid->setColumnStretch(2, 1);
    column->addLayout(grid);
    return pnlDescGame;
}

QWidget* TfrmOpenGame::BuildPlainPanels() {
    auto* holder = new QWidget();
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(8);

    pnlPlain1 = new QWidget(holder);
    pnlPlain1->setObjectName(QStringLiteral("pnlPlain1"));
    MakeWhite(pnlPlain1);
    auto* first = new QVBoxLayout(pnlPlain1);
    first->setContentsMargins(0, 0, 0, 0);
    imgFreeware = NewPicture("imgFreeware", QSize(kFreewareWidth, kFreewareHeight), pnlPlain1);
    first->addWidget(imgFreeware, 0, Qt::AlignHCenter);
    column->addWidget(pnlPlain1);

    pnlPlain2 = new QWidget(holder);
    pnlPlain2->setObjectName(QStringLiteral("pnlPlain2"));
    MakeWhite(pnlPlain2);
    auto* second = new QVBoxLayout(pnlPlain2);
    second->setContentsMargins(0, 0, 0, 0);
    const int games = static_cast<int>(catalogue_.Entries().size());
    auto* text = NewLabel(
        QStringLiteral("%1 %2 to play, all free.\n\nOpen the folder on the left and choose a "
                       "game to see its table, its ratings and its rules.")
            .arg(games)
            .arg(games == 1 ? QStringLiteral("game") : QStringLiteral("games")),
        "lblPlain2", pnlPlain2);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    second->addWidget(text);
    column->addWidget(pnlPlain2);
    holder->setObjectName(QStringLiteral("pnlPlain"));
    return holder;
}

}  // namespace tindle
