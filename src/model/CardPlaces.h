#pragma once

#include <optional>

#include "model/Piles.h"

// Where a card lies: the pile and position of a card (in the search orders play uses), the
// block of cards from it to the top of its pile, and taking a card off its pile (the four
// removal forms).

namespace tindle {

class Game;

struct CardPlace {
    PileRef pile;
    int position = 0;  // 0 = the bottom card
};

// The order in which the piles are searched for a card.
enum class CardSearch {
    // Removal: waste, tableau columns, foundations, stock, second waste, reserves.
    Removal,
    // Fly back: stock, waste, tableau columns, foundations, reserves (not the second waste).
    FlyBack,
};

// Games that keep their selection on foundation 1 hold copies of cards there; it is never
// searched in them. nullopt when the card lies in no pile of the search.
std::optional<CardPlace> FindCard(const Game& game, int card,
                                  CardSearch order = CardSearch::Removal);

// The kind codes the removal reports: the kind of pile the card came from.
enum RemovedFrom : int {
    kFromStock = 1,
    kFromWaste = 2,
    kFromSecondWaste = 3,
    kFromColumn = 4,
    kFromFoundation = 5,
    kFromReserve = 6,
    kFromNowhere = 255,
};

enum class RemoveForm {
    TestOnly,          // only tells where the card is
    Cut,               // the three characters are cut out
    LeaveGap,          // they are replaced by "000"
    CutWithGapBefore,  // they are cut, and a "000" directly before them too
};

RemovedFrom RemovedFromKind(PileKind kind);
// Takes the card off its pile (Removal order) in the given form; kFromNowhere when it lies
// nowhere.
RemovedFrom RemoveCard(Game& game, int card, RemoveForm form);

// The number of cards from the placed card up to the top of its pile.
int BlockSize(const Game& game, const CardPlace& place);

}  // namespace tindle
