#include "solve/SafeMoves.h"

#include <array>
#include <cstdint>
#include <vector>

#include "model/CardPlaces.h"
#include "model/Game.h"
#include "model/Legality.h"
#include "model/RuleCodes.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"

namespace tindle {

namespace {

constexpr int kOneDeck = 52;
// Bits 1..52: the cards of one deck.
constexpr uint64_t kDeckBits = ((uint64_t{1} << kOneDeck) - 1) << 1;

bool PlainRules(const Game& game) {
    const GameDef& def = game.def;
    if (SpecialOf(def) != special::Standard || def[gd::SelectionGame] != 0 ||
        def[gd::ClickPlay] != 0 || def[gd::UsesJokers] != 0 ||
        (def[gd::StockPileCount] > 0 && def[gd::WasteNotDropTarget] != wasteTarget::Never)) {
        return false;
    }
    for (int i = 0; i < UsedReserveCount(game); ++i) {
        const int kind = def.At(gd::ReserveKind, i);
        if (kind != reserveKind::FreeCell && kind != reserveKind::Closed) return false;
    }
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        if (!JudgesByTheTwoCards(def.At(gd::TableauRule, k))) return false;
    }
    return true;
}

void MarkCards(const Pile& pile, std::vector<int>& cards) {
    for (int p = 0; p < PileCount(pile); ++p) {
        const int c = PileCardAt(pile, p);
        if (c >= 1) cards.push_back(c);
    }
}

// The cards not on the foundations.
std::vector<int> CardsInPlay(const Game& game) {
    std::vector<int> cards;
    for (const Pile& pile : game.piles.mazzo)
        MarkCards(pile, cards);
    for (int k = 0; k < UsedColumnCount(game); ++k)
        MarkCards(game.piles.fila[static_cast<size_t>(k)], cards);
    for (int i = 0; i < UsedReserveCount(game); ++i)
        MarkCards(game.piles.appogg[static_cast<size_t>(i)], cards);
    return cards;
}

// The question "may a card go on `card` in column k", the card still to fill in.
PlaceQuery OntoInColumn(const Game& game, int card, int k) {
    const GameDef& def = game.def;
    PlaceQuery q;
    q.topCard = card;
    q.base = def.At(gd::TableauBase, k);
    q.playerMove = true;
    q.destIndex = k;
    q.wrapFlag = def.At(gd::WrapFlag, k) != wrap::None;
    q.ruleCode = def.At(gd::TableauRule, k);
    q.directionType = def.At(gd::TableauDirection, k);
    q.firstBase = def[gd::FoundationBase];
    return q;
}

// Whether any card still in play could be built on `card` in some column.
bool MayCarryACard(const Game& game, int card, const std::vector<int>& inPlay) {
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        PlaceQuery q = OntoInColumn(game, card, k);
        for (const int other : inPlay) {
            if (other == card) continue;
            q.card = other;
            if (CanPlace(game, q)) return true;
        }
    }
    return false;
}

// Whether some column would take `card` on `onto`.
bool BuildsOn(const Game& game, int card, int onto) {
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        PlaceQuery q = OntoInColumn(game, onto, k);
        q.card = card;
        if (CanPlace(game, q)) return true;
    }
    return false;
}

// Whether the cards climb the foundations one way and build down the columns the other, every
// foundation in its suit and no column past its base: a card then only ever builds on a card
// further from home than itself, and only the card that left a foundation goes back onto it.
bool OneWayRanks(const Game& game) {
    const GameDef& def = game.def;
    const int foundationWay = def.At(gd::FoundationDirection, 0);
    if (foundationWay > 1) return false;
    for (int j = 0; j < UsedFoundationCount(game); ++j) {
        if (def.At(gd::FoundationRule, j) != build::SameSuit ||
            def.At(gd::FoundationDirection, j) != foundationWay) {
            return false;
        }
    }
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        if (def.At(gd::TableauDirection, k) != 1 - foundationWay ||
            def.At(gd::WrapFlag, k) != wrap::None) {
            return false;
        }
    }
    return true;
}

