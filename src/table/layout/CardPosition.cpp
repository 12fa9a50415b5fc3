// Where a card of a pile lies: the pile's place plus the spread of the cards below it, by
// the fan style of the pile's kind.

#include <algorithm>

#include "model/Card.h"
#include "model/Game.h"
#include "model/SpecialGames.h"
#include "shell/settings/SettingsRecord.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

struct Walk {
    int count = 0;      // cards in the pile
    int excluded = 0;   // cards excluded at the top
    int remaining = 0;  // cards below the excluded ones
    int walked = 0;     // cards whose step is added
};

// Without lifting the walk stops before the last remaining card (the result is that card's
// place); while lifting it takes every remaining card (the result is where the first
// excluded card lies).
Walk MakeWalk(const Pile& pile, int excluded, bool lifting) {
    Walk w;
    w.count = PileCount(pile);
    w.excluded = std::max(excluded, 0);
    w.remaining = std::max(w.count - w.excluded, 0);
    w.walked = lifting ? w.remaining : std::max(w.remaining - 1, 0);
    return w;
}

}  // namespace

int TMainGame::CardTopY(const Game& game, std::string_view pileName, int excluded,
                        bool lifting) const {
    const auto ref = ParsePileName(pileName);
    if (!ref) return kOffTable;
    return CardTopY(game, *ref, excluded, lifting);
}

int TMainGame::CardTopY(const Game& game, PileRef ref, int excluded, bool lifting) const {
    const int stored = StoredPileY(ref);
    if (IsOffTable(stored)) return stored;
    const Pile& pile = game.piles.Get(ref);
    const Walk w = MakeWalk(pile, excluded, lifting);
    const int style = FanStyleOf(ref.kind, game.def);

    // One card lifted off a column that holds nothing else, when that card is not of the
    // column's base rank, is taken from the column's own place.
    if (SpecialOf(game.def) == special::ColumnExchange && lifting && ref.kind == PileKind::Fila &&
        w.count == 1 && CardRank(PileCardAt(pile, 0)) != game.def.At(gd::TableauBase, ref.index)) {
        return PileY(ref);
    }

    int y = PileY(ref);
    if (style == fan::FirstStepped && w.remaining >= 1 &&
        (w.count > 1 || w.excluded > 0 || lifting)) {
        y += faceUpStepY;
    }
    for (int i = 0; i < w.walked; ++i) {
        if (style == fan::Down) {
            y += game.cards.CardIsFaceDown(PileCardAt(pile, i)) ? faceDownStepY : faceUpStepY;
        } else if (style == fan::Stacked && ref.kind == PileKind::Appogg) {
            y += stackStep[1];
        }
    }
    return y;
}

int TMainGame::CardLeftX(const Game& game, const SettingsRecord& settings,
                         std::string_view pileName, int excluded, bool lifting) const {
    const auto ref = ParsePileName(pileName);
    if (!ref) return kOffTable;
    return CardLeftX(game, settings, *ref, excluded, lifting);
}

int TMainGame::CardLeftX(const Game& game, const SettingsRecord& settings, PileRef ref,
                         int excluded, bool lifting) const {
    return CardLeftX(game, ref, excluded, lifting, settings.IsNotNo(field::PilesTT));
}

int TMainGame::CardLeftX(const Game& game, PileRef ref, int excluded, bool lifting,
                         bool untidyColumns) const {
    int x = PileX(ref);
    if (IsOffTable(x)) return x;
    const Pile& pile = game.piles.Get(ref);
    const Walk w = MakeWalk(pile, excluded, lifting);
    const int style = FanStyleOf(ref.kind, game.def);

    for (int i = 0; i < w.walked; ++i) {
        if (style == fan::Right) {
            x += game.cards.CardIsFaceDown(PileCardAt(pile, i)) ? faceDownStepX : faceUpStepX;
        } else if (style == fan::SideBySide) {
            x += cardWidth + spreadGap;
        } else if (style == fan::Diagonal && ref.kind == PileKind::Fila) {
            x += diagonalStep[0];
        }
    }

    if (untidyColumns && style == fan::Down && ref.kind == PileKind::Fila) {
        const int depth = w.excluded == 0 && !lifting ? w.remaining - 1 : w.remaining;
        x += columnJitter.ColumnOffset(ref.index, depth);
    }
    return x;
}

}  // namespace tindle
