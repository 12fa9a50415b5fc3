#include "play/MoveName.h"

#include <cstdio>

#include "model/Piles.h"

namespace tindle {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The pile number written at `offset` (at most `width` digits, the rest of the name must be
// empty), turned into a 0-based index below `limit`.
std::optional<int> PileNumber(std::string_view name, size_t offset, size_t width, int limit) {
    if (name.size() <= offset || name.size() > offset + width) return std::nullopt;
    int n = 0;
    for (char c : name.substr(offset)) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > limit) return std::nullopt;
    return n - 1;
}

std::optional<MoveName> WithIndex(MoveKind kind, std::optional<int> index) {
    if (!index) return std::nullopt;
    return MoveName{kind, *index};
}

}  // namespace

std::optional<MoveName> ParseMoveName(std::string_view name) {
    struct Plain {
        std::string_view name;
        MoveKind kind;
    };
    static constexpr Plain kPlain[] = {
        {"Stock02", MoveKind::ToWaste},
        {"Waste", MoveKind::ToSecondWaste},
        {"Mazzo_Vis", MoveKind::TurnToWaste},
        {"Mazzo_Waste", MoveKind::TurnToSecondWaste},
        {"Mazzo_Redeal", MoveKind::RedealRequest},
        {"Add_Tableaus_Last", MoveKind::DealColumnsAll},
        {"Add_Tableaus", MoveKind::DealColumns},
        {"Fill_Tableaus", MoveKind::FillColumns},
        {"Add_Reserves", MoveKind::DealReserves},
        {"Selezionate_Dest", MoveKind::RemoveSelection},
        {"Selezionate_Fila", MoveKind::RefillColumns},
        {"Stock_To_Pile_Monte_Carlo", MoveKind::CloseGridGaps},
    };
    for (const Plain& p : kPlain) {
        if (name == p.name) return MoveName{p.kind, 0};
    }
    if (StartsWith(name, "Dest_Autoplay")) {
        return WithIndex(MoveKind::ToFoundationAuto, PileNumber(name, 13, 2, kDestPiles));
    }
    if (StartsWith(name, "Dest")) {
        return WithIndex(MoveKind::ToFoundation, PileNumber(name, 4, 2, kDestPiles));
    }
    if (StartsWith(name, "Fila")) {
        return WithIndex(MoveKind::ToColumn, PileNumber(name, 4, 2, kFilaPiles));
    }
    if (StartsWith(name, "Appogg")) {
        return WithIndex(MoveKind::ToReserve, PileNumber(name, 6, 2, kAppoggPiles));
    }
    if (StartsWith(name, "Add_Tableau_") && name.size() == 14) {
        return WithIndex(MoveKind::DealColumn, PileNumber(name, 12, 2, kFilaPiles));
    }
    if (StartsWith(name, "Add_Reserve_") && name.size() == 13) {
        return WithIndex(MoveKind::DealReserve, PileNumber(name, 12, 1, kAppoggPiles));
    }
    return std::nullopt;
}

std::string ColumnMove(int column) {
    return "Fila" + std::to_string(column + 1);
}
std::string FoundationMove(int foundation, bool autoplay) {
    return (autoplay ? "Dest_Autoplay" : "Dest") + std::to_string(foundation + 1);
}
std::string ReserveMove(int reserve) {
    return "Appogg" + std::to_string(reserve + 1);
}
std::string DealColumnMove(int column) {
    char text[16];
    std::snprintf(text, sizeof text, "Add_Tableau_%02d", (column + 1) % 100);
    return text;
}
std::string DealReserveMove(int reserve) {
    return "Add_Reserve_" + std::to_string((reserve + 1) % 10);
}

}  // namespace tindle
