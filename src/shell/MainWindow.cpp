#include "shell/MainWindow.h"
#include "shell/MainWindowPlay.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "model/GamesDat.h"
#include "play/Sounds.h"
#include "shell/Commands.h"
#include "shell/EarlierVersions.h"
#include "shell/GameClock.h"
#include "shell/HeaderPanels.h"
#include "shell/HelpSystem.h"
#include "shell/Messages.h"
#include "shell/PicturePreload.h"
#include "shell/ScoreFileMigration.h"
#include "shell/TableArea.h"
#include "shell/TindleApp.h"
#include "shell/WindowPlacement.h"
#include "shell/WindowTitle.h"
#include "shell/settings/AtomicFile.h"
#include "shell/settings/DisplayColours.h"
#include "shell/settings/Placeholders.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/PreferencesLoader.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/StatisticsFiles.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/Zoom.h"

namespace tindle {

namespace {

// The top of the table when no toolbar row is visible.
constexpr int kTopWithoutToolBar = 5;
// Extra width of the toolbar rows of a maximised window.
constexpr int kMaximisedRowExtra = 8;
constexpr int kClockIntervalMs = 1000;
constexpr int kFirstActivationLimitMs = 1000;
// The sounds start a little after the first picture, once what the first activation changed
// is on the screen too.
constexpr int kSoundStartDelayMs = 100;
// The start's files are written this long after the first activation: past its pictures (a
// game chooser it opens included).
constexpr int kStartFilesDelayMs = 500;
constexpr int kStatusBarHeight = 19;
constexpr int kPilesSizeWidth = 80;
constexpr int kPilesSizeHeight = 34;
// Table beyond the right and lowest card edges, so that a scrolled table shows them whole; a
// table that fits the window in a direction does not scroll for it.
constexpr int kTableEdge = 10;

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFrame* MakePanel(QWidget* parent, QFrame::Shape shape, QFrame::Shadow shadow) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(shape);
    panel->setFrameShadow(shadow);
    panel->setAutoFillBackground(true);
    return panel;
}

QFrame* MakeLine(QWidget* parent, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

QFont BoldFont() {
    QFont bold;  // only the weight is set: the family and size come from the form
    bold.setBold(true);
    return bold;
}

// Moves a bar the least that brings [first, last) of the table into the span it shows,
// [value + lead, value + length); a span too short for it shows its start.
void BringIntoView(QScrollBar* bar, int first, int last, int lead, int length) {
    if (bar->isHidden()) return;
    int value = bar->value();
    if (last > value + length) value = last - length;
    if (first < value + lead) value = first - lead;
    bar->setValue(value);  // within the bar's range
}

}  // namespace

TfrmMain::TfrmMain(TindleApp& app, QWidget* parent)
    : C_TAdvancedForm<QMainWindow>(parent), app_(app), hooks_(app.game.flags) {
    setObjectName(QStringLiteral("frmMain"));
    setMinimumSize(kMinWindowWidth, kMinWindowHeight);
    resize(kDesignedWidth, kDesignedHeight);
    CreateComponents();
    lblTempo->setText(GameClock::ZeroText());
    created_ = FormCreate();
    if (created_) play_ = std::make_unique<MainWindowPlay>(*this, app_);
}

TfrmMain::~TfrmMain() {
    WriteStartFiles();
    play_.reset();
    hooks_.Restore();
}

// ---------------------------------------------------------------------------------------
// Components

void TfrmMain::CreateComponents() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);

    pnlClient = new QWidget(this);
    pnlClient->setObjectName(QStringLiteral("pnlClient"));
    setCentralWidget(pnlClient);
    pnlClient->installEventFilter(this);

    // The table is made first: every other child lies above it.
    imgSfondo = new TableArea(pnlClient);
    imgSfondo->setObjectName(QStringLiteral("imgSfondo"));
    imgSfondo->installEventFilter(this);  // its wheel scrolls it
    // Once the table's first picture has gone to the screen (the queued call runs after the
    // paint, and after the program entry's own call that takes the splash away): the first
    // activation, and the sounds (the sound libraries are slow to load, and nothing should
    // delay the first picture).
    connect(
        imgSfondo, &TableArea::FirstPainted, this,
        [this] {
            QTimer::singleShot(0, this, [this] { RunFirstActivation(); });
            QTimer::singleShot(kSoundStartDelayMs, this, [this] { app_.StartSounds(); });
        },
        Qt::QueuedConnection);

    pnlTB = MakePanel(pnlClient, QFrame::NoFrame, QFrame::Plain);
    pnlTB->setObjectName(QStringLiteral("pnlTB"));
    pnlTB1 = MakePanel(pnlClient, QFrame::NoFrame, QFrame::Plain);
    pnlTB1->setObjectName(QStringLiteral("pnlTB1"));
    pnlLineaGrigia = MakeLine(pnlClient, QColor(128, 128, 128));
    pnlLineaGrigia->setObjectName(QStringLiteral("pnlLineaGrigia"));
    pnlLineaNera = MakeLine(pnlClient, QColor(0, 0, 0));
    pnlLineaNera->setObjectName(QStringLiteral("pnlLineaNera"));

    pnlTempo = MakePanel(pnlClient, QFrame::Panel, QFrame::Sunken);
    pnlTempo->setObjectName(QStringLiteral("pnlTempo"));
    lblTempo2 = new QLabel(QStringLiteral("Time:"), pnlTempo);
    lblTempo2->setObjectName(QStringLiteral("lblTempo2"));
    lblTempo2->setFont(BoldFont());
    lblTempo = new QLabel(pnlTempo);
    lblTempo->setObjectName(QStringLiteral("lblTempo"));
    lblTempo->setAlignment(Qt::AlignRight | Qt::AlignTop);

    pnlScore = MakePanel(pnlClient, QFrame::Panel, QFrame::Sunken);
    pnlScore->setObjectName(QStringLiteral("pnlScore"));
    lblScore2 = new QLabel(QStringLiteral("Score:"), pnlScore);
    lblScore2->setObjectName(QStringLiteral("lblScore2"));
    lblScore2->setFont(BoldFont());
    lblScore = new QLabel(QStringLiteral("0"), pnlScore);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->setAlignment(Qt::AlignRight | Qt::AlignTop);

    pnlStatusBar = MakePanel(pnlClient, QFrame::Panel, QFrame::Raised);
    pnlStatusBar->setObjectName(QStringLiteral("pnlStatusBar"));
    pnlStatusBar->hide();

    pnlPilesSize = MakePanel(pnlClient, QFrame::Box, QFrame::Plain);
    pnlPilesSize->setObjectName(QStringLiteral("pnlPilesSize"));
    pnlPilesSize->resize(kPilesSizeWidth, kPilesSizeHeight);
    QPalette hint = pnlPilesSize->palette();
    hint.setColor(QPalette::Window, QColor(255, 255, 225));
    pnlPilesSize->setPalette(hint);
    lblPilesSize1 = new QLabel(QStringLiteral("12 cards"), pnlPilesSize);
    lblPilesSize1->setObjectName(QStringLiteral("lblPilesSize1"));
    lblPilesSize1->setAlignment(Qt::AlignCenter);
    lblPilesSize1->setGeometry(1, 2, kPilesSizeWidth - 2, 15);
    lblPilesSize2 = new QLabel(QStringLiteral("in this pile"), pnlPilesSize);
    lblPilesSize2->setObjectName(QStringLiteral("lblPilesSize2"));
    lblPilesSize2->setAlignment(Qt::AlignCenter);
    lblPilesSize2->setGeometry(1, 17, kPilesSizeWidth - 2, 15);
    pnlPilesSize->hide();
    pnlPilesSize->setMouseTracking(true);
    pnlPilesSize->installEventFilter(this);

    // The table scrolls as a whole: the bars move it under the client area.
    scrBarMain = new QScrollBar(Qt::Vertical, pnlClient);
    scrBarMain->setObjectName(QStringLiteral("scrBarMain"));
    scrBarMain->hide();
    scrBarHorz = new QScrollBar(Qt::Horizontal, pnlClient);
    scrBarHorz->setObjectName(QStringLiteral("scrBarHorz"));
    scrBarHorz->hide();
    // Where both bars show, the square between their ends covers the table as a scroll area's
    // corner does.
    scrCorner = new QWidget(pnlClient);
    scrCorner->setObjectName(QStringLiteral("scrCorner"));
    scrCorner->setAutoFillBackground(true);
    scrCorner->hide();
    for (QScrollBar* bar : {scrBarMain, scrBarHorz})
        connect(bar, &QScrollBar::valueChanged, this,
                [this] { imgSfondo->move(-scrBarHorz->value(), -scrBarMain->value()); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kClockIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);

    // The toolbars and the panels' menus, then the menu bar and the commands.
    header_ = new HeaderPanels(*this, app_);
    commands_ = new MainCommands(*this, app_, *header_);
}

