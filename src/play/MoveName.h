#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Move.h"

// The move names the executor understands. The first characters of a name decide its kind;
// pile numbers count from 1 and stand at fixed places of the name ("Fila" + n in characters
// 5-6, "Dest_Autoplay" + n in 14-15, "Appogg" + n in 7-8, "Add_Tableau_" + two digits,
// "Add_Reserve_" + one digit).

namespace tindle {

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
