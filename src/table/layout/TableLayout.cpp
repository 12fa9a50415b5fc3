// TableLayout: the frame, then the arrangement the tableau code selects, then what follows
// every arrangement (the room of a right-fanned column, the saved stock positions, the
// scroll offset).

#include "model/GameDef.h"
#include "model/RuleCodes.h"
#include "table/layout/Arrangement.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

// The first group places all its piles itself; the cross is the only one with a geometry of
// its own so far, the others take the generic placement.
bool IsFirstGroup(int code) {
    switch (code) {
        case tableauPlace::FirstGroup051:
        case tableauPlace::Cross:
        case tableauPlace::FirstGroup054:
        case tableauPlace::FirstGroup057:
        case tableauPlace::FirstGroup066:
        case tableauPlace::FirstGroup103:
        case tableauPlace::FirstGroup108:
            return true;
        default:
            return code >= tableauPlace::FirstGroup123 && code <= tableauPlace::FirstGroup123Last;
    }
}

}  // namespace

void TMainGame::TableLayout(const LayoutInputs& in, const GameDef& def) {
    ResetPositions();
    previewMode = in.previewMode ? 1 : 0;
    cardWidth = static_cast<int16_t>(in.cardWidth);
    cardHeight = static_cast<int16_t>(in.cardHeight);
    scrollOffset = 0;

    frame_ = ComputeLayoutFrame(in, def);
    filaRoomY = static_cast<int16_t>(frame_.filaRoomY);
    filaRoomX = static_cast<int16_t>(frame_.filaRoomX);

    layout::ArrangeContext c{
        *this,        def,          in, frame_, ReadPlacementCodes(def), ReadLayoutCounts(def),
        in.cardWidth, in.cardHeight};
    if (c.counts.tableau > 0) SetFilaY(0, frame_.RowTop(c.codes.tableau.Row()));

    const int code = c.codes.tableau.arrangement;
    if (code == tableauPlace::Cross) {
        layout::PlaceCross(c);
    } else if (!IsFirstGroup(code) && layout::PlaceTableau(c)) {
        layout::PlaceCommon(c);
    } else {
        // The first-group codes without a geometry of their own, the second-group codes
        // "010", "013", "020", and codes the layout does not know.
        layout::PlaceGeneric(c);
    }

    // A column fanned to the right may reach the next column in its row, or the first
    // foundation when the next column lies in another row.
    if (def[gd::TableauFanStyle] == fan::Right && c.counts.tableau >= 1) {
        int room = 0;
        if (c.counts.tableau >= 2 && FilaY(0) == FilaY(1)) {
            room = FilaX(1) - FilaX(0);
        } else if (c.counts.foundations >= 1 && !IsOffTable(DestX(0))) {
            room = DestX(0) - FilaX(0);
        }
        // A room that is no room (nothing to the right) keeps one card width.
        if (room > 0) filaRoomX = static_cast<int16_t>(room);
    }

    for (int i = 0; i < 3; ++i) {
        savedStock[static_cast<size_t>(i)] = {static_cast<int16_t>(MazzoX(i)),
                                              static_cast<int16_t>(MazzoY(i)),
                                              static_cast<int16_t>(Read(mazzoY_, i))};
    }
    scrollOffset = static_cast<int16_t>(in.scrollPosition);
}

}  // namespace tindle
