#include "shell/TfrmOpenGame.h"

#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

#include "model/Catalogue.h"
#include "model/Ports.h"
#include "shell/ActivePicture.h"
#include "shell/Hourglass.h"
#include "shell/OpenGameDescription.h"
#include "shell/OpenGameList.h"
#include "shell/OpenGamePreview.h"
#include "shell/settings/DisplayColours.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"
#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {

namespace {

// Preference keys of the dialog (section Preference).
constexpr std::string_view kGameKey = "Game";
constexpr std::string_view kGameNameKey = "Game_Name";
constexpr std::string_view kTreeNumKey = "Game_TreeNum";
constexpr std::string_view kPreviewKey = "Open_Preview_Game";

// A selection counts as settled when it has stood this long since the description changed.
constexpr qint64 kSettledMs = 200;

int CodeOf(const QTreeWidgetItem* node) {
    return node ? node->data(0, TfrmOpenGame::kCodeRole).toInt() : TfrmOpenGame::kPlaceholderNode;
}

bool IsGame(const QTreeWidgetItem* node) {
    return node && CodeOf(node) >= 0;
}

// A bitmap for the image list: pictures without transparency get their masking colour (the
// bottom-left pixel, as bitmaps keep it) made transparent.
QIcon MaskedIcon(const QImage& image) {
    if (image.isNull()) return QIcon();
    if (image.hasAlphaChannel()) return QIcon(QPixmap::fromImage(image));
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(
        image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskOutColor)));
    return QIcon(pixmap);
}

bool ScreenHasFewColours() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && IsLowColourDisplay(DisplayColourCount(screen->depth()));
}

void ShowPicture(QLabel* label, const QImage& image) {
    if (image.isNull())
        label->clear();
    else
        label->setPixmap(QPixmap::fromImage(image));
}

}  // namespace

TfrmOpenGame::TfrmOpenGame(const Catalogue& catalogue, SettingsRecord& settings,
                           const ResourceLibrary& library, MessagePort& messages,
                           OpenGameServices services, QWidget* parent)
    : OpenGameFormBase(parent),
      catalogue_(catalogue),
      settings_(settings),
      library_(library),
      messages_(messages),
      services_(std::move(services)),
      lowColourDisplay_(ScreenHasFewColours()) {
    setObjectName(QStringLiteral("frmOpenGame"));
    ComposePreviewAhead();
    BuildForm();
    activePicture_ = new ActivePicture(*this);
    // Nothing reacts to the tree until the dialog is shown.
    trvGames->setEnabled(false);

    gameList_ = BuildGameList(catalogue_);
    winnableShares_ = ReadWinnableShares(catalogue_.File().parent_path() / kWinnableSharesFileName);
    BuildImageList();
    BuildTree();
    ReadPreferences();
    ShowFolderPanels();

    connect(trvGames, &QTreeWidget::itemExpanded, this, &TfrmOpenGame::trvGamesExpanded);
    connect(trvGames, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node, QTreeWidgetItem*) { trvGamesChange(node); });
    connect(trvGames, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node, int) { trvGamesDblClick(node); });
    trvGames->installEventFilter(this);
    connect(chkPreview, &QCheckBox::toggled, this, &TfrmOpenGame::chkPreviewClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmOpenGame::btnOKClick);
    connect(btnRules, &QPushButton::clicked, this, &TfrmOpenGame::btnRulesClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmOpenGame::reject);
    connect(timShowGame, &QTimer::timeout, this, &TfrmOpenGame::timShowGameTimer);
}

TfrmOpenGame::~TfrmOpenGame() {
    // Before any of the dialog goes: the thread reads the library through it.
    previewAhead_.task.Join();
}

void TfrmOpenGame::SetServices(OpenGameServices services) {
    services_ = std::move(services);
}

int TfrmOpenGame::ImageIndexOfType(int gameType) {
    const auto& names = TreeImageListNames();
    const auto it = std::find(names.begin(), names.end(), TreeTypeIconName(gameType));
    return it == names.end() ? 0 : static_cast<int>(it - names.begin());
}

void TfrmOpenGame::BuildImageList() {
    imageList_.assign(TreeImageListNames().size(), std::nullopt);
}

const QIcon& TfrmOpenGame::ImageListIcon(int index) {
    std::optional<QIcon>& icon = imageList_[static_cast<size_t>(index)];
    if (!icon) icon = MaskedIcon(library_.Bitmap(TreeImageListNames()[static_cast<size_t>(index)]));
    return *icon;
}

