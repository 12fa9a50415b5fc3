#include "table/layout/TMainGame.h"

#include "model/GameDef.h"
#include "model/RuleCodes.h"

namespace tindle {

TMainGame::TMainGame() {
    ResetPositions();
}

void TMainGame::ResetPositions() {
    mazzoX_.fill(kOffTableStock);
    mazzoY_.fill(kOffTableStock);
    destX_.fill(kOffTableDest);
    destY_.fill(kOffTableDest);
    filaX_.fill(kOffTableFila);
    filaY_.fill(kOffTableFila);
    appoggX_.fill(kOffTableAppogg);
    appoggY_.fill(kOffTableAppogg);
}

int TMainGame::PileX(PileRef ref) const {
    switch (ref.kind) {
        case PileKind::Mazzo:
            return MazzoX(0);
        case PileKind::MazzoVis:
            return MazzoX(1);
        case PileKind::MazzoWaste:
            return MazzoX(2);
        case PileKind::Dest:
            return DestX(ref.index);
        case PileKind::Fila:
            return FilaX(ref.index);
        case PileKind::Appogg:
            return AppoggX(ref.index);
    }
    return kOffTable;
}

int TMainGame::StoredPileY(PileRef ref) const {
    switch (ref.kind) {
        case PileKind::Mazzo:
            return Read(mazzoY_, 0);
        case PileKind::MazzoVis:
            return Read(mazzoY_, 1);
        case PileKind::MazzoWaste:
            return Read(mazzoY_, 2);
        case PileKind::Dest:
            return Read(destY_, ref.index);
        case PileKind::Fila:
            return Read(filaY_, ref.index);
        case PileKind::Appogg:
            return Read(appoggY_, ref.index);
    }
    return kOffTable;
}

bool TMainGame::OnTable(PileRef ref) const {
    return !IsOffTable(PileX(ref)) && !IsOffTable(StoredPileY(ref));
}

void TMainGame::SetPilePosition(PileRef ref, int x, int y) {
    switch (ref.kind) {
        case PileKind::Mazzo:
        case PileKind::MazzoVis:
        case PileKind::MazzoWaste: {
            const int pile = ref.kind == PileKind::Mazzo      ? 0
                             : ref.kind == PileKind::MazzoVis ? 1
                                                              : 2;
            SetMazzoX(pile, x);
            SetMazzoY(pile, y);
            return;
        }
        case PileKind::Dest:
            SetDestX(ref.index, x);
            SetDestY(ref.index, y);
            return;
        case PileKind::Fila:
            SetFilaX(ref.index, x);
            SetFilaY(ref.index, y);
            return;
        case PileKind::Appogg:
            SetAppoggX(ref.index, x);
            SetAppoggY(ref.index, y);
            return;
    }
}

void TMainGame::SetFanSteps(char cardSizeLetter, const GameDef& def) {
    if (cardSizeLetter == 'B' || cardSizeLetter == 'M' || cardSizeLetter == 'L') {
        fanStepLetter_ = cardSizeLetter;
    }
    struct Steps {
        int faceUpY, faceDownY, faceUpX, faceDownX, diagonal;
    };
    Steps s{18, 4, 12, 4, 7};
    if (fanStepLetter_ == 'M') s = {14, 4, 10, 4, 5};
    if (fanStepLetter_ == 'L') s = {3, 3, 3, 3, 3};

    const int tableau = def[gd::TableauFanStyle];
    const int reserve = def[gd::ReserveFanStyle];
    const bool downwards =
        tableau == fan::Down || tableau == fan::FirstStepped || reserve == fan::Down;
    const bool rightwards = tableau == fan::Right || reserve == fan::Right;
    faceUpStepY = static_cast<int16_t>(downwards ? s.faceUpY : 0);
    faceDownStepY = static_cast<int16_t>(downwards ? s.faceDownY : 0);
    faceUpStepX = static_cast<int16_t>(rightwards ? s.faceUpX : 0);
    faceDownStepX = static_cast<int16_t>(rightwards ? s.faceDownX : 0);
    const int16_t diagonal = static_cast<int16_t>(tableau == fan::Diagonal ? s.diagonal : 0);
    diagonalStep = {diagonal, diagonal};
    spreadGap = 6;
    stackStep = {3, 3};
}

int FanStyleOf(PileKind kind, const GameDef& def) {
    switch (kind) {
        case PileKind::Fila:
            return def[gd::TableauFanStyle];
        case PileKind::Dest:
            return def[gd::FoundationFanStyle];
        case PileKind::Appogg:
            return def[gd::ReserveFanStyle];
        default:
            return 0;
    }
}

}  // namespace tindle