// ---------------------------------------------------------------------------------------
// Creation: the settings initialisation

bool TfrmMain::FormCreate() {
    SettingsRecord& settings = app_.settings;
    Game& game = app_.game;

    // 1. The resource library (the program ends without it).
    if (!app_.LoadResourceLibrary()) return false;

    // 2. Captions and the application's name.
    for (QAction* action : MainMenu1->findChildren<QAction*>())
        action->setText(Q(FillPlaceholders(action->text().toStdString())));
    commands_->LoadGlyphs();
    commands_->HideLargerEditionCommands();
    QCoreApplication::setApplicationName(Q(std::string(kProductName)));

    // 3. Cursors and run state.
    app_.cursors.Load(app_.library);
    hooks_.Restore();
    game.pointer = PointerState{};
    game.flags = RunFlags{};
    game.flags.startupPending = true;
    pilesSizeIdleMs_ = 0;

    // 4. The help file and its window.
    app_.help.SetHelpFile(HelpSystem::HelpFileTargetIn(app_.ProgramDirText(), kProcedureWindow));

    // 5. The data folder, without the temporary files a killed run left in it.
    EnsureDataDirectory(settings);
    RemoveLeftoverTemporaryFiles(DataDirectory(settings));

    {
        // 6. The preferences, with the colour advice of a display of few colours.
        PreferencesFile prefs(PreferencesPath(settings));
        const bool lowColour = LowColourDisplay();
        if (lowColour)
            Advice(app_.Messages(), prefs, ColourAdviceText(), kColourAdviceKey, kAdvicePageColour);
        app_.loaded = LoadPreferences(settings, prefs, lowColour);
        SwitchToolBarSize(app_.loaded.toolBarLarge, false);
        SwitchFlat(app_.loaded.toolBarFlat, false);

        // 7. What was read: panels, autoplay, status bar, card shadows.
        SwitchClock(app_.loaded.showTime, false);
        SwitchScore(app_.loaded.showScore, false);
        commands_->SetAutoplayTicked(app_.loaded.autoPlay, false);
        pnlStatusBar->setVisible(app_.loaded.statusBarVisible);

        // 8. The card table and the empty piles.
        game.cards = CardTable();
        game.piles.Clear();

        // 9. The game catalogue (the program ends without it).
        if (!CheckProgramFile(app_.GamesDatPath(), app_.Messages())) return false;
        const GamesDatStatus read = app_.catalogue.Read(app_.GamesDatPath());
        if (!read.Ok() || app_.catalogue.Empty()) {
            const std::string reason =
                read.Ok() ? app_.GamesDatPath().string() + ": no game of this edition" : read.error;
            app_.Messages().FatalError("The game definitions file cannot be read:\n" + reason +
                                       "\nReinstall the program.");
            return false;
        }

        // 10. The stored game: one the catalogue does not hold is none. The name comes from
        // the catalogue, so that a title never names another game than the one laid out.
        const int gameId = static_cast<int>(settings.GetInt(field::GameId, -1));
        if (app_.catalogue.Contains(gameId)) {
            settings.Put(field::GameName, app_.catalogue.GameName(gameId));
        } else {
            settings.Put(field::GameId, ZeroPad(-1, field::GameId.width));
            settings.Put(field::GameName, "");
        }

        // 11. Card size and pictures (perhaps decoded while the window was made), and the card
        // shadows read at step 7.
        if (app_.preload)
            app_.preload->FinishCardPictures(settings);
        else
            app_.pictures.ApplyCardSize(settings);
        app_.pictures.ApplyShadowSetting(settings);

        // 12. Undo availability from the undo mode.
        commands_->SetUndoAvailable(settings.Get(field::UndoEnabled) != "2");

        // 13. Activation handler and the random generator.
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state == Qt::ApplicationActive) m_AppActivate();
                });
        app_.random.Seed(
            static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                  std::chrono::system_clock::now().time_since_epoch().count()));

        // 14. Version stamp; 15. files of earlier versions (failures ignored), with the
        // players of a first start: written after the first activation (WriteStartFiles).
        startFilesPending_ = true;
        playersToWrite_ = app_.loaded.playersCreated;
    }  // 16. The preferences file is closed.

    ApplyPointer(false);
    Timer1->start();
    return true;
}