void TfrmOpenGame::BuildTree() {
    trvGames->clear();
    auto* allGames = new QTreeWidgetItem(trvGames, {QStringLiteral("All games (alphabetically)")});
    allGames->setData(0, kCodeRole, kAllGamesFolder);
    allGames->setData(0, kImageIndexRole, 0);
    // Closed and open folder pictures: QIcon's Off/On states stand for collapsed/expanded.
    QIcon folder;
    for (const auto& [index, state] : {std::pair{0, QIcon::Off}, std::pair{1, QIcon::On}}) {
        const QIcon& icon = ImageListIcon(index);
        const QList<QSize> sizes = icon.availableSizes();
        if (!sizes.isEmpty()) folder.addPixmap(icon.pixmap(sizes.first()), QIcon::Normal, state);
    }
    allGames->setIcon(0, folder);
    auto* placeholder = new QTreeWidgetItem(allGames);
    placeholder->setData(0, kCodeRole, kPlaceholderNode);
}

void TfrmOpenGame::ReadPreferences() {
    const PreferencesFile prefs(PreferencesPath(settings_));
    const int treeNum = prefs.ReadInteger(section::Preference, kTreeNumKey, kAllGamesFolder);
    if (treeNum < 0) folderToOpen_ = treeNum;
    chkPreview->setChecked(prefs.ReadString(section::Preference, kPreviewKey, "Y") == "Y");
}

bool TfrmOpenGame::Execute() {
    // Only a confirmation of this showing counts, also when a caller forgot to clear the mark.
    confirmed_ = false;
    exec();
    return confirmed_;
}

// --- Showing -----------------------------------------------------------------------------

void TfrmOpenGame::showEvent(QShowEvent* event) {
    OpenGameFormBase::showEvent(event);
    if (event->spontaneous()) return;
    // Centred on the screen, not over the main window.
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    activePicture_->Arm();
    FormShow();
}

void TfrmOpenGame::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) shown_ = false;
    OpenGameFormBase::hideEvent(event);
}

void TfrmOpenGame::PrepareShowing() {
    if (shown_ || !firstShowing_) return;
    const int current = static_cast<int>(settings_.GetInt(field::GameId, -1));
    preparedGameId_ = current;
    OpenFirstFolder(current);
    DescribeSelection();
}

void TfrmOpenGame::FormShow() {
    Hourglass hourglass;
    shown_ = true;
    const int current = static_cast<int>(settings_.GetInt(field::GameId, -1));
    if (firstShowing_ || (preparedGameId_ && *preparedGameId_ != current)) OpenFirstFolder(current);
    preparedGameId_.reset();
    trvGames->setEnabled(true);
    ShowDescription();
    descriptionStamp_.start();
    timShowGame->start();
    trvGames->setFocus(Qt::OtherFocusReason);
    if (QTreeWidgetItem* current = trvGames->currentItem()) trvGames->scrollToItem(current);
}

void TfrmOpenGame::OpenFirstFolder(int gameId) {
    firstShowing_ = false;
    // The folder remembered from the last choice; one that this tree does not have (a folder
    // of a larger collection) opens the whole list instead.
    QTreeWidgetItem* folder = FindNode(folderToOpen_);
    if (!folder) folder = FindNode(kAllGamesFolder);
    folderToOpen_ = kAllGamesFolder;
    if (!folder) return;
    // Already filled when the showing was prepared for another game.
    FillFolder(folder);
    folder->setExpanded(true);
    QTreeWidgetItem* game = nullptr;
    for (int i = 0; i < folder->childCount() && !game && gameId >= 0; ++i)
        if (CodeOf(folder->child(i)) == gameId) game = folder->child(i);
    trvGames->setCurrentItem(game ? game : folder);
}

QTreeWidgetItem* TfrmOpenGame::FindNode(int code) const {
    for (int i = 0; i < trvGames->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = trvGames->topLevelItem(i);
        if (CodeOf(node) == code) return node;
    }
    return nullptr;
}

bool TfrmOpenGame::IsUnfilledFolder(const QTreeWidgetItem* node) const {
    return node && CodeOf(node) < 0 && node->childCount() > 0 &&
           CodeOf(node->child(0)) == kPlaceholderNode;
}

