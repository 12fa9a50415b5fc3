#include "shell/TfrmCustomize_Freeware.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "shell/Commands.h"
#include "shell/HelpTopics.h"
#include "shell/Hourglass.h"
#include "shell/MainWindow.h"
#include "shell/TfrmCustomizeTrees.h"
#include "shell/TindleApp.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/PreferencesLoader.h"
#include "shell/settings/SettingsInit.h"
#include "table/ResourceNames.h"

namespace tindle {

namespace {

// The position, counted from 0 over every node in display order, that the background tree
// points at while the default background is chosen.
constexpr int kDefaultBackgroundPosition = 1;

long long CodeOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole).toLongLong() : customize::kFolderCode;
}

QTreeWidgetItem* SelectedNode(const QTreeWidget* tree) {
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

}  // namespace

TfrmCustomize_Freeware::TfrmCustomize_Freeware(TindleApp& app, TfrmMain& main)
    : C_TAdvancedForm<QDialog>(&main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                          Qt::CustomizeWindowHint),
      app_(app),
      main_(main) {
    setObjectName(QStringLiteral("frmCustomize_Freeware"));
    setWindowTitle(QStringLiteral("Customize"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    CreateComponents();
    ConnectHandlers();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

TfrmCustomize_Freeware::~TfrmCustomize_Freeware() = default;

void TfrmCustomize_Freeware::Execute(TindleApp& app, TfrmMain& main) {
    TfrmCustomize_Freeware dialog(app, main);
    dialog.exec();
}

void OfferCustomizeCommand(TindleApp& app, TfrmMain& window) {
    window.Commands().SetCustomizeCommand(
        [&app, &window] { TfrmCustomize_Freeware::Execute(app, window); });
}

void TfrmCustomize_Freeware::ConnectHandlers() {
    connect(trvCardBack, &QTreeWidget::itemSelectionChanged, this,
            &TfrmCustomize_Freeware::trvCardBackChange);
    connect(trvBackGround, &QTreeWidget::itemSelectionChanged, this,
            &TfrmCustomize_Freeware::trvBackGroundChange);
    connect(chkFadeBackground, &QCheckBox::toggled, this,
            &TfrmCustomize_Freeware::chkFadeBackgroundClick);
    connect(pgcCustomize, &QTabWidget::currentChanged, this,
            &TfrmCustomize_Freeware::pgcCustomizeChange);
    connect(btnOK, &QPushButton::clicked, this, &TfrmCustomize_Freeware::btnOKClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAiuto, &QPushButton::clicked, this, &TfrmCustomize_Freeware::btnAiutoClick);
}

QPoint TfrmCustomize_Freeware::BackPlace() const {
    return imgDorsoEsempio->geometry().topLeft() - imgSfondoEsempio2->geometry().topLeft();
}

// ---------------------------------------------------------------------------------------
// Showing

void TfrmCustomize_Freeware::showEvent(QShowEvent* event) {
    C_TAdvancedForm<QDialog>::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmCustomize_Freeware::FormShow() {
    Hourglass hourglass;
    const SettingsRecord& settings = app_.settings;
    restoreMark_ = true;
    saved_ = CustomizeSavedState::Take(settings);
    plainColour_ = ChosenPlainColour(settings);
    {
        const PreferencesFile prefs(PreferencesPath(settings));
        choices_ = InitialCustomizeChoices(settings, prefs);
    }

    const QSignalBlocker blockFade(chkFadeBackground);
    const QSignalBlocker blockBacks(trvCardBack);
    const QSignalBlocker blockBackgrounds(trvBackGround);

    chkFadeBackground->setChecked(choices_.fadeBackground);

    // The back of the table, chosen in its tree when the tree offers it.
    shownBack_ = settings.GetInt(field::BackCard, 0);
    SelectNode(trvCardBack, NodeWithCode(trvCardBack, choices_.backCard));
    lblDecks->setText(QString::fromStdString(NodeText(CardBackTree(), shownBack_)));
    MarkChosenBack();

    // The background of the table. The default one is no node of the tree: the tree then
    // points at its second node without choosing it, so that OK keeps the default.
    if (choices_.backgroundCode <= customize::kFolderCode) {
        if (QTreeWidgetItem* node = NodeAtPosition(trvBackGround, kDefaultBackgroundPosition)) {
            trvBackGround->clearSelection();
            trvBackGround->selectionModel()->setCurrentIndex(trvBackGround->indexFromItem(node),
                                                             QItemSelectionModel::NoUpdate);
            trvBackGround->scrollToItem(node);
        }
        lblBackGround->clear();
    } else {
        SelectNode(trvBackGround, NodeWithCode(trvBackGround, choices_.backgroundCode));
        lblBackGround->setText(
            QString::fromStdString(NodeText(BackgroundTree(), choices_.backgroundCode)));
    }
    RefreshSamples();

    chkSoundsEnabled->setChecked(choices_.soundsDisabled);
    chkTBLargeIcons->setChecked(choices_.toolBarLarge);
    chkTBFlatBtn->setChecked(choices_.toolBarFlat);
    chkConfirmOnExit->setChecked(choices_.confirmOnExit);
    chkShowTime->setChecked(choices_.showTime);
    chkShowScore->setChecked(choices_.showScore);
    chkConfirmQuitGame->setChecked(choices_.confirmQuitGame);
    chkAnimateDeal->setChecked(choices_.animateDeal);
    chkWinnableDealsOnly->setChecked(choices_.winnableDealsOnly);
    cmbCardSize->setCurrentIndex(std::max(cmbCardSize->findData(choices_.cardZoom), 0));
}

QTreeWidgetItem* TfrmCustomize_Freeware::NodeWithCode(QTreeWidget* tree, long long code) const {
    if (code == customize::kFolderCode) return nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (CodeOf(*it) == code) return *it;
    return nullptr;
}

QTreeWidgetItem* TfrmCustomize_Freeware::NodeAtPosition(QTreeWidget* tree, int position) const {
    int k = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++k)
        if (k == position) return *it;
    return nullptr;
}

void TfrmCustomize_Freeware::SelectNode(QTreeWidget* tree, QTreeWidgetItem* node) {
    if (!node) {
        tree->clearSelection();
        return;
    }
    tree->setCurrentItem(node);
    node->setSelected(true);
    tree->scrollToItem(node);
}

void TfrmCustomize_Freeware::MarkChosenBack() {
    for (QTreeWidgetItemIterator it(trvCardBack); *it; ++it) {
        if ((*it)->childCount() > 0) continue;
        (*it)->setIcon(0, CodeOf(*it) == shownBack_ ? chosenBackIcon_ : backIcon_);
    }
}

// ---------------------------------------------------------------------------------------
// Samples

BackgroundSampleInputs TfrmCustomize_Freeware::SampleInputs() const {
    BackgroundSampleInputs in;
    in.painter = &app_.renderer.Backgrounds();
    in.plainColour = plainColour_;
    in.fade = chkFadeBackground->isChecked();
    in.displayColours = app_.renderer.Backgrounds().Geometry().displayColours;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        const int largeRowBottom = main_.pnlTB->y() + main_.pnlTB->height();
        in.screenArea = QSize(s.width(), std::max(1, s.height() - largeRowBottom));
    }
    in.emptyColour = palette().color(QPalette::Window);
    return in;
}

void TfrmCustomize_Freeware::RefreshSamples() {
    RefreshBackgroundSample();
    RefreshDecksSample();
}

void TfrmCustomize_Freeware::RefreshBackgroundSample() {
    backgroundSample_ =
        BackgroundSample(imgSfondoEsempio->size(), choices_.backgroundCode, SampleInputs());
    imgSfondoEsempio->setPixmap(QPixmap::fromImage(backgroundSample_));
}

void TfrmCustomize_Freeware::RefreshDecksSample() {
    decksSample_ =
        BackgroundSample(imgSfondoEsempio2->size(), choices_.backgroundCode, SampleInputs());
    if (shownBack_ > 0) {
        // A back the library does not hold leaves the background alone.
        DrawBackOnSample(
            decksSample_, BackPlace(),
            app_.library.Bitmap(CardBackName(kCardSizes[0].letter, static_cast<int>(shownBack_))));
    }
    imgSfondoEsempio2->setPixmap(QPixmap::fromImage(decksSample_));
}

// ---------------------------------------------------------------------------------------
// Handlers

void TfrmCustomize_Freeware::trvCardBackChange() {
    const long long code = CodeOf(SelectedNode(trvCardBack));
    // A folder chooses nothing: the back shown stays the chosen one.
    if (code <= customize::kFolderCode) return;
    Hourglass hourglass;
    choices_.backCard = code;
    shownBack_ = code;
    lblDecks->setText(QString::fromStdString(NodeText(CardBackTree(), code)));
    MarkChosenBack();
    RefreshDecksSample();
}

void TfrmCustomize_Freeware::trvBackGroundChange() {
    QTreeWidgetItem* node = SelectedNode(trvBackGround);
    if (!node) return;
    Hourglass hourglass;
    // A folder stands for the default background.
    choices_.backgroundCode = CodeOf(node);
    RefreshSamples();
    lblBackGround->setText(node->text(0));
}

void TfrmCustomize_Freeware::chkFadeBackgroundClick() {
    choices_.fadeBackground = chkFadeBackground->isChecked();
    const long long code = choices_.backgroundCode;
    if (code == customize::kPlainColourCode || code > customize::kLastPictureCode) RefreshSamples();
}

void TfrmCustomize_Freeware::pgcCustomizeChange() {
    RefreshSamples();
}

void TfrmCustomize_Freeware::btnAiutoClick() {
    app_.help.ShowTopic(topic::Customize);
}

void TfrmCustomize_Freeware::TakeCheckBoxes() {
    choices_.showTime = chkShowTime->isChecked();
    choices_.showScore = chkShowScore->isChecked();
    choices_.confirmQuitGame = chkConfirmQuitGame->isChecked();
    choices_.animateDeal = chkAnimateDeal->isChecked();
    choices_.winnableDealsOnly = chkWinnableDealsOnly->isChecked();
    choices_.cardZoom = cmbCardSize->currentData().toInt();
    choices_.toolBarLarge = chkTBLargeIcons->isChecked();
    choices_.toolBarFlat = chkTBFlatBtn->isChecked();
    choices_.winningAnimation = chkWinningAnimation->isChecked();
    choices_.confirmOnExit = chkConfirmOnExit->isChecked();
    choices_.soundsDisabled = chkSoundsEnabled->isChecked();
    choices_.fadeBackground = chkFadeBackground->isChecked();
}

void TfrmCustomize_Freeware::btnOKClick() {
    TakeCheckBoxes();
    restoreMark_ = false;
    {
        PreferencesFile prefs(PreferencesPath(app_.settings));
        // What play and drawing take from the file besides the record's fields, afresh; the
        // card size chosen here then goes in with the other choices.
        app_.settings.options = ReadPreferenceOptions(prefs);
        if (!StoreCustomizeChoices(app_.settings, prefs, choices_, plainColour_, app_.Sounds())) {
            app_.Messages().Information("The preferences cannot be written to " +
                                        prefs.Path().string() +
                                        ": the choices hold until the program closes.");
        }
    }
    main_.SwitchToolBarSize(choices_.toolBarLarge, false);
    main_.SwitchFlat(choices_.toolBarFlat, false);
    main_.SwitchClock(choices_.showTime, false);
    main_.SwitchScore(choices_.showScore, false);
    main_.ApplyPointer(false);
    accept();
}

// ---------------------------------------------------------------------------------------
// Closing

void TfrmCustomize_Freeware::done(int result) {
    if (closing_) return;
    closing_ = true;
    // Nothing was saved or changed before the dialog was shown.
    if (!shown_) {
        C_TAdvancedForm<QDialog>::done(result);
        return;
    }
    setResult(result);
    FormClose();
    C_TAdvancedForm<QDialog>::done(result);
}

void TfrmCustomize_Freeware::FormClose() {
    Hourglass hourglass;
    hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    main_.repaint();

    SettingsRecord& settings = app_.settings;
    if (restoreMark_) {
        saved_.PutBack(settings);
    } else {
        PutTableChoices(settings, choices_, plainColour_, app_.Sounds());
    }
    // The pictures, the layout and the whole table afresh, highlights included.
    app_.pictures.LoadCardBack(settings);
    app_.pictures.ApplyCardSize(settings);
    main_.FormResize();
    main_.repaint();
}

}  // namespace tindle