long long TfrmMain::DisplayColours() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return DisplayColourCount(screen ? screen->depth() : 0);
}

bool TfrmMain::LowColourDisplay() const {
    return IsLowColourDisplay(DisplayColours());
}

// ---------------------------------------------------------------------------------------
// Placement, title, pointer

void TfrmMain::PlaceMainWindow() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect primaryRect = primary ? primary->geometry() : QRect(0, 0, 1024, 768);
    const QRect defaults = DefaultWindowRect(primaryRect);
    PreferencesFile prefs(PreferencesPath(app_.settings));
    const int left =
        prefs.ReadInteger(section::Preference, "MainWindowState_Left", defaults.left());
    const int top = prefs.ReadInteger(section::Preference, "MainWindowState_Top", defaults.top());
    // The window opens on the screen under the corner of its stored place; its size, and the
    // size a maximised window is first laid out for, are that screen's.
    const QScreen* screen = QGuiApplication::screenAt(StoredPlaceCorner(left, top));
    const QRect screenRect = screen ? screen->geometry() : primaryRect;
    const QRect place = SafeWindowRect(
        left, top,
        prefs.ReadInteger(section::Preference, "MainWindowState_Width", defaults.width()),
        prefs.ReadInteger(section::Preference, "MainWindowState_Height", defaults.height()),
        screenRect);
    move(place.topLeft());
    resize(place.size());
    if (prefs.ReadString(section::Preference, "MainWindowState_Maximized", kYes) == kYes) {
        pnlTB->resize(screenRect.width() + kMaximisedRowExtra, pnlTB->height());
        pnlTB1->resize(screenRect.width() + kMaximisedRowExtra, pnlTB1->height());
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
    FormResize();
}