void TfrmOpenGame::FillFolder(QTreeWidgetItem* folder) {
    if (!IsUnfilledFolder(folder)) return;
    Hourglass hourglass;
    // Only the alphabetical list exists in this collection; other folder codes stay empty.
    if (CodeOf(folder) != kAllGamesFolder) return;
    delete folder->takeChild(0);
    QList<QTreeWidgetItem*> children;
    for (const std::string& key : gameList_) {
        auto* node = new QTreeWidgetItem({QString::fromStdString(GameKeyName(key))});
        const int gameId = GameKeyId(key);
        const int image = ImageIndexOfType(GameKeyType(key));
        node->setData(0, kCodeRole, gameId);
        node->setData(0, kImageIndexRole, image);
        node->setIcon(0, ImageListIcon(image));
        children.push_back(node);
    }
    folder->addChildren(children);
}

void TfrmOpenGame::trvGamesExpanded(QTreeWidgetItem* node) {
    FillFolder(node);
}

void TfrmOpenGame::trvGamesChange(QTreeWidgetItem* node) {
    if (!trvGames->isEnabled()) return;
    Hourglass hourglass;
    FillFolder(node);
    ShowDescription();
}

void TfrmOpenGame::trvGamesDblClick(QTreeWidgetItem* node) {
    if (!IsGame(node)) return;
    // The first click of the double click has made it the selected node already; a double
    // click that arrives any other way selects it here.
    if (trvGames->currentItem() != node) trvGames->setCurrentItem(node);
    btnOKClick();
}

// --- Description ---------------------------------------------------------------------------

void TfrmOpenGame::ShowFolderPanels() {
    // The plain panels' picture, the first time they are shown: a showing with a game
    // selected does not need it.
    if (shown_ && !freewareMade_) {
        freewareMade_ = true;
        ShowPicture(imgFreeware, library_.Bitmap(kFreewarePicture));
    }
    pnlDescGame->hide();
    pnlPlain1->parentWidget()->show();
    pnlPlain1->show();
    pnlPlain2->show();
    for (QWidget* w : std::initializer_list<QWidget*>{chkPreview, btnOK, btnRules, btnStatistics})
        w->setEnabled(false);
}

void TfrmOpenGame::ShowDescription() {
    if (shown_) DescribeSelection();
}

void TfrmOpenGame::DescribeSelection() {
    QTreeWidgetItem* node = trvGames->currentItem();
    if (!IsGame(node)) {
        describedCode_ = kPlaceholderNode;
        ShowFolderPanels();
        return;
    }
    if (CodeOf(node) == describedCode_) return;
    describedCode_ = CodeOf(node);
    pnlPlain1->parentWidget()->hide();
    pnlDescGame->show();
    lblGameName->setText(node->text(0));

    GameInfoValues values = UnreadGameInfo();
    // A game whose fields cannot be read (a damaged GAMES.DAT) shows its name and empty
    // ratings; opening it reports the problem.
    (void)ReadGameInfoValues(catalogue_, CodeOf(node), values);
    const GameDescription d = DescribeGame(
        values, FindWinnableShare(winnableShares_, CodeOf(node), node->text(0).toStdString()));
    lblDecks->setText(QString::fromStdString(d.decks));
    const std::pair<QLabel*, QLabel*> rows[] = {{lblGameTime, imgGameTime},
                                                {lblDiffRules, imgDifficult},
                                                {lblSkill, imgSkill},
                                                {lblDiffWin, imgWinning}};
    const Rating* ratings[] = {&d.gameTime, &d.difficulty, &d.skill, &d.winning};
    for (size_t i = 0; i < std::size(rows); ++i) {
        rows[i].first->setText(QString::fromStdString(ratings[i]->text));
        ShowPicture(rows[i].second,
                    ratings[i]->picture.empty() ? QImage() : library_.Bitmap(ratings[i]->picture));
    }
    lblDiffWin->setToolTip(QString::fromStdString(d.winningDetail));
    lblRedeal->setText(QString::fromStdString(d.redeals));
    descriptionStamp_.start();
    for (QWidget* w : std::initializer_list<QWidget*>{chkPreview, btnOK, btnRules, btnStatistics})
        w->setEnabled(true);
    DrawPreview();
}

void TfrmOpenGame::DrawPreview() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    if (!IsGame(node)) return;
    if (!chkPreview->isChecked()) {
        ShowPicture(imgGame, PreviewPicture(kPlaceholderNode, lowColourDisplay_));
        return;
    }
    const QImage ahead = TakePreviewAhead(CodeOf(node));
    ShowPicture(imgGame, ahead.isNull() ? PreviewPicture(CodeOf(node), lowColourDisplay_) : ahead);
}

