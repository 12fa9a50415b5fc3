#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/Game.h"
#include "play/GameStatistics.h"
#include "play/KeyboardPlay.h"

// Everything play works with, in one object: the game in play, the settings record, the
// layout, the catalogue, and the ports through which play reaches the table's pictures, the
// speakers, the player, the clock, the random generator and the main window. The program
// makes one for its main window; tindle-cli and the tests make their own with quiet or
// recording ports. Play keeps no state anywhere else.

namespace tindle {

class Catalogue;
class MessagePort;
class PlayUi;
class Random;
class SettingsRecord;
class SoundPort;
class TMainGame;
class TableView;
class TimePort;

// What play remembers for the run of the program besides the game.
struct PlaySession {
    // The screen-class advice (index 1 and 2) is shown once per run for each class.
    std::array<bool, 3> screenClassTold{};
    // The card-set mark of the table state: kCardSetForced while the screen-class rule has
    // put the predefined card set in place of the player's own.
    int cardSetMark = 0;
    // Whether the last game that ended was won (EndGame's answer).
    bool lastGameWon = false;
    // Cards shown marked by the clicks of special::MarkOnly (their selection does not change).
    std::string markedCards;
    // The per-game counters of every snapshot of the undo and redo histories (PlayHistory.h).
    std::vector<GameCounters> undoCounters;
    std::vector<GameCounters> redoCounters;
    // The number of snapshots of each player action on the undo history, oldest first, and on
    // the redo history, the next to redo last: Undo and Redo step whole actions (PlayerAction).
    std::vector<int> undoActions;
    std::vector<int> redoActions;
    // A player action is open, and it has a step on the undo history already.
    bool actionOpen = false;
    bool actionRecorded = false;
    // The keyboard's focus and lifted block (play/KeyboardPlay.h).
    KeyboardFocus keyboard;
    // The player's statistics and what the game in progress counts in them.
    StatisticsSession statistics;
    // Play serves a search (the solver), which never steps back through the undo history and
    // shows nothing: snapshots keep no piles and the scroll extent is not followed.
    bool searching = false;
};

inline constexpr int kCardSetForced = 2;

struct PlayContext {
    Game& game;
    SettingsRecord& settings;
    TMainGame& layout;
    const Catalogue& catalogue;
    TableView& view;
    SoundPort& sounds;
    MessagePort& messages;
    TimePort& time;
    Random& random;
    PlayUi& ui;
    PlaySession session{};
};

// Autoplay is switched on and available (the Autoplay command ticked and enabled).
bool AutoplayOn(const PlayContext& ctx);

}  // namespace tindle
