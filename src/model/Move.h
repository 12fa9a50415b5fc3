#pragma once

// A move of the game in play, typed: what happens (kind), to which pile (index, 0-based among
// the piles of its kind) and with which card. The move executor carries out the executor
// kinds; the player kinds at the end are gestures that are no single executor move (a click
// on the stock may turn, deal or redeal), which PlayMove (play/PlayMove.h) carries out.
//
// The values of MoveKind are hashed by the catalogue signature: new kinds go at the end.

#include <optional>

#include "model/Piles.h"

namespace tindle {

enum class MoveKind {
    // Executor moves: the card (with the cards above it) to a pile.
    ToColumn,          // "Fila" + n: the card and the cards above it
    ToFoundation,      // "Dest" + n
    ToFoundationAuto,  // "Dest_Autoplay" + n: the same, made by autoplay
    ToReserve,         // "Appogg" + n
    ToWaste,           // "Stock02"
    ToSecondWaste,     // "Waste"
    // Executor moves of the stock and the deals.
    TurnToWaste,        // "Mazzo_Vis": turn the stock, or redeal the waste into an empty stock
    TurnToSecondWaste,  // "Mazzo_Waste"
    RedealRequest,      // "Mazzo_Redeal"
    DealColumns,        // "Add_Tableaus": one card to each column, by the columns' deal codes
    DealColumnsAll,     // "Add_Tableaus_Last": one card to every column
    FillColumns,        // "Fill_Tableaus": one card to each empty column
    DealColumn,         // "Add_Tableau_" + nn
    DealReserves,       // "Add_Reserves"
    DealReserve,        // "Add_Reserve_" + n
    RemoveSelection,    // "Selezionate_Dest"
    RefillColumns,      // "Selezionate_Fila"
    CloseGridGaps,      // "Stock_To_Pile_Monte_Carlo"
    // Player moves (PlayMove): clicks that are no single executor move.
    StockClick,  // a click on the stock: turns, deals or redeals by the game's codes
    WasteClick,  // a click on the empty waste: the redeal request of the games with a redeal mode
    TurnUp,      // a click on a face-down column top (index: the column)
    Select,      // a click on a card of a selection or pairing game, or of a second-waste game
};

struct Move {
    MoveKind kind = MoveKind::ToColumn;
    int index = 0;  // the destination or deal target among the piles of its kind
    int card = 0;   // the card moved (the lowest of a run), where the kind moves one
    bool operator==(const Move&) const = default;
};

// The pile a card move (a drag the player makes) puts its card on; nullopt for the other kinds.
inline std::optional<PileRef> MoveTarget(const Move& move) {
    switch (move.kind) {
        case MoveKind::ToColumn:
            return PileRef{PileKind::Fila, move.index};
        case MoveKind::ToFoundation:
            return PileRef{PileKind::Dest, move.index};
        case MoveKind::ToReserve:
            return PileRef{PileKind::Appogg, move.index};
        case MoveKind::ToWaste:
            return PileRef{PileKind::MazzoVis, 0};
        default:
            return std::nullopt;
    }
}

}  // namespace tindle
