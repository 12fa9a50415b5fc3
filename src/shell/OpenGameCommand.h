#pragma once

#include <functional>
#include <string>

// The Open command (menu, toolbar, Ctrl+F12, and by itself at the first start): the
// open-a-game dialog modally, then the chosen game opened with a new game number.

namespace tindle {

class TfrmOpenGame;

// Opens a game: GameId, name and the tree folder it was chosen from.
using OpenChosenGame = std::function<void(int gameId, const std::string& name, int treeNumber)>;

// Shows the dialog; when the player confirmed a game there, opens it and clears the dialog's
// confirmation mark. True when a game was confirmed.
bool RunOpenCommand(TfrmOpenGame& dialog, const OpenChosenGame& open);

}  // namespace tindle
