#pragma once

#include "model/Piles.h"
#include "table/CardPictures.h"

// Which picture marks an empty pile. The stock's and the waste's marks tell whether the
// stock can be turned over again; foundations and columns with a fixed base rank show that
// rank; reserves have a few variants chosen by the game's reserve kinds.

namespace tindle {

class Game;

// The mark kinds, by pile.
namespace mark {
inline constexpr int kStock = 1;        // Mazzo
inline constexpr int kWaste = 2;        // Mazzo_Vis
inline constexpr int kFoundation = 3;   // Dest
inline constexpr int kNothing = 4;      // draws nothing
inline constexpr int kReserve = 5;      // Appogg
inline constexpr int kTableau = 6;      // Fila
inline constexpr int kSecondWaste = 7;  // Mazzo_Waste
}  // namespace mark

int MarkKindOf(PileKind kind);

struct EmptyMarkChoice {
    enum class Source {
        None,          // nothing is drawn
        Slot,          // a mark picture of the card pictures
        Rank,          // the rank mark of `rank`
        SpecialStock,  // the stock mark of special stock types, loaded when drawn
    };
    Source source = Source::None;
    MarkSlot slot = MarkSlot::EmptyFoundation;
    int rank = 0;
    bool operator==(const EmptyMarkChoice&) const = default;
};

// The rank mark a base-rank value of a foundation or column asks for: 1, 58, 81, 85 the
// Ace; 2, 90 the two; 3..10 themselves; 11 the Jack; 12 the Queen; 13, 64, 84 the King.
// kNoRankMark for values with no mark, kRankMarkBlank for 94 (nothing is drawn, and that
// counts as the mark).
inline constexpr int kNoRankMark = 0;
inline constexpr int kRankMarkBlank = -1;
int RankMarkOfBase(int baseValue);

// The mark of an empty pile of the given mark kind; pileIndex is the 0-based foundation,
// column or reserve.
EmptyMarkChoice ChooseEmptyMark(int kind, const Game& game, int pileIndex);

}  // namespace tindle
