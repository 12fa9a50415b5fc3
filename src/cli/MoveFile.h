#pragma once

#include <istream>
#include <string>

// The move files of `tindle-cli play`: one move per line, exactly as the player's mouse would
// make it on the table. The moves are written as model/MoveText.h writes them:
//   <card> <pile>     drag the block whose lowest card is <card> (three digits) and drop it
//                     exactly on Fila<n>, Dest<n>, Appogg<n> or Mazzo_Vis; <card> Mazzo_Waste
//                     plays a card of the second-waste games (a click on it)
//   click <pile>      a left click on the pile's top card (or on the empty pile); Mazzo is
//                     the stock
//   click <card>      a left click on the card (the selection and pairing games)
//   dblclick <card>   a double click on the card
//   undo, redo        the Undo and Redo commands
// Blank lines and "#" comments are ignored; a line ends at LF, CR LF is read as LF.

namespace tindle {
struct PlayContext;
}

namespace tindle::cli {

// Lines longer than this are no moves; reading never holds more of one.
inline constexpr std::size_t kMaxMoveLineChars = 256;

struct MoveFileResult {
    enum class Outcome {
        Played,      // every move was played
        Refused,     // the game refused the move of `line`
        Unreadable,  // `line` is no move, or is too long (`text` then holds its beginning)
    };
    Outcome outcome = Outcome::Played;
    int line = 0;  // 1-based, of the move that stopped the play
    std::string text;
};

// Plays the moves read from `in` until the end or the first move that cannot be played.
MoveFileResult PlayMoveFile(PlayContext& ctx, std::istream& in);

}  // namespace tindle::cli