void TfrmMain::UpdateWindowTitle() {
    const QString title = Q(ComposeWindowTitle(app_.settings.Get(field::GameName),
                                               app_.settings.Get(field::GameNumber)));
    if (title != windowTitle()) setWindowTitle(title);
}

void TfrmMain::ApplyPointer(bool dragging) {
    pointerDragging_ = dragging;
    if (searching_ && !dragging) {
        imgSfondo->setCursor(Qt::BusyCursor);
        return;
    }
    const int chosen = static_cast<int>(app_.settings.GetInt(field::Cursor, kSystemPointerNumber));
    imgSfondo->setCursor(app_.cursors.Pointer(chosen, dragging));
}

void TfrmMain::ShowSearching(bool searching) {
    if (searching == searching_) return;
    searching_ = searching;
    ApplyPointer(pointerDragging_);
}

// ---------------------------------------------------------------------------------------
// The toolbar row

void TfrmMain::SwitchToolBarSize(bool large, bool store) {
    header_->SwitchToolBarSize(large, store);
}

void TfrmMain::SwitchFlat(bool flat, bool store) {
    header_->SwitchFlat(flat, store);
}

void TfrmMain::SwitchClock(bool show, bool store) {
    header_->SwitchClock(show, store);
}

void TfrmMain::SwitchScore(bool show, bool store) {
    header_->SwitchScore(show, store);
}

int TfrmMain::ToolBarBottom() const {
    return header_->ToolBarBottom();
}

void TfrmMain::ArrangeHeader() {
    header_->ArrangeHeader();
}

bool TfrmMain::AutoPlayChecked() const {
    return commands_->AutoplayTicked();
}

void TfrmMain::SetAutoPlayChecked(bool on) {
    commands_->SetAutoplayTicked(on);
}

bool TfrmMain::UndoAvailable() const {
    return commands_->UndoAvailable();
}

void TfrmMain::SetUndoAvailable(bool on) {
    commands_->SetUndoAvailable(on);
}

// ---------------------------------------------------------------------------------------
// Layout, resize, paint

LayoutInputs TfrmMain::CurrentLayoutInputs() {
    const LayoutInputs window = WindowLayoutInputs();
    ApplyZoom(ChooseZoomPercent(window));
    // A table too small for the piles at this zoom is laid out larger, and scrolls.
    return RoomForPiles(ZoomedInputs(window, zoomPercent_), app_.game.def,
                        app_.pictures.SizeLetter());
}

