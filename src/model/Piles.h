#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/GameDef.h"
#include "model/Pile.h"

// The four pile lists of the table and the names by which piles are addressed in text:
// "Mazzo" (stock), "Mazzo_Vis" (waste), "Mazzo_Waste" (second waste), "Dest"n (foundations),
// "Fila"n (tableau columns) and "Appogg"n (reserves), n counted from 1.

namespace tindle {

enum class PileKind { Mazzo, MazzoVis, MazzoWaste, Dest, Fila, Appogg };

struct PileRef {
    PileKind kind = PileKind::Mazzo;
    int index = 0;  // 0-based pile of its kind; 0 for the three stock-family piles
    bool operator==(const PileRef&) const = default;
};

constexpr int kMazzoPiles = 3;
constexpr int kDestPiles = 16;
constexpr int kFilaPiles = 28;
constexpr int kAppoggPiles = 10;

// The stock, the waste and the second waste: the piles drawn as a stack of some thickness.
constexpr bool IsStockFamily(PileKind kind) {
    return kind == PileKind::Mazzo || kind == PileKind::MazzoVis || kind == PileKind::MazzoWaste;
}

std::string PileName(PileRef ref);
// "Fila12" -> {Fila, 11}; nullopt for a name that names no pile.
std::optional<PileRef> ParsePileName(std::string_view name);

// Where a card lies (PileLocator).
constexpr int kLocStock = -99;
constexpr int kLocWaste = -98;
constexpr int kLocNowhere = 0;
constexpr int LocFoundation(int j) {
    return -(j + 1);
}  // -1 .. -16
constexpr int LocReserve(int i) {
    return -(i + 21);
}  // -21 .. -30
constexpr bool LocIsTableau(int loc) {
    return loc > 0;
}
constexpr bool LocIsFoundation(int loc) {
    return loc >= -16 && loc <= -1;
}
constexpr bool LocIsReserve(int loc) {
    return loc >= -30 && loc <= -21;
}

struct Piles {
    std::array<Pile, kMazzoPiles> mazzo;    // MazzoPiles: 0 Mazzo, 1 Mazzo_Vis, 2 Mazzo_Waste
    std::array<Pile, kDestPiles> dest;      // DestPiles
    std::array<Pile, kFilaPiles> fila;      // FilaPiles
    std::array<Pile, kAppoggPiles> appogg;  // AppoggPiles

    Pile& Stock() { return mazzo[0]; }
    Pile& Waste() { return mazzo[1]; }
    Pile& SecondWaste() { return mazzo[2]; }
    const Pile& Stock() const { return mazzo[0]; }
    const Pile& Waste() const { return mazzo[1]; }
    const Pile& SecondWaste() const { return mazzo[2]; }

    // Inline: the rules and a solver ask it for every card they look at.
    Pile& Get(PileRef ref) {
        switch (ref.kind) {
            case PileKind::Mazzo:
                return mazzo[0];
            case PileKind::MazzoVis:
                return mazzo[1];
            case PileKind::MazzoWaste:
                return mazzo[2];
            case PileKind::Dest:
                return dest.at(static_cast<size_t>(ref.index));
            case PileKind::Fila:
                return fila.at(static_cast<size_t>(ref.index));
            case PileKind::Appogg:
                return appogg.at(static_cast<size_t>(ref.index));
        }
        return mazzo[0];
    }
    const Pile& Get(PileRef ref) const { return const_cast<Piles*>(this)->Get(ref); }

    void Clear();
    bool operator==(const Piles&) const = default;
};

// Searches Mazzo, Mazzo_Vis, all 16 foundations, the used tableau columns, then the used
// reserves, and gives the PileLocator of the first pile that holds the card. A card on
// Mazzo_Waste, or nowhere, gives 0.
int LocateCard(const Piles& piles, const GameDef& def, int card);

}  // namespace tindle
