#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Move.h"

// The text of a typed move, for the places where text is the format: tindle-cli's move files
// and the moves named in messages. Pile numbers count from 1; a card is three digits.
//
//   027 Fila3            ToColumn: the card (with the cards above it) onto column 3
//   027 Dest1            ToFoundation          027 Dest_Autoplay1   ToFoundationAuto
//   027 Appogg2          ToReserve             027 Mazzo_Vis        ToWaste
//   027 Mazzo_Waste      ToSecondWaste
//   Mazzo_Vis  Mazzo_Waste  Mazzo_Redeal                 the stock's turns and redeal request
//   Add_Tableaus  Add_Tableaus_Last  Fill_Tableaus  Add_Tableau_03  Add_Reserves  Add_Reserve_2
//   Selezionate_Dest  Selezionate_Fila  Stock_To_Pile_Monte_Carlo
//   click Mazzo          StockClick            click Mazzo_Vis      WasteClick
//   click Fila3          TurnUp                click 027            Select

namespace tindle {

std::string MoveText(const Move& move);

// nullopt for a text that names no move, a card outside 1..108 or a pile number outside the
// pile lists. ParseMove(MoveText(m)) gives m back for every move the executor or PlayMove
// takes.
std::optional<Move> ParseMove(std::string_view text);

}  // namespace tindle