int TfrmMain::ChooseZoomPercent(const LayoutInputs& window) const {
    const int chosen = app_.settings.options.cardZoom;
    if (chosen != kAutomaticZoom) return chosen;
    // No game laid out: nothing to fit.
    const GameDef& def = app_.game.def;
    if (def[gd::TableauCount] == 0 && def[gd::FoundationCount] == 0) return 100;
    return AutomaticZoomPercent(window, def, app_.pictures.SizeLetter());
}

void TfrmMain::ApplyZoom(int percent) {
    const bool zoomChanged = percent != zoomPercent_;
    zoomPercent_ = percent;
    const qreal zoom = percent / 100.0;
    imgSfondo->SetZoom(zoom);
    // The pictures are made as fine as the screen shows them.
    const qreal scale = zoom * imgSfondo->devicePixelRatioF();
    if (scale != app_.renderer.Scale() || scale != app_.pictures.Scale()) {
        HostRenderer();
        if (app_.pictures.SetScale(scale)) app_.pictures.LoadCardPictures(app_.settings);
        app_.renderer.SetScale(scale);
    }
    // The table's pictures measure the window in table pixels, which a new zoom changes: a
    // game opened at another zoom than the last one's must not be drawn into the old size.
    if (zoomChanged) SizeTableBuffers();
}

LayoutInputs TfrmMain::WindowLayoutInputs() const {
    LayoutInputs in;
    const int sideControl = scrBarMain->isHidden() ? 0 : scrBarMain->width();
    in.width = pnlClient->width() - sideControl;
    in.height = frameGeometry().height();
    in.bottom = pnlClient->height() - 1;
    const int toolBarBottom = ToolBarBottom();
    in.top = toolBarBottom > 0 ? toolBarBottom : kTopWithoutToolBar;
    if (const QScreen* screen = this->screen()) {
        in.screenWidth = screen->geometry().width();
        in.screenHeight = screen->geometry().height();
    }
    in.cardWidth = app_.pictures.CardWidth();
    in.cardHeight = app_.pictures.CardHeight();
    in.shadowMargin = app_.pictures.ShadowMargin();
    // The table scrolls as a whole (the bars move it); the layout itself is never scrolled.
    in.scrollPosition = 0;
    return in;
}

void TfrmMain::LoadStoredGameLayout() {
    const int gameId = static_cast<int>(app_.settings.GetInt(field::GameId, -1));
    layoutGameId_ = -1;
    if (gameId < 0) return;
    app_.game.def = GameDef{};
    const GamesDatStatus loaded = LoadGameDefinition(app_.catalogue, gameId, app_.game);
    if (!loaded.Ok()) {
        // A definition that does not read leaves an empty table; the game chooser or New
        // game reports the file's fault when the game is played.
        return;
    }
    layoutGameId_ = gameId;
    ComputeLayout();
}

void TfrmMain::ComputeLayout() {
    if (layoutGameId_ < 0) return;
    TMainGame& layout = app_.mainGame;
    layout.SetFanSteps(app_.pictures.SizeLetter(), app_.game.def);
    layout.TableLayout(CurrentLayoutInputs(), app_.game.def);
    layoutSize_ = pnlClient->size();
}

void TfrmMain::SizeTableBuffers() {
    HostRenderer();
    TableRenderer& renderer = app_.renderer;
    const QRect table = imgSfondo->ToTable(imgSfondo->rect());
    renderer.SetWindowSize(table.width(), table.height());
    renderer.SetScrollBarVisible(scrBarMain->isVisible());
}

void TfrmMain::DrawTable() {
    HostRenderer();
    TableRenderer& renderer = app_.renderer;
    if (app_.game.flags.gameInProgress) {
        renderer.PaintBackground();
        renderer.RepaintTable(false);
        renderer.PresentTable();
    } else if (app_.game.flags.startupPending || layoutGameId_ < 0) {
        // Until the start is over the window paints the bare table straight from its
        // description, without making a table picture first.
        renderer.ShowBareTable(layoutGameId_ >= 0);
    } else {
        // The piles as they lie: empty before the first deal, the last game's after it ended.
        renderer.RedrawWholeTable();
    }
}

