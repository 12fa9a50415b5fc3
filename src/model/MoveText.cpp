#include "model/MoveText.h"

#include <cstdio>

#include "model/Card.h"
#include "model/Piles.h"

namespace tindle {

namespace {

// The moves named by a word alone.
struct Plain {
    std::string_view name;
    MoveKind kind;
};
constexpr Plain kPlain[] = {
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

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The number written after `prefix` (at most `width` digits and nothing else), turned into a
// 0-based index below `limit`.
std::optional<int> Numbered(std::string_view text, std::string_view prefix, size_t width,
                            int limit) {
    if (!StartsWith(text, prefix)) return std::nullopt;
    const std::string_view digits = text.substr(prefix.size());
    if (digits.empty() || digits.size() > width) return std::nullopt;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > limit) return std::nullopt;
    return n - 1;
}

std::optional<int> CardNumber(std::string_view text) {
    if (text.size() != 3) return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > kLastCard) return std::nullopt;
    return n;
}

std::string Padded(const char* format, int n) {
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

// The pile a card moves to, as the text names it.
std::string Destination(const Move& m) {
    switch (m.kind) {
        case MoveKind::ToColumn:
            return PileName({PileKind::Fila, m.index});
        case MoveKind::ToFoundation:
            return PileName({PileKind::Dest, m.index});
        case MoveKind::ToFoundationAuto:
            return "Dest_Autoplay" + std::to_string(m.index + 1);
        case MoveKind::ToReserve:
            return PileName({PileKind::Appogg, m.index});
        case MoveKind::ToWaste:
            return PileName({PileKind::MazzoVis, 0});
        default:
            return PileName({PileKind::MazzoWaste, 0});
    }
}

std::optional<Move> CardMove(int card, std::string_view to) {
    auto numbered = [&](MoveKind kind, std::optional<int> index) -> std::optional<Move> {
        if (!index) return std::nullopt;
        return Move{kind, *index, card};
    };
    if (to == "Mazzo_Vis") return Move{MoveKind::ToWaste, 0, card};
    if (to == "Mazzo_Waste") return Move{MoveKind::ToSecondWaste, 0, card};
    if (StartsWith(to, "Dest_Autoplay")) {
        return numbered(MoveKind::ToFoundationAuto, Numbered(to, "Dest_Autoplay", 2, kDestPiles));
    }
    if (StartsWith(to, "Dest")) {
        return numbered(MoveKind::ToFoundation, Numbered(to, "Dest", 2, kDestPiles));
    }
    if (StartsWith(to, "Fila"))
        return numbered(MoveKind::ToColumn, Numbered(to, "Fila", 2, kFilaPiles));
    if (StartsWith(to, "Appogg")) {
        return numbered(MoveKind::ToReserve, Numbered(to, "Appogg", 2, kAppoggPiles));
    }
    return std::nullopt;
}

std::optional<Move> Click(std::string_view what) {
    if (const auto card = CardNumber(what)) return Move{MoveKind::Select, 0, *card};
    if (what == "Mazzo") return Move{MoveKind::StockClick, 0, 0};
    if (what == "Mazzo_Vis") return Move{MoveKind::WasteClick, 0, 0};
    if (const auto column = Numbered(what, "Fila", 2, kFilaPiles)) {
        return Move{MoveKind::TurnUp, *column, 0};
    }
    return std::nullopt;
}

}  // namespace

std::string MoveText(const Move& m) {
    for (const Plain& p : kPlain) {
        if (p.kind == m.kind) return std::string(p.name);
    }
    switch (m.kind) {
        case MoveKind::DealColumn:
            return Padded("Add_Tableau_%02d", m.index + 1);
        case MoveKind::DealReserve:
            return Padded("Add_Reserve_%d", m.index + 1);
        case MoveKind::StockClick:
            return "click Mazzo";
        case MoveKind::WasteClick:
            return "click Mazzo_Vis";
        case MoveKind::TurnUp:
            return "click " + PileName({PileKind::Fila, m.index});
        case MoveKind::Select:
            return "click " + CardText(m.card);
        default:
            return CardText(m.card) + " " + Destination(m);
    }
}

std::optional<Move> ParseMove(std::string_view text) {
    const size_t space = text.find(' ');
    if (space == std::string_view::npos) {
        for (const Plain& p : kPlain) {
            if (text == p.name) return Move{p.kind, 0, 0};
        }
        if (const auto column = Numbered(text, "Add_Tableau_", 2, kFilaPiles);
            column && text.size() == 14) {
            return Move{MoveKind::DealColumn, *column, 0};
        }
        if (const auto reserve = Numbered(text, "Add_Reserve_", 2, kAppoggPiles)) {
            return Move{MoveKind::DealReserve, *reserve, 0};
        }
        return std::nullopt;
    }
    const std::string_view first = text.substr(0, space);
    const std::string_view second = text.substr(space + 1);
    if (first == "click") return Click(second);
    const auto card = CardNumber(first);
    if (!card) return std::nullopt;
    return CardMove(*card, second);
}

}  // namespace tindle
