#pragma once

#include <QImage>

#include <filesystem>
#include <string>

#include "model/GameNumber.h"

// A game drawn into a picture without any window: for tindle-cli's render command, for
// tests, and for the open-a-game dialog's preview (a small table in PreviewMode).

namespace tindle {

class CardPictures;
class Game;
class MessagePort;
class SettingsRecord;

struct TableRenderOptions {
    int width = 1024;
    int height = 768;
    // The top of the table: the bottom of the toolbars above it (5 with none showing, as
    // tindle-cli renders). The preview always uses 3.
    int top = 5;
    bool previewMode = false;
};

// Lays out the dealt game for a table of that size with the pictures' card size and draws it
// as the window would show it after a full repaint (without the deal animation). The
// game's piles and face flags are drawn as they are; the game is marked in progress. The
// background follows the settings; its messages (a missing picture file) go to messages,
// or nowhere when it is null. Joker labels have their text only in a running application.
QImage RenderTableImage(Game& game, SettingsRecord& settings, CardPictures& pictures,
                        const TableRenderOptions& options, MessagePort* messages = nullptr);

struct RenderedGame {
    QImage image;       // null on failure
    std::string error;  // what failed
};

// The whole road from the program folder: GAMES.DAT (unless another one is given) and ZUV.RGF
// beside the program, the preferences' defaults (nothing is read from or written to the
// player's preferences file), the card size letter ('B', 'M' or 'L'), the game dealt from the
// number.
RenderedGame RenderDealtGame(const std::filesystem::path& programDir, int gameId,
                             const GameNumber& number, char cardSize,
                             const TableRenderOptions& options,
                             const std::filesystem::path& gamesDat = {});

}  // namespace tindle
