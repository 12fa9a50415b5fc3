#include "shell/HeaderPanels.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

#include "shell/HeaderArrangement.h"
#include "shell/MainWindow.h"
#include "shell/TindleApp.h"
#include "shell/settings/PreferencesLoader.h"

namespace tindle {

namespace {

// Clock and score panels: height and label top beside the large and the small row.
constexpr int kLargePanelHeight = 24;
constexpr int kSmallPanelHeight = 20;
constexpr int kLargeLabelTop = 4;
constexpr int kSmallLabelTop = 3;
constexpr int kLabelInset = 4;

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";

QAction* MenuItem(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

void PopUpOn(QWidget* widget, QMenu* menu) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                     [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}

// Moves a panel, hiding it first when it has to move.
void MovePanel(QWidget* panel, int left, int top) {
    if (panel->pos() == QPoint(left, top)) return;
    panel->hide();
    panel->move(left, top);
}

}  // namespace

HeaderPanels::HeaderPanels(TfrmMain& window, TindleApp& app)
    : QObject(&window), window_(window), app_(app) {
    bars_ = BuildToolBars(window.pnlTB, window.pnlTB1);
    // Over the small row the pointer is always the default one.
    window.pnlTB1->setCursor(Qt::ArrowCursor);
    // Captions and values stand at the labels' top, so that their lines of text agree.
    for (QLabel* caption : {window.lblTempo2, window.lblScore2})
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* value : {window.lblTempo, window.lblScore})
        value->setAlignment(Qt::AlignRight | Qt::AlignTop);
    BuildMenus();
    SizePanels();
}

void HeaderPanels::BuildMenus() {
    popTB = new QMenu(&window_);
    popTB->setObjectName(QStringLiteral("popTB"));
    Largeicons1 = MenuItem(popTB, "Largeicons1", "Large icons", true);
    Smallicons1 = MenuItem(popTB, "Smallicons1", "Small icons", true);
    Buttonflat1 = MenuItem(popTB, "Buttonflat1", "Flat button", true);
    Buttonnoflat1 = MenuItem(popTB, "Buttonnoflat1", "No flat button", true);
    mnuShowTime = MenuItem(popTB, "mnuShowTime", "Show time");
    mnuShowScore = MenuItem(popTB, "mnuShowScore", "Show score");
    Largeicons1->setChecked(true);
    Buttonflat1->setChecked(true);
    mnuShowTime->setEnabled(false);
    mnuShowScore->setEnabled(false);
    PopUpOn(window_.pnlTB, popTB);
    PopUpOn(window_.pnlTB1, popTB);

    popTime = new QMenu(&window_);
    popTime->setObjectName(QStringLiteral("popTime"));
    mnuHideTime = MenuItem(popTime, "mnuHideTime", "&Hide");
    PopUpOn(window_.pnlTempo, popTime);
    popScore = new QMenu(&window_);
    popScore->setObjectName(QStringLiteral("popScore"));
    mnuHideScore = MenuItem(popScore, "mnuHideScore", "Hide");
    PopUpOn(window_.pnlScore, popScore);

    connect(Largeicons1, &QAction::triggered, this, [this] { SwitchToolBarSize(true, true); });
    connect(Smallicons1, &QAction::triggered, this, [this] { SwitchToolBarSize(false, true); });
    connect(Buttonflat1, &QAction::triggered, this, [this] { SwitchFlat(true, true); });
    connect(Buttonnoflat1, &QAction::triggered, this, [this] { SwitchFlat(false, true); });
    connect(mnuShowTime, &QAction::triggered, this, [this] { SwitchClock(true, true); });
    connect(mnuShowScore, &QAction::triggered, this, [this] { SwitchScore(true, true); });
    connect(mnuHideTime, &QAction::triggered, this, [this] { SwitchClock(false, true); });
    connect(mnuHideScore, &QAction::triggered, this, [this] { SwitchScore(false, true); });
}

bool HeaderPanels::Flat() const {
    return bars_.small.Button(ToolbarCommand::New)->autoRaise();
}

void HeaderPanels::SizePanels() {
    const int panelHeight = large_ ? kLargePanelHeight : kSmallPanelHeight;
    const int labelTop = large_ ? kLargeLabelTop : kSmallLabelTop;
    const int labelHeight = panelHeight - labelTop - 1;
    // The panels keep their designed widths unless the form's font needs more room (the
    // fonts of a Linux desktop run wider than the designed one). Both panels' labels stand at
    // the same top, so that their lines of text agree.
    auto place = [&](QFrame* panel, QLabel* caption, QLabel* value, int designedWidth,
                     const QString& widestValue) {
        const int captionWidth = caption->sizeHint().width();
        const int valueWidth = value->fontMetrics().horizontalAdvance(widestValue);
        const int width = std::max(designedWidth, captionWidth + valueWidth + 3 * kLabelInset);
        panel->resize(width, panelHeight);
        caption->setGeometry(kLabelInset, labelTop, captionWidth, labelHeight);
        value->setGeometry(width - kLabelInset - valueWidth - 1, labelTop, valueWidth + 1,
                           labelHeight);
    };
    place(window_.pnlTempo, window_.lblTempo2, window_.lblTempo, kClockWidth,
          QStringLiteral("00:00:00"));
    place(window_.pnlScore, window_.lblScore2, window_.lblScore, kScoreWidth,
          QStringLiteral("-00000"));
}

void HeaderPanels::ApplyButtonGeometry() {
    const bool smallOnly = !window_.pnlTB1->isHidden() && window_.pnlTB->isHidden();
    ApplyToolBarGeometry(bars_, ToolBarGeometryFor(Flat(), smallOnly));
}

void HeaderPanels::WritePreference(const char* key, bool yes) {
    tindle::WritePreference(app_.settings, key, yes ? kYes : kNo);
}

void HeaderPanels::LoadGlyphs() {
    glyphsDue_ = true;
    LoadToolBarRowGlyphs(bars_.small, app_.library);
    LoadLargeGlyphsWhenShown();
}

void HeaderPanels::LoadLargeGlyphsWhenShown() {
    if (!large_ || !glyphsDue_ || largeGlyphsLoaded_) return;
    largeGlyphsLoaded_ = true;
    LoadToolBarRowGlyphs(bars_.large, app_.library);
}

void HeaderPanels::SwitchToolBarSize(bool large, bool store) {
    large_ = large;
    LoadLargeGlyphsWhenShown();
    window_.pnlTB->setVisible(large);
    window_.pnlTB1->setVisible(!large);
    Largeicons1->setChecked(large);
    Smallicons1->setChecked(!large);
    SizePanels();
    ApplyButtonGeometry();
    ArrangeHeader();
    window_.repaint();
    window_.FormResize();
    if (store) WritePreference("ToolBar_Large", large);
}

void HeaderPanels::SwitchFlat(bool flat, bool store) {
    SetToolBarFlat(bars_, flat);
    Buttonflat1->setChecked(flat);
    Buttonnoflat1->setChecked(!flat);
    ApplyButtonGeometry();
    SetToolBarHints(bars_, app_.settings.IsYes(field::ShowToolTips));
    ArrangeHeader();
    if (store) WritePreference("ToolBar_Flat", flat);
}

// The record's Show_Time and Show_Score always follow the switches (the header is arranged
// from them); the file is written only when storing.
void HeaderPanels::SwitchClock(bool show, bool store) {
    window_.pnlTempo->setVisible(show);
    mnuShowTime->setEnabled(!show);
    app_.settings.Put(field::ShowTime, show ? kYes : kNo);
    if (store) WritePreference("Show_Time", show);
    ArrangeHeader();
}

void HeaderPanels::SwitchScore(bool show, bool store) {
    window_.pnlScore->setVisible(show);
    mnuShowScore->setEnabled(!show);
    app_.settings.Put(field::ShowScore, show ? kYes : kNo);
    if (store) WritePreference("Show_Score", show);
    ArrangeHeader();
}

int HeaderPanels::ToolBarBottom() const {
    const QFrame* row = large_ ? window_.pnlTB : window_.pnlTB1;
    if (row->isHidden()) return 0;
    return row->y() + row->height();
}

int HeaderPanels::ToolBarRight() const {
    const ToolBarRow& row = large_ ? bars_.large : bars_.small;
    if (row.panel->isHidden()) return 0;
    const QToolButton* exit = row.Button(ToolbarCommand::Exit);
    return row.panel->x() + exit->x() + exit->width();
}

int HeaderPanels::ReferenceWidth() const {
    // A maximised window that is still starting may not have its final size yet: it will fill
    // the screen it opens on.
    if (app_.game.flags.startupPending && window_.isMaximized()) {
        if (const QScreen* screen = window_.screen())
            return screen->availableGeometry().width() + kDesignedFrameWidth;
    }
    return window_.pnlClient->width() + kDesignedFrameWidth;
}

void HeaderPanels::ArrangeHeader() {
    HeaderInputs in;
    in.referenceWidth = ReferenceWidth();
    in.clockWidth = window_.pnlTempo->width();
    in.scoreWidth = window_.pnlScore->width();
    in.showTime = app_.settings.IsYes(field::ShowTime);
    in.showScore = app_.settings.IsYes(field::ShowScore);
    in.toolBarRight = ToolBarRight();
    in.rowBottom = ToolBarBottom();
    const HeaderPlacement place = ArrangeHeaderPanels(in);

    const QFrame* row = large_ ? window_.pnlTB : window_.pnlTB1;
    const int rowHeight = row->isHidden() ? 0 : row->height();
    const int clockTop = row->y() + std::max(0, (rowHeight - window_.pnlTempo->height()) / 2);
    MovePanel(window_.pnlTempo, place.clockLeft, clockTop);
    MovePanel(window_.pnlScore, place.scoreLeft, clockTop);
    window_.pnlLineaGrigia->setGeometry(0, place.greyLineTop, place.lineWidth, 1);
    window_.pnlLineaNera->setGeometry(0, place.blackLineTop, place.lineWidth, 1);
    window_.pnlScore->setVisible(place.scoreVisible);
    window_.pnlTempo->setVisible(place.clockVisible);
}

// ---------------------------------------------------------------------------------------
// Clock and score

void HeaderPanels::ResetClock() {
    clock_.Reset();
    window_.lblTempo->setText(GameClock::ZeroText());
}

void HeaderPanels::StartClock() {
    clock_.Start();
}

void HeaderPanels::StopClock() {
    if (clock_.Started()) window_.lblTempo->setText(clock_.ElapsedText());
}

void HeaderPanels::TickClock() {
    if (!app_.game.flags.clockRunning) return;
    window_.lblTempo->setText(clock_.ElapsedText());
}

void HeaderPanels::ShowScore(const QString& text) {
    window_.lblScore->setText(text);
}

}  // namespace tindle
