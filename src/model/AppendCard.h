#pragma once

#include "model/CardTable.h"
#include "model/Pile.h"

// Appending a card to a pile together with its face flag, the way the deal and the moves put
// cards down. A gap (card 0, written "000") carries no face flag.

namespace tindle {

inline constexpr char kKeepFace = 0;  // append without touching the card's face flag

inline void AppendCard(CardTable& cards, Pile& pile, int card, char flag = kKeepFace) {
    PileAppend(pile, card);
    if (card != 0 && flag != kKeepFace) cards.SetCardFace(card, flag);
}

}  // namespace tindle
