#include "model/Piles.h"

#include <algorithm>
#include <charconv>

namespace tindle {

namespace {

struct KindName {
    PileKind kind;
    std::string_view name;
    int count;
};

// Longest prefixes first, so that "Mazzo_Vis" is not read as "Mazzo".
constexpr KindName kKindNames[] = {
    {PileKind::MazzoWaste, "Mazzo_Waste", 0},
    {PileKind::MazzoVis, "Mazzo_Vis", 0},
    {PileKind::Mazzo, "Mazzo", 0},
    {PileKind::Appogg, "Appogg", kAppoggPiles},
    {PileKind::Dest, "Dest", kDestPiles},
    {PileKind::Fila, "Fila", kFilaPiles},
};

}  // namespace

std::string PileName(PileRef ref) {
    for (const auto& k : kKindNames) {
        if (k.kind != ref.kind) continue;
        if (k.count == 0) return std::string(k.name);
        return std::string(k.name) + std::to_string(ref.index + 1);
    }
    return {};
}

std::optional<PileRef> ParsePileName(std::string_view name) {
    for (const auto& k : kKindNames) {
        if (name.substr(0, k.name.size()) != k.name) continue;
        std::string_view rest = name.substr(k.name.size());
        if (k.count == 0) {
            if (!rest.empty()) return std::nullopt;
            return PileRef{k.kind, 0};
        }
        int number = 0;
        auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
        if (ec != std::errc() || ptr != rest.data() + rest.size() || rest.empty())
            return std::nullopt;
        if (number < 1 || number > k.count) return std::nullopt;
        return PileRef{k.kind, number - 1};
    }
    return std::nullopt;
}

void Piles::Clear() {
    for (auto& p : mazzo)
        p.clear();
    for (auto& p : dest)
        p.clear();
    for (auto& p : fila)
        p.clear();
    for (auto& p : appogg)
        p.clear();
}

int LocateCard(const Piles& piles, const GameDef& def, int card) {
    if (PileContains(piles.Stock(), card)) return kLocStock;
    if (PileContains(piles.Waste(), card)) return kLocWaste;
    for (int j = 0; j < kDestPiles; ++j) {
        if (PileContains(piles.dest[static_cast<size_t>(j)], card)) return LocFoundation(j);
    }
    int columns = std::min(def[gd::TableauCount], kFilaPiles);
    for (int k = 0; k < columns; ++k) {
        if (PileContains(piles.fila[static_cast<size_t>(k)], card)) return k + 1;
    }
    int reserves = std::min(def[gd::ReserveCount], kAppoggPiles);
    for (int i = 0; i < reserves; ++i) {
        if (PileContains(piles.appogg[static_cast<size_t>(i)], card)) return LocReserve(i);
    }
    return kLocNowhere;
}

}  // namespace tindle
