#pragma once

class QObject;

// The game in progress kept across a restart of the program (the file of play/HeldGame.h):
// held whenever the program closes (Exit, Hold and exit, the close button, the desktop
// session ending) and resumed at the next start in place of the game chooser.

namespace tindle {

class TfrmMain;
struct PlayContext;

// The window closes with a game in progress: a game not won is held and left without being
// given up; a won game, or one whose file cannot be written (the player is told), ends as
// before.
void HoldGameAtClose(TfrmMain& window, PlayContext& ctx);

// The first activation: the held game, if there is one, on the table as it was, its clock
// stopped at the time it had until the first move. A held game that cannot be resumed is
// discarded with a short message. Answers whether a game was resumed.
bool ResumeHeldGameAtStart(TfrmMain& window, PlayContext& ctx);

// The desktop session is ending (the program may be ended without a close): the game in
// progress is held then, and stays in progress.
void HoldGameAtSessionEnd(TfrmMain& window, PlayContext& ctx, QObject* receiver);

}  // namespace tindle
