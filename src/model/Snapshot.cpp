#include "model/Snapshot.h"

#include "model/CardTable.h"
#include "model/Game.h"
#include "model/SpecialGames.h"

namespace tindle {

namespace {

constexpr int kFirstDestLine = kMazzoPiles;
constexpr int kFirstFilaLine = kFirstDestLine + kDestPiles;
constexpr int kFirstAppoggLine = kFirstFilaLine + kFilaPiles;

}  // namespace

PileRef SnapshotPile(int line) {
    if (line < kFirstDestLine) {
        constexpr PileKind kStockKinds[] = {PileKind::Mazzo, PileKind::MazzoVis,
                                            PileKind::MazzoWaste};
        return {kStockKinds[line], 0};
    }
    if (line < kFirstFilaLine) return {PileKind::Dest, line - kFirstDestLine};
    if (line < kFirstAppoggLine) return {PileKind::Fila, line - kFirstFilaLine};
    return {PileKind::Appogg, line - kFirstAppoggLine};
}

void WriteSnapshotLine(const CardTable& cards, std::string_view pile, std::string& line) {
    const int n = PileCount(pile);
    line.resize(static_cast<size_t>(n) * kSnapshotCardChars);
    for (int i = 0; i < n; ++i) {
        const size_t from = static_cast<size_t>(i) * kCardChars;
        const size_t to = static_cast<size_t>(i) * kSnapshotCardChars;
        line.replace(to, kCardChars, pile.substr(from, kCardChars));
        const int card = PileCardAt(pile, i);
        line[to + kCardChars] =
            card == 0 ? '0' : (cards.CardIsFaceDown(card) ? kFaceDown : kFaceUp);
    }
}

bool FoundationOneExcluded(const GameDef& def) {
    // The pairing games that remove cards keep their selection there (MarkOnly keeps none).
    const int special = SpecialOf(def);
    return def[gd::SelectionGame] != 0 || special == special::PairsOf14 ||
           special == special::Pyramid;
}

void TakeSnapshot(const Game& game, Snapshot& snapshot) {
    for (int line = 0; line < kSnapshotLines; ++line) {
        WriteSnapshotLine(game.cards, game.piles.Get(SnapshotPile(line)),
                          snapshot[static_cast<size_t>(line)]);
    }
    if (FoundationOneExcluded(game.def)) snapshot[kFirstDestLine].clear();
}

void RestoreSnapshot(Game& game, const Snapshot& snapshot) {
    const bool keepFoundationOne = FoundationOneExcluded(game.def);
    for (int line = 0; line < kSnapshotLines; ++line) {
        if (line == kFirstDestLine && keepFoundationOne) continue;
        const std::string& text = snapshot[static_cast<size_t>(line)];
        Pile& pile = game.piles.Get(SnapshotPile(line));
        pile.clear();
        for (size_t at = 0; at + kSnapshotCardChars <= text.size(); at += kSnapshotCardChars) {
            pile.append(text, at, kCardChars);
            const int card = PileTop(pile);
            if (card != 0) game.cards.SetCardFace(card, text[at + kCardChars]);
        }
    }
}

}  // namespace tindle
