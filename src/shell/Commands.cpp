#include "shell/Commands.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "shell/AboutBox.h"
#include "shell/HeaderPanels.h"
#include "shell/HomePage.h"
#include "shell/MainWindow.h"
#include "shell/TfrmSelectGameNumber.h"
#include "shell/TindleApp.h"
#include "shell/settings/GameAutoplayStore.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsInit.h"

namespace tindle {

namespace {

template <class... Items>
void Enable(bool enabled, Items*... items) {
    (items->setEnabled(enabled), ...);
}

}  // namespace

MainCommands::MainCommands(TfrmMain& window, TindleApp& app, HeaderPanels& header)
    : QObject(&window), window_(window), app_(app), header_(header) {
    menu_ = BuildMainMenu(window.MainMenu1);
    helpKey_ = new MenuHelpKey([this](int topic) { app_.help.ShowTopic(topic); }, this);
    helpKey_->Watch(menu_.menus);
    ConnectMenu();
    ConnectButtons(header_.Bars().large);
    ConnectButtons(header_.Bars().small);
    // Open and Customize wait for their dialogs.
    SetOpenCommand(nullptr);
    SetCustomizeCommand(nullptr);
    ShowAutoplayState();
}

void MainCommands::ConnectMenu() {
    const std::pair<QAction*, void (MainCommands::*)()> handlers[] = {
        {menu_.mnuNew, &MainCommands::mnuNewClick},
        {menu_.mnuOpen, &MainCommands::mnuOpenClick},
        {menu_.mnuRestart, &MainCommands::mnuRestartClick},
        {menu_.mnuSelectGame, &MainCommands::mnuSelectGameClick},
        {menu_.mnuEsci, &MainCommands::mnuEsciClick},
        {menu_.mnuHoldExit, &MainCommands::mnuEsciClick},
        {menu_.mnuUndo, &MainCommands::mnuUndoClick},
        {menu_.mnuRedo, &MainCommands::mnuRedoClick},
        {menu_.mnuCustomize, &MainCommands::mnuCustomizeClick},
        {menu_.mnuRules, &MainCommands::mnuRulesClick},
        {menu_.Sommario1, &MainCommands::Sommario1Click},
        {menu_.mnuBravellHomePage, &MainCommands::mnuBravellHomePageClick},
        {menu_.mnuAbout, &MainCommands::mnuAboutClick},
    };
    for (auto [action, handler] : handlers)
        connect(action, &QAction::triggered, this,
                [this, handler = handler] { (this->*handler)(); });
    connect(menu_.mnuAutoPlay, &QAction::triggered, this, [this] {
        // The item turned its own check over; the command decides what it shows.
        ShowAutoplayState();
        mnuAutoPlayClick();
    });
}

void MainCommands::ConnectButtons(const ToolBarRow& row) {
    const std::pair<ToolbarCommand, void (MainCommands::*)()> handlers[] = {
        {ToolbarCommand::New, &MainCommands::mnuNewClick},
        {ToolbarCommand::Open, &MainCommands::mnuOpenClick},
        {ToolbarCommand::Undo, &MainCommands::mnuUndoClick},
        {ToolbarCommand::Redo, &MainCommands::mnuRedoClick},
        {ToolbarCommand::Autoplay, &MainCommands::mnuAutoPlayClick},
        {ToolbarCommand::Rules, &MainCommands::mnuRulesClick},
        {ToolbarCommand::Exit, &MainCommands::mnuEsciClick},
    };
    for (auto [command, handler] : handlers) {
        connect(row.Button(command), &QToolButton::clicked, this,
                [this, handler = handler] { RunFromButton(handler); });
    }
}

void MainCommands::RunFromButton(void (MainCommands::*handler)()) {
    // An autoplay button went down or up by itself; the command decides.
    ShowAutoplayState();
    window_.repaint();
    (this->*handler)();
}

void MainCommands::LoadGlyphs() {
    header_.LoadGlyphs();
}

void MainCommands::HideLargerEditionCommands() {
    tindle::HideLargerEditionCommands(menu_);
    for (QToolButton* button : header_.Bars().largerEdition) {
        button->setEnabled(false);
        button->hide();
    }
}

// ---------------------------------------------------------------------------------------
// Handlers

void MainCommands::mnuNewClick() {
    if (app_.game.flags.animationRunning) return;
    if (play.newGame) play.newGame();
}

void MainCommands::mnuOpenClick() {
    if (open_) open_();
}

void MainCommands::mnuRestartClick() {
    if (app_.game.flags.animationRunning) return;
    if (play.restart) play.restart();
}

void MainCommands::mnuSelectGameClick() {
    if (app_.game.flags.animationRunning) return;
    const auto number = TfrmSelectGameNumber::Ask(
        QString::fromStdString(app_.settings.Get(field::GameNumber)), &window_);
    if (number && play.dealNumber) play.dealNumber(*number);
}

void MainCommands::mnuEsciClick() {
    window_.close();
}

void MainCommands::mnuUndoClick() {
    if (play.undo) play.undo();
}

void MainCommands::mnuRedoClick() {
    if (play.redo) play.redo();
}

void MainCommands::mnuAutoPlayClick() {
    if (play.autoplay) {
        play.autoplay();
    } else {
        SetAutoplayTicked(!autoplayOn_);
    }
}

void MainCommands::mnuCustomizeClick() {
    if (customize_) customize_();
}

void MainCommands::mnuRulesClick() {
    app_.help.ShowRules(-1, static_cast<int>(app_.settings.GetInt(field::GameId, -1)));
}

void MainCommands::Sommario1Click() {
    app_.help.ShowContents();
}

void MainCommands::mnuBravellHomePageClick() {
    if (!Launch("HTTP", kHomePageAddress, app_.Messages(), openUrl))
        app_.Messages().Information(HomePageNotOpenedText());
}

void MainCommands::mnuAboutClick() {
    TfrmAbout about(app_.library, app_.settings, app_.Sounds(),
                    static_cast<int>(app_.catalogue.Entries().size()), &window_);
    about.exec();
}

// ---------------------------------------------------------------------------------------
// Availability

void MainCommands::SetAutoplayAvailable(bool available) {
    const ToolBars& bars = header_.Bars();
    QToolButton* large = bars.large.Button(ToolbarCommand::Autoplay);
    QToolButton* small = bars.small.Button(ToolbarCommand::Autoplay);
    if (large->isEnabled() == available && small->isEnabled() == available) return;
    SetButtonGlyph(small, app_.library,
                   ToolbarGlyphName(ToolbarCommand::Autoplay, false, available));
    Enable(available, menu_.mnuAutoPlay, large, small);
}

void MainCommands::SetUndoAvailable(bool available) {
    undoAllowed_ = available;
    ShowHistoryCommands();
}

void MainCommands::SetHistoryStepsAvailable(bool undo, bool redo) {
    undoStep_ = undo;
    redoStep_ = redo;
    ShowHistoryCommands();
}

void MainCommands::ShowHistoryCommands() {
    const ToolBars& bars = header_.Bars();
    auto show = [&](ToolbarCommand command, QAction* item, bool available) {
        QToolButton* large = bars.large.Button(command);
        QToolButton* small = bars.small.Button(command);
        if (item->isEnabled() == available && small->isEnabled() == available &&
            large->isEnabled() == available)
            return;
        SetButtonGlyph(small, app_.library, ToolbarGlyphName(command, false, available));
        Enable(available, item, large, small);
    };
    show(ToolbarCommand::Undo, menu_.mnuUndo, undoAllowed_ && undoStep_);
    show(ToolbarCommand::Redo, menu_.mnuRedo, undoAllowed_ && redoStep_);
}

void MainCommands::SetGameCommandsAvailable(bool available) {
    const ToolBars& bars = header_.Bars();
    Enable(available, menu_.mnuNew, bars.large.Button(ToolbarCommand::New),
           bars.small.Button(ToolbarCommand::New), menu_.mnuRestart, menu_.mnuSelectGame,
           menu_.mnuRules, bars.large.Button(ToolbarCommand::Rules),
           bars.small.Button(ToolbarCommand::Rules));
    SetUndoAvailable(available);
    SetAutoplayAvailable(available);
    // The larger edition's commands follow (they stay hidden).
    for (QAction* action : menu_.largerEdition)
        action->setEnabled(available);
    for (QToolButton* button : bars.largerEdition)
        button->setEnabled(available);
}

void MainCommands::SetCustomizeAvailable(bool available) {
    customizeWanted_ = available;
    menu_.mnuCustomize->setEnabled(available && customize_);
}

bool MainCommands::AutoplayAvailable() const {
    return menu_.mnuAutoPlay->isEnabled();
}

void MainCommands::SetOpenCommand(std::function<void()> open) {
    open_ = std::move(open);
    const ToolBars& bars = header_.Bars();
    Enable(static_cast<bool>(open_), menu_.mnuOpen, bars.large.Button(ToolbarCommand::Open),
           bars.small.Button(ToolbarCommand::Open));
}

void MainCommands::SetCustomizeCommand(std::function<void()> customize) {
    customize_ = std::move(customize);
    SetCustomizeAvailable(customizeWanted_);
}

// ---------------------------------------------------------------------------------------
// Autoplay

void MainCommands::ShowAutoplayState() {
    menu_.mnuAutoPlay->setChecked(autoplayOn_);
    header_.Bars().large.Button(ToolbarCommand::Autoplay)->setChecked(autoplayOn_);
    header_.Bars().small.Button(ToolbarCommand::Autoplay)->setChecked(autoplayOn_);
}

void MainCommands::SetAutoplayTicked(bool on, bool store) {
    autoplayOn_ = on;
    ShowAutoplayState();
    if (!store || app_.loaded.autoPlayAllGames != kAutoPlayPerGame || !AutoplayAvailable()) return;
    PreferencesFile prefs(PreferencesPath(app_.settings));
    StoreGameAutoplay(prefs, static_cast<int>(app_.settings.GetInt(field::GameId, -1)), on);
}

void MainCommands::ApplyStoredGameAutoplay() {
    if (app_.loaded.autoPlayAllGames != kAutoPlayPerGame || !AutoplayAvailable()) return;
    const PreferencesFile prefs(PreferencesPath(app_.settings));
    const bool stored =
        ReadGameAutoplay(prefs, static_cast<int>(app_.settings.GetInt(field::GameId, -1)));
    if (stored != autoplayOn_) mnuAutoPlayClick();
}

}  // namespace tindle