bool TfrmMain::PlaceTable() {
    const QSize client = pnlClient->size();
    QSize piles, withEdge;
    if (layoutGameId_ >= 0) {
        if (const auto extent = TableExtent(app_.mainGame, app_.game)) {
            piles = imgSfondo->ToWidget(QRect(0, 0, extent->right, extent->bottom)).size();
            withEdge =
                imgSfondo
                    ->ToWidget(QRect(0, 0, extent->right + kTableEdge, extent->bottom + kTableEdge))
                    .size();
        }
    }
    const int barWidth = scrBarMain->sizeHint().width();
    const int barHeight = scrBarHorz->sizeHint().height();
    // Each bar takes room from the other direction. Piles that fit need no edge beyond them.
    bool vertical = false, horizontal = false;
    for (int pass = 0; pass < 2; ++pass) {
        horizontal = piles.width() > client.width() - (vertical ? barWidth : 0);
        vertical = piles.height() > client.height() - (horizontal ? barHeight : 0);
    }
    const QSize needed(horizontal ? withEdge.width() : piles.width(),
                       vertical ? withEdge.height() : piles.height());
    const QSize visible(client.width() - (vertical ? barWidth : 0),
                        client.height() - (horizontal ? barHeight : 0));
    const QSize table = visible.expandedTo(needed);
    const bool barsChanged =
        vertical == scrBarMain->isHidden() || horizontal == scrBarHorz->isHidden();

    // The vertical bar runs from below the toolbar row to the bottom.
    const int top = std::min(ToolBarBottom(), visible.height());
    scrBarMain->setGeometry(visible.width(), top, barWidth, visible.height() - top);
    scrBarMain->setRange(0, table.height() - visible.height());
    scrBarMain->setPageStep(std::max(visible.height() - top, 1));
    scrBarMain->setVisible(vertical);
    scrBarHorz->setGeometry(0, visible.height(), visible.width(), barHeight);
    scrBarHorz->setRange(0, table.width() - visible.width());
    scrBarHorz->setPageStep(std::max(visible.width(), 1));
    scrBarHorz->setVisible(horizontal);
    // A step is a quarter card. Without a layout no bar shows, and the card size may not be
    // there to read: while the window is made, the start's worker is still choosing the card
    // pictures (PicturePreload), and the card size is the main thread's only once it has
    // waited for them.
    if (layoutGameId_ >= 0) {
        scrBarMain->setSingleStep(app_.pictures.CardHeight() / 4 + 1);
        scrBarHorz->setSingleStep(app_.pictures.CardWidth() / 4 + 1);
    }
    scrCorner->setGeometry(visible.width(), visible.height(), barWidth, barHeight);
    scrCorner->setVisible(vertical && horizontal);
    scrCorner->raise();
    imgSfondo->setGeometry(-scrBarHorz->value(), -scrBarMain->value(), table.width(),
                           table.height());
    return barsChanged;
}

void TfrmMain::ScrollToShow(const QRect& tableRect) {
    if (tableRect.isEmpty()) return;
    const QRect r = TableArea::FocusFrame(imgSfondo->ToWidget(tableRect));
    const int width = pnlClient->width() - (scrBarMain->isHidden() ? 0 : scrBarMain->width());
    const int height = pnlClient->height() - (scrBarHorz->isHidden() ? 0 : scrBarHorz->height());
    BringIntoView(scrBarHorz, r.left(), r.right() + 1, 0, width);
    // The toolbar row lies over the table's top.
    BringIntoView(scrBarMain, r.top(), r.bottom() + 1, ToolBarBottom(), height);
}

bool TfrmMain::ScrollByWheel(QWheelEvent& wheel) {
    // Not while cards are dragged: the table would move under them.
    if (wheel.buttons() != Qt::NoButton) return false;
    const QPoint delta = wheel.angleDelta();
    const bool across = std::abs(delta.x()) > std::abs(delta.y()) || scrBarMain->isHidden();
    QScrollBar* bar = across ? scrBarHorz : scrBarMain;
    if (bar->isHidden()) return false;
    QApplication::sendEvent(bar, &wheel);
    return true;
}

void TfrmMain::FitTableToPiles() {
    if (app_.game.flags.startupPending || layoutGameId_ < 0) return;
    const QSize before = imgSfondo->size();
    if (PlaceTable()) {
        FormResize();
    } else if (imgSfondo->size() != before) {
        SizeTableBuffers();
        DrawTable();
    }
}

void TfrmMain::PlaceClientChildren() {
    const QSize client = pnlClient->size();
    PlaceTable();
    const int rowWidth = std::max(client.width(), pnlTB->width());
    pnlTB->resize(rowWidth, pnlTB->height());
    pnlTB1->resize(std::max(client.width(), pnlTB1->width()), pnlTB1->height());
    if (pnlStatusBar->isVisible()) {
        pnlStatusBar->setGeometry(0, client.height() - kStatusBarHeight, client.width(),
                                  kStatusBarHeight);
        pnlStatusBar->raise();
    }
}

