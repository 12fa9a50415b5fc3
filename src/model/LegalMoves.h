#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/CardTable.h"
#include "model/Move.h"
#include "model/Piles.h"

// Every move the player may make in the position in play, as typed moves: each card that may
// be lifted (MayLift) with every pile that takes it (Accepts), the clicks on the stock and on
// the empty waste, the turn-up of a face-down column top, and the clicks of the selection,
// pairing and second-waste games. A solver searches it with the executor (or PlayMove) on a
// copy of the game; it reads the game alone and allocates nothing when `out` has room.

namespace tindle {

class Game;

// What LegalMoves may remember between the positions of one deal: whether a card may be built
// onto a column's or a foundation's top card, for the piles whose building rule judges by the
// two cards alone (JudgesByTheTwoCards; on a foundation, where its drop rule asks that rule)
// and where no stock restriction holds such moves back. Most of the cards a position lifts
// fit on no column and go home to no foundation; once their answers are known, LegalMoves
// asks the drop rules only of the piles a card may fit. A caller that lists the moves of many
// positions of one deal (a solver) keeps one, made from a position of that deal.
class PlaceMemo {
  public:
    explicit PlaceMemo(const Game& game);

    // False when the building rule of a column or foundation refuses `card` onto its top card
    // for certain; true when it may take it (or the memo does not know the pile).
    bool MayTake(const Game& game, PileRef pile, int card);
    // The same for a pile whose top card `top` the caller has read already.
    bool MayTake(const Game& game, PileRef pile, int top, int card);

  private:
    static constexpr int kCardCodes = CardTable::kCards + 1;
    enum : uint8_t { kUnknown, kRefused, kTaken };
    // The answer for `card` onto `top` of pile `index`, asked of `rule` the first time.
    template <typename Rule>
    static bool Remembered(std::vector<uint8_t>& answers, int index, int top, int card, Rule rule);

    std::array<bool, kFilaPiles> known_{};
    std::array<bool, kDestPiles> homeKnown_{};
    std::vector<uint8_t> answers_;      // column, top card, card
    std::vector<uint8_t> homeAnswers_;  // foundation, top card, card
};

// Fills `out` (emptied first), in a fixed order:
//  - MoveKind::StockClick when a click on the stock may change the table, then
//    MoveKind::WasteClick (the redeal request on the empty waste of a redeal mode);
//  - then the cards of the waste, the foundations, the columns and the reserves, bottom to
//    top, each with its moves:
//    - the drag games: ToFoundation / ToColumn / ToReserve / ToWaste (index: the pile, card:
//      the lowest card of the block) for every other pile that takes it, in the order
//      foundations, columns, reserves, waste; TurnUp (index: the column) for a face-down
//      column top;
//    - click-play games: the one move the click makes (the first pile that takes the card,
//      in the shortcuts' order);
//    - second-waste games: ToSecondWaste (card) for a top card that fits there;
//    - selection and pairing games: Select (card) for each card a click selects.
// Nothing while no game is in progress.
// With a memo, the same moves with fewer questions to the rules.
void LegalMoves(const Game& game, std::vector<Move>& out, PlaceMemo* memo = nullptr);

}  // namespace tindle