QImage TfrmOpenGame::PreviewPicture(int code, bool lowColour) const {
    // The background is drawn afresh each time rather than kept: the label holds the one
    // picture that is shown.
    const QImage background = PreviewBackground(
        PreviewFadingBackground(QSize(kGamePreviewWidth, kGamePreviewHeight)), lowColour);
    if (code < 0) return background;
    return ComposePreview(background, library_.Bitmap(GamePreviewName(code)));
}

void TfrmOpenGame::ComposePreviewAhead() {
    const int current = static_cast<int>(settings_.GetInt(field::GameId, -1));
    if (current < 0) return;
    previewAhead_.code = current;
    previewAhead_.lowColour = lowColourDisplay_;
    previewAhead_.task = BackgroundTask([this, current] {
        previewAhead_.picture = PreviewPicture(current, previewAhead_.lowColour);
    });
}

// A null picture when none was composed (no thread could be had) or it is of another game.
QImage TfrmOpenGame::TakePreviewAhead(int code) {
    previewAhead_.task.Join();
    QImage picture = std::exchange(previewAhead_.picture, QImage());
    const bool fits = previewAhead_.code == code && previewAhead_.lowColour == lowColourDisplay_;
    previewAhead_.code = kPlaceholderNode;
    return fits ? picture : QImage();
}

void TfrmOpenGame::chkPreviewClick(bool) {
    DrawPreview();
}

void TfrmOpenGame::ReleasePictures() {
    for (QLabel* picture : {imgGame, imgGameTime, imgDifficult, imgSkill, imgWinning, imgFreeware})
        picture->clear();
    freewareMade_ = false;
    describedCode_ = kPlaceholderNode;
}

// --- Buttons and keys --------------------------------------------------------------------

void TfrmOpenGame::btnOKClick() {
    QTreeWidgetItem* node = trvGames->currentItem();
    if (!IsGame(node)) {
        messages_.Information("Open a game");
        trvGames->setFocus(Qt::OtherFocusReason);
        return;
    }
    chosenGameId_ = CodeOf(node);
    chosenGameName_ = node->text(0).toStdString();
    chosenTreeNumber_ = node->parent() ? CodeOf(node->parent()) : kAllGamesFolder;
    PreferencesFile prefs(PreferencesPath(settings_));
    prefs.WriteInteger(section::Preference, kGameKey, chosenGameId_);
    prefs.WriteString(section::Preference, kGameNameKey, chosenGameName_);
    prefs.WriteInteger(section::Preference, kTreeNumKey, chosenTreeNumber_);
    prefs.WriteString(section::Preference, kPreviewKey, chkPreview->isChecked() ? "Y" : "N");
    confirmed_ = true;
    accept();
}

void TfrmOpenGame::btnRulesClick() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    if (!IsGame(node))
        messages_.Information("Select a game");
    else if (services_.showRules)
        services_.showRules(CodeOf(node));
    trvGames->setFocus(Qt::OtherFocusReason);
}

void TfrmOpenGame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        if (services_.showHelpTopic) services_.showHelpTopic(kHelpTopic);
        event->accept();
        return;
    }
    OpenGameFormBase::keyPressEvent(event);
}

bool TfrmOpenGame::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the tree is OK, also on a folder (which OK then refuses with its message).
    if (watched == trvGames && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            btnOKClick();
            return true;
        }
    }
    return OpenGameFormBase::eventFilter(watched, event);
}

void TfrmOpenGame::timShowGameTimer() {
    if (descriptionStamp_.isValid() && descriptionStamp_.elapsed() >= kSettledMs)
        settledNode_ = CodeOf(trvGames->currentItem());
}

// --- Closing -------------------------------------------------------------------------------

void TfrmOpenGame::done(int result) {
    timShowGame->stop();
    if (settings_.GetInt(field::GameId, -1) < 0 && services_.disableGameCommands)
        services_.disableGameCommands();
    OpenGameFormBase::done(result);
    shown_ = false;
    // The next showing draws the description again; until then the pictures would only hold
    // memory (the preview alone a fifth of a megabyte) for as long as the program runs.
    ReleasePictures();
    if (services_.afterClose) services_.afterClose();
}

}  // namespace tindle
