#pragma once

#include <optional>
#include <string>
#include <string_view>

// The move names the executor understands. The first characters of a name decide its kind;
// pile numbers count from 1 and stand at fixed places of the name ("Fila" + n in characters
// 5-6, "Dest_Autoplay" + n in 14-15, "Appogg" + n in 7-8, "Add_Tableau_" + two digits,
// "Add_Reserve_" + one digit).

namespace tindle {

enum class MoveKind {
    ToColumn,           // "Fila" + n
    ToFoundation,       // "Dest" + n
    ToFoundationAuto,   // "Dest_Autoplay" + n
    ToReserve,          // "Appogg" + n
    ToWaste,            // "Stock02"
    ToSecondWaste,      // "Waste"
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
};

struct MoveName {
    MoveKind kind = MoveKind::ToColumn;
    int index = 0;  // 0-based pile of the destination or deal target, where the name has one
};

// nullopt for a name that names no move, or a pile number outside the pile lists.
std::optional<MoveName> ParseMoveName(std::string_view name);

// The name of a move to a pile: "Fila3", "Dest1", "Dest_Autoplay1", "Appogg2".
std::string ColumnMove(int column);
std::string FoundationMove(int foundation, bool autoplay);
std::string ReserveMove(int reserve);
// "Add_Tableau_03" and "Add_Reserve_2" (index from 0).
std::string DealColumnMove(int column);
std::string DealReserveMove(int reserve);

}  // namespace tindle
