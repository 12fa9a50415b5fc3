#pragma once

#include <optional>
#include <string_view>

#include "model/CardPlaces.h"
#include "model/Piles.h"
#include "model/TableRect.h"
#include "shell/settings/SettingsRecord.h"

// Where cards lie on the table in window coordinates, as the drawing code puts them (the
// pile and position of a card are model/CardPlaces.h).

namespace tindle {

struct PlayContext;

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
