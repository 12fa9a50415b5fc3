#pragma once

// Inside the move executor (Execute*.cpp): what one call remembers while it runs, and the
// moves by kind.

#include "model/Game.h"
#include "model/Move.h"
#include "play/PlayContext.h"
#include "play/TablePlaces.h"

namespace tindle::exec {

struct CallState {
    bool moved = false;
    bool fromTableau = false;  // the card (or block) came from a tableau column
    bool snapshotTaken = false;
    bool passCounted = false;  // a redeal request counted a pass: nothing is turned
};

// RecordSnapshot on the undo history, once per call.
void TakeSnapshot(PlayContext& ctx, CallState& call);

// A card's flight over the table (FlightOptions of the table view).
void FlyCard(PlayContext& ctx, int card, Point from, Point to, bool faceDown = false);

bool MoveToColumn(PlayContext& ctx, int card, int column, CallState& call);
bool MoveToFoundation(PlayContext& ctx, int card, int foundation, bool autoplay, CallState& call);
bool MoveToReserve(PlayContext& ctx, int card, int reserve, CallState& call);
bool MoveToWastePile(PlayContext& ctx, int card, bool secondWaste, CallState& call);

// "Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal": turning the stock and both redeal forms.
bool StockMove(PlayContext& ctx, MoveKind kind, CallState& call);

// The deals to columns and reserves.
bool DealMove(PlayContext& ctx, const Move& move, CallState& call);

// "Selezionate_Dest", "Selezionate_Fila", "Stock_To_Pile_Monte_Carlo".
bool RemoveSelection(PlayContext& ctx, CallState& call);
bool RefillColumns(PlayContext& ctx, CallState& call);
bool CloseGridGaps(PlayContext& ctx, CallState& call);

}  // namespace tindle::exec