bool OnAFoundation(const Game& game, int card) {
    const auto place = FindCard(game, card);
    return place && place->pile.kind == PileKind::Dest;
}

}  // namespace

int SafeFoundationMove(const Game& game, const std::vector<Move>& moves,
                       const OffFoundationRule& offFoundation) {
    std::vector<int> inPlay;
    // Where cards come back off the foundations, one could come down onto the card before it
    // goes home, or the foundation's top card could have to leave first: only the rule that
    // knows which ones may serve tells the card is safe home.
    const bool lifts = game.def[gd::FoundationLift] != 0;
    for (size_t i = 0; i < moves.size(); ++i) {
        if (moves[i].kind != MoveKind::ToFoundation) continue;
        // A card moving between foundations is no card brought home.
        const auto from = FindCard(game, moves[i].card);
        if (!from || from->pile.kind == PileKind::Dest) continue;
        if (inPlay.empty()) {
            if (!PlainRules(game) || (lifts && !offFoundation.Applies())) return -1;
            inPlay = CardsInPlay(game);
        }
        if (MayCarryACard(game, moves[i].card, inPlay)) continue;
        if (lifts) {
            const int top = PileTop(game.piles.dest[static_cast<size_t>(moves[i].index)]);
            if (offFoundation.AnyHolderMayServe(game, moves[i].card) ||
                (top > 0 && offFoundation.MayServe(game, top))) {
                continue;
            }
        }
        return static_cast<int>(i);
    }
    return -1;
}

OffFoundationRule::OffFoundationRule(const Game& game, bool autoplay) {
    applies_ = !autoplay && PlainRules(game) && game.def[gd::DeckCards] == kOneDeck &&
               game.def[gd::UsesJokers] == 0 && OneWayRanks(game);
    if (!applies_) return;
    for (int onto = 1; onto <= kOneDeck; ++onto) {
        for (int card = 1; card <= kOneDeck; ++card) {
            if (card != onto && BuildsOn(game, card, onto)) {
                holders_[static_cast<size_t>(onto)] |= uint64_t{1} << card;
            }
        }
    }
}

bool OffFoundationRule::AnyHolderMayServe(const Game& game, int card) const {
    for (int holder = 1; holder <= kOneDeck; ++holder) {
        if ((holders_[static_cast<size_t>(card)] >> holder & 1) != 0 &&
            OnAFoundation(game, holder) && MayServe(game, holder)) {
            return true;
        }
    }
    return false;
}

bool OffFoundationRule::MayServe(const Game& game, int card) const {
    if (!applies_) return true;
    // Where each card on the foundations lies: its pile and the cards beneath it there.
    uint64_t home = 0;
    std::array<uint64_t, kOneDeck + 1> beneath{};
    for (int j = 0; j < UsedFoundationCount(game); ++j) {
        const Pile& pile = game.piles.dest[static_cast<size_t>(j)];
        uint64_t below = 0;
        for (int p = 0; p < PileCount(pile); ++p) {
            const int c = PileCardAt(pile, p);
            if (c < 1 || c > kOneDeck) continue;
            beneath[static_cast<size_t>(c)] = below;
            below |= uint64_t{1} << c;
        }
        home |= below;
    }
    if ((home >> card & 1) == 0) return true;
    const uint64_t inPlay = kDeckBits & ~home;
    // The foundation cards that could leave in a shortest winning line, as far as `card` needs.
    uint64_t reached = uint64_t{1} << card;
    std::vector<int> todo{card};
    while (!todo.empty()) {
        const size_t c = static_cast<size_t>(todo.back());
        todo.pop_back();
        if ((holders_[c] & inPlay) != 0) return true;
        uint64_t next = (holders_[c] & home) | beneath[c];
        next &= ~reached;
        reached |= next;
        for (int n = 1; n <= kOneDeck; ++n) {
            if (next >> n & 1) todo.push_back(n);
        }
    }
    return false;
}

}  // namespace tindle