void TfrmMain::FormResize() {
    PlaceClientChildren();
    ArrangeHeader();
    if (app_.game.flags.startupPending && !FirstPictureDue()) return;
    ComputeLayout();
    // The bars follow what the new layout puts on the table; the vertical one, coming or
    // going, changes the width the layout has.
    if (PlaceTable()) {
        ComputeLayout();
        PlaceTable();
    }
    SizeTableBuffers();
    DrawTable();
    if (onTableLaidOut) onTableLaidOut();
}

bool TfrmMain::FirstPictureDue() const {
    // Shown but not yet painted: the window system has given the window its size on the
    // screen (a maximised one its final size) just now, and the table's first picture is to
    // show the layout for that size rather than be laid out again at the first activation.
    return isVisible() && layoutGameId_ >= 0 && !imgSfondo->Painted();
}

void TfrmMain::HostRenderer() {
    // The start's worker has ended before the table is first drawn.
    if (app_.preload) {
        app_.preload->FinishAll();
        app_.preload.reset();
    }
    if (rendererHosted_) return;
    rendererHosted_ = true;
    TableRenderer& renderer = app_.renderer;
    renderer.SetDisplayColours(DisplayColours());
    renderer.SetObserver(imgSfondo);
    imgSfondo->SetPainter([&renderer](QPainter& painter, const QRect& region) {
        renderer.PaintWindow(painter, region);
    });
}

void TfrmMain::FormShow() {
    if (!app_.game.flags.startupPending) return;
    PlaceClientChildren();
    ArrangeHeader();
    LoadStoredGameLayout();
    SizeTableBuffers();
    DrawTable();
}

void TfrmMain::FormPaint() {
    HostRenderer();
    app_.renderer.PresentTable();
}

// ---------------------------------------------------------------------------------------
// Events

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlClient && event->type() == QEvent::Resize) {
        if (DealBeingDrawn()) {
            resizeHeldBack_ = true;
        } else {
            FormResize();
        }
    } else if (watched == pnlPilesSize &&
               (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
        pnlPilesSize->hide();
    } else if (watched == imgSfondo && event->type() == QEvent::Wheel) {
        if (ScrollByWheel(*static_cast<QWheelEvent*>(event))) return true;
    }
    return C_TAdvancedForm<QMainWindow>::eventFilter(watched, event);
}

void TfrmMain::showEvent(QShowEvent* event) {
    C_TAdvancedForm<QMainWindow>::showEvent(event);
    FormShow();
    if (!shownOnce_) {
        shownOnce_ = true;
        // The first activation does not wait for the window system: some never activate a
        // window that was not clicked (no window manager, focus stealing prevention). It comes
        // after the first picture of the table, or after a while if that never comes.
        QTimer::singleShot(kFirstActivationLimitMs, this, [this] { RunFirstActivation(); });
    }
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    if (pnlPilesSize->isVisible()) pnlPilesSize->hide();
    C_TAdvancedForm<QMainWindow>::keyPressEvent(event);
}

void TfrmMain::Timer1Timer() {
    header_->TickClock();
    if (onClockTick) onClockTick();
}

// ---------------------------------------------------------------------------------------
// Activation

void TfrmMain::m_AppActivate() {
    // Activations before the window is on the screen (the splash's) are not the program's, and
    // the first one waits for the table's first picture: the game chooser it may open must not
    // hold that picture back.
    if (!isVisible()) return;
    if (app_.game.flags.startupPending && !firstActivationDue_) return;
    if (!app_.game.flags.startupPending) {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->activateWindow();
    } else {
        FirstActivation();
    }
    if (!LowColourDisplay()) return;
    const SettingsRecord& settings = app_.settings;
    if (settings.IsYes(field::FadeBackground) &&
        (settings.IsYes(field::BackgroundDef) || settings.GetInt(field::BackgroundBmp, 0) == 0))
        FormResize();
}

void TfrmMain::RunFirstActivation() {
    firstActivationDue_ = true;
    if (app_.game.flags.startupPending && isVisible()) m_AppActivate();
}

