#pragma once

#include <optional>
#include <string_view>

#include "model/Piles.h"
#include "model/TableRect.h"
#include "shell/settings/SettingsRecord.h"

// Where cards are: the pile and position of a card (in the search orders play uses), taking a
// card off its pile (the four removal forms), and the places of cards and piles on the table
// in window coordinates, as the drawing code puts them.

namespace tindle {

class Game;
struct PlayContext;

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

// Card size of the table in play (the shadow margin is ShadowMarginFor of CardSize.h).
int CardWidth(const PlayContext& ctx);
int CardHeight(const PlayContext& ctx);

// The top-left corner (window coordinates) of the card at `position` of the pile, as drawn.
struct Point {
    int x = 0;
    int y = 0;
};
Point CardCorner(const PlayContext& ctx, PileRef pile, int position);
// Where the next card put on the pile lies (the place below a column's last card).
Point NextCardCorner(const PlayContext& ctx, PileRef pile);
// The place of the pile's top card, one card in size; the pile's own place when it is empty.
TableRect TopCardRect(const PlayContext& ctx, PileRef pile);
TableRect CardRectAt(const PlayContext& ctx, Point corner, int height = 0);
// What the pile's cards cover, with room for the shadow (empty when the pile is off the
// table).
TableRect PileArea(const PlayContext& ctx, PileRef pile);

}  // namespace tindle
