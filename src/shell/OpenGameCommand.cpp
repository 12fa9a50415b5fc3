#include "shell/OpenGameCommand.h"

#include "shell/TfrmOpenGame.h"

namespace tindle {

bool RunOpenCommand(TfrmOpenGame& dialog, const OpenChosenGame& open) {
    if (!dialog.Execute()) return false;
    if (open) open(dialog.ChosenGameId(), dialog.ChosenGameName(), dialog.ChosenTreeNumber());
    dialog.ClearConfirmation();
    return true;
}

}  // namespace tindle