void TfrmMain::FirstActivation() {
    app_.game.flags.startupPending = false;
    const bool offerChooser = onOpenGameAtStart && !StatisticsPresent(app_.DataFolder());
    // The window system is still putting the table's first picture on the screen, and the first
    // request below that waits for an answer waits for that picture too: the chooser's dialog
    // is built and filled first, alongside. A held game resumed below still keeps it hidden.
    if (offerChooser && onPrepareOpenGameAtStart) onPrepareOpenGameAtStart();
    // Before the chooser, which may run its own loop until it is closed.
    QTimer::singleShot(kStartFilesDelayMs, this, [this] { WriteStartFiles(); });
    UpdateWindowTitle();
    // The window may have reached its final size (a maximised start) after the table was laid
    // out, while resizes were not yet handled.
    if (pnlClient->size() != layoutSize_) {
        FormResize();
    } else {
        ArrangeHeader();
        // A table already on the screen shows what there is to show.
        if (!imgSfondo->Painted()) FormPaint();
    }
    LookAfterScoreFile(app_.settings, app_.Messages());
    if (onResumeAtStart && onResumeAtStart()) return;
    if (offerChooser) onOpenGameAtStart();
}

void TfrmMain::WriteStartFiles() {
    if (!startFilesPending_) return;
    startFilesPending_ = false;
    if (playersToWrite_) {
        // A failed write still gives a player for this run; the next start tries again.
        PreferencesFile prefs(PreferencesPath(app_.settings));
        WriteFirstPlayers(prefs);
    }
    WriteVersionStamp(app_.DataFolder());
    RemoveLeftoverFiles(app_.DataFolder());
}

// ---------------------------------------------------------------------------------------
// Closing

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    emit Closed();
}

void TfrmMain::SaveWindowState() {
    PreferencesFile prefs(PreferencesPath(app_.settings));
    // The next start decodes the card pictures at this scale while the window is being made,
    // so that a table shown at the same zoom is not decoded twice.
    prefs.WriteInteger(section::Preference, kPictureScaleKey,
                       static_cast<int>(std::lround(app_.pictures.Scale() * 100)));
    if (const QScreen* shown = screen())
        prefs.WriteString(section::Preference, kPictureScreenKey, ScreenTag(*shown));
    prefs.WriteInteger(section::Preference, kShownMarksKey,
                       static_cast<int>(app_.pictures.MadeMarks()));
    if (isMaximized()) {
        prefs.WriteString(section::Preference, "MainWindowState_Maximized", kYes);
        return;
    }
    prefs.WriteString(section::Preference, "MainWindowState_Maximized", kNo);
    prefs.WriteInteger(section::Preference, "MainWindowState_Left", x());
    prefs.WriteInteger(section::Preference, "MainWindowState_Top", y());
    prefs.WriteInteger(section::Preference, "MainWindowState_Width", width());
    prefs.WriteInteger(section::Preference, "MainWindowState_Height", height());
}

bool TfrmMain::FormCloseQuery() {
    SaveWindowState();
    if (app_.game.flags.animationRunning) {
        // The animation stops at once; the game-end handling closes the window after it.
        app_.game.flags.animationRunning = false;
        hooks_.Restore();
        exitRequested_ = true;
        return false;
    }
    if (DealBeingDrawn()) {
        exitRequested_ = true;
        return false;
    }
    return true;
}

void TfrmMain::DealDrawn() {
    if (resizeHeldBack_) {
        resizeHeldBack_ = false;
        FormResize();
    }
    if (exitRequested_) {
        exitRequested_ = false;
        // After what follows the deal in the same step (the clock, autoplay), like any close.
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

void TfrmMain::FormClose() {
    closed_ = true;
    Game& game = app_.game;
    // 1. A game in progress is held for the next start (onEndGame), or else given up.
    if (game.flags.gameInProgress) {
        if (onEndGame) {
            onEndGame();
        } else {
            game.flags.gameInProgress = false;
            game.flags.clockRunning = false;
        }
    }
    // 2. Off the screen, silent.
    repaint();
    hide();
    StopGatedSounds(app_.settings, app_.Sounds());
    // 3. The closing preferences, after what the start has still to write.
    WriteStartFiles();
    PreferencesFile prefs(PreferencesPath(app_.settings));
    StoreClosingPreferences(prefs, app_.loaded.autoPlayAllGames, commands_->AutoplayTicked(),
                            app_.loaded.randomGameType);
    // 5. No handler of this window runs any more.
    hooks_.Restore();
    disconnect(qApp, &QGuiApplication::applicationStateChanged, this, nullptr);
    Timer1->stop();
}

}  // namespace tindle
