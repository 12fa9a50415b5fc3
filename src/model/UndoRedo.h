#pragma once

// Stepping through the histories. Undo writes the last undo snapshot back into the piles and
// face flags and keeps the table it replaces as a redo snapshot; Redo is the mirror. The move
// marker of the step travels with it, so that counting markers on the undo history counts
// only the moves that are in effect.
//
// Both change only the piles, the face flags and the histories. The caller recomputes and
// shows the score afterwards (ComputeScore of the play code), redraws the table and plays
// the step's sound.

namespace tindle {

class Game;
class SettingsRecord;

// False, changing nothing, when the undo history is empty.
bool Undo(Game& game, SettingsRecord& settings);
// False, changing nothing, when the redo history is empty.
bool Redo(Game& game, SettingsRecord& settings);

}  // namespace tindle
