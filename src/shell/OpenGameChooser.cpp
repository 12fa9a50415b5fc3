#include "shell/OpenGameChooser.h"

#include "play/NewGame.h"
#include "shell/Commands.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowPlay.h"
#include "shell/OpenGameCommand.h"
#include "shell/TableArea.h"
#include "shell/TfrmOpenGame.h"
#include "shell/TindleApp.h"

namespace tindle {

OpenGameChooser::OpenGameChooser(TindleApp& app, TfrmMain& window) : app_(app), window_(window) {
    // The Open command (menu, toolbar, Ctrl+F12, and play's offer after a game), and the first
    // start, which shows the chooser when no statistics file exists.
    window.Commands().SetOpenCommand([this] { OpenCommand(); });
    window.onOpenGameAtStart = [this] { OpenCommand(); };
    window.onPrepareOpenGameAtStart = [this] {
        if (TfrmOpenGame* dialog = MakeDialog()) dialog->PrepareShowing();
    };
}

OpenGameChooser::~OpenGameChooser() = default;

TfrmOpenGame* OpenGameChooser::Dialog() const {
    return dialog_;
}

TfrmOpenGame* OpenGameChooser::MakeDialog() {
    if (made_) return dialog_;
    made_ = true;
    TindleApp& app = app_;
    TfrmMain& window = window_;
    OpenGameServices services;
    services.showRules = [&app](int gameId) {
        app.help.ShowRules(gameId, static_cast<int>(app.settings.GetInt(field::GameId, -1)));
    };
    services.showHelpTopic = [&app](int topic) { app.help.ShowTopic(topic); };
    // Closed while no game was ever chosen: nothing is there for the game commands to act on.
    services.disableGameCommands = [&window] { window.Commands().SetGameCommandsAvailable(false); };
    services.afterClose = [&app, &window] {
        app.renderer.HighlightFoundations(-1);
        window.imgSfondo->update();
        window.update();
    };
    dialog_ = new TfrmOpenGame(app.catalogue, app.settings, app.library, app.Messages(),
                               std::move(services), &window);
    return dialog_;
}

bool OpenGameChooser::OpenCommand() {
    if (!MakeDialog()) return false;
    MainWindowPlay* play = window_.Play();
    TfrmMain& window = window_;
    return RunOpenCommand(
        *dialog_, [play, &window](int gameId, const std::string& name, int treeNumber) {
            // The dialog has no player list: an empty player name keeps the current player.
            if (!play) return;
            // Winnable deals only: the new game's number too.
            const DealNumberChoice winnable = play->WinnableDealChoice();
            OpenGame(play->Context(), gameId, name, treeNumber, "", kDrawNewNumber, true, winnable);
            window.FitTableToPiles();
        });
}

}  // namespace tindle
