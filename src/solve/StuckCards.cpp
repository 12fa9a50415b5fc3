#include "solve/StuckCards.h"

#include <algorithm>
#include <bit>

#include "model/Game.h"
#include "model/Legality.h"
#include "model/MoveRules.h"
#include "model/RuleCodes.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"

namespace tindle {

namespace {

// Whether the rules are all of the kind StuckCards.h knows.
bool RulesKnown(const Game& game, int deck) {
    const GameDef& def = game.def;
    if (SpecialOf(def) != special::Standard || def[gd::SelectionGame] != 0 ||
        def[gd::ClickPlay] != 0 || def[gd::UsesJokers] != 0 || def[gd::DeckCards] != deck ||
        def[gd::StockRestriction] != stockRestriction::None ||
        def[gd::WasteAcceptsDrops] != wasteDrops::None) {
        return false;
    }
    for (int i = 0; i < UsedReserveCount(game); ++i) {
        if (def.At(gd::ReserveKind, i) != reserveKind::Closed) return false;
    }
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        if (!JudgesByTheTwoCards(def.At(gd::TableauRule, k))) return false;
    }
    for (int j = 0; j < UsedFoundationCount(game); ++j) {
        if (!FoundationDropByTheTwoCards(game, j)) return false;
    }
    return true;
}

// Whether what the empty pile with this base takes depends on the card alone: a rank, any
// card, or nothing (the others read the foundations, or where the card comes from).
bool BaseReadsTheCardAlone(int value) {
    switch (value) {
        case base::AnyCard:
        case base::NoCard:
        case base::AceMark:
        case base::KingMark:
        case base::ClosedR:
        case base::ClosedS:
        case base::LayoutCompare:
        case base::Blank:
            return true;
        default:
            return value >= base::Rank && value <= base::RankLast;
    }
}

using CardBits = StuckCards::CardBits;
constexpr int kDeck = StuckCards::kDeck;
constexpr CardBits kEveryCard = ((CardBits{1} << kDeck) - 1) << 1;

// Whether the rule of column or foundation `i` takes `card` onto `top` (0: the pile empty). The
// rules known here judge by the two cards and the pile's own fields: the answer is the same
// whoever moves the card, the player or autoplay.
bool PileTakes(const Game& game, PileKind kind, int i, int top, int card) {
    return kind == PileKind::Fila ? CanPlaceOnColumnTop(game, i, top, card, true)
                                  : CanPlaceOnFoundationTop(game, i, top, card, true);
}

// What the first `piles` columns or foundations take: the cards an empty one may take into
// `free` (every card where its base reads more than the card), and each card's tops into
// `targets`.
void AskPiles(const Game& game, PileKind kind, int piles, CardBits& free,
              StuckCards::ByCard& targets) {
    const bool columns = kind == PileKind::Fila;
    for (int i = 0; i < piles; ++i) {
        const bool byCard =
            BaseReadsTheCardAlone(game.def.At(columns ? gd::TableauBase : gd::FoundationBase, i));
        for (int card = 1; card <= kDeck; ++card) {
            if (!byCard || PileTakes(game, kind, i, 0, card)) free |= CardBits{1} << card;
            for (int top = 1; top <= kDeck; ++top) {
                if (top != card && PileTakes(game, kind, i, top, card))
                    targets[static_cast<size_t>(card)] |= CardBits{1} << top;
            }
        }
    }
}

}  // namespace

StuckCards::StuckCards(const Game& game, bool stockOnlyTurns, bool columnsAlike) {
    if (!RulesKnown(game, kDeck)) return;
    applies_ = true;
    stockOnlyTurns_ = stockOnlyTurns && game.def[gd::WasteUsed] == 1;
    foundationsKeep_ = game.def[gd::FoundationLift] == foundationLift::Never;
    // Columns of the same rules answer alike: the first one answers for all.
    const int columns = UsedColumnCount(game);
    AskPiles(game, PileKind::Fila, columnsAlike ? std::min(columns, 1) : columns, free_,
             columnTargets_);
    AskPiles(game, PileKind::Dest, UsedFoundationCount(game), homeFree_, homeTargets_);
    homeFree_ &= kEveryCard;
    free_ = (free_ | homeFree_) & kEveryCard;
}

StuckCards::CardBits StuckCards::NeverHomeTops(CardBits never, CardBits home) const {
    const CardBits away = kEveryCard & ~home & ~homeFree_;
    // Cards are numbered suit by suit, rank upwards: a pass mostly follows a suit's chain.
    for (bool grew = true; grew;) {
        grew = false;
        for (CardBits rest = away & ~never; rest != 0; rest &= rest - 1) {
            const auto card = static_cast<size_t>(std::countr_zero(rest));
            if ((homeTargets_[card] & ~never) == 0) {
                never |= CardBits{1} << card;
                grew = true;
            }
        }
    }
    return never;
}

bool StuckCards::AnyStuck(const Game& game) const {
    if (!applies_) return false;
    // The cards that may belong to the set (StuckCards.h), pile by pile, bottom first, each with
    // the cards beneath it in its pile.
    std::array<int, kDeck> cards{};
    std::array<CardBits, kDeck> beneath{};
    std::array<int, kFilaPiles + kDestPiles + 1> pileEnds{};
    int n = 0;
    int piles = 0;
    CardBits inColumns = 0;
    CardBits onFoundations = 0;
    CardBits inStock = 0;
    // Reads the pile from its bottom while `goOn` says the cards above the one read may belong
    // too; a card outside the deck (a gap) ends it. A card an empty pile takes belongs only
    // where it never leaves its pile (`kept`).
    auto read = [&](const Pile& pile, CardBits& kind, bool kept, auto goOn) {
        CardBits below = 0;
        for (int p = 0; p < PileCount(pile) && n < kDeck; ++p) {
            const int card = PileCardAt(pile, p);
            if (card < 1 || card > kDeck) break;
            const bool last = !goOn(card);
            if ((free_ >> card & 1) == 0 || kept) {
                cards[static_cast<size_t>(n)] = card;
                beneath[static_cast<size_t>(n)] = below;
                kind |= CardBits{1} << card;
                ++n;
            }
            below |= CardBits{1} << card;
            if (last) break;
        }
        pileEnds[static_cast<size_t>(piles++)] = n;
    };
    // In a column, the cards up to its lowest face-up card: each has only face-down cards
    // beneath it.
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        read(game.piles.fila[static_cast<size_t>(k)], inColumns, false,
             [&](int card) { return game.cards.CardIsFaceDown(card); });
    }
    for (int j = 0; j < UsedFoundationCount(game); ++j)
        read(game.piles.dest[static_cast<size_t>(j)], onFoundations, foundationsKeep_,
             [](int) { return true; });
    if (stockOnlyTurns_) {
        // The stock's and the waste's cards have no order that matters here: none of them
        // lies beneath another for good.
        for (const Pile* pile : {&game.piles.Stock(), &game.piles.Waste()}) {
            for (int p = 0; p < PileCount(*pile); ++p) {
                const int card = PileCardAt(*pile, p);
                if (card >= 1 && card <= kDeck && (free_ >> card & 1) == 0) {
                    inStock |= CardBits{1} << card;
                }
            }
        }
    }
    CardBits home = 0;  // every card on a foundation
    for (int j = 0; j < UsedFoundationCount(game); ++j) {
        const Pile& pile = game.piles.dest[static_cast<size_t>(j)];
        for (int p = 0; p < PileCount(pile); ++p) {
            const int card = PileCardAt(pile, p);
            if (card >= 1 && card <= kDeck) home |= CardBits{1} << card;
        }
    }
    const CardBits leaveToWin = inColumns | inStock;
    CardBits set = inColumns | onFoundations | inStock;
    while ((set & leaveToWin) != 0) {
        // The cards beneath a card of the set, which never come up.
        CardBits buried = 0;
        int start = 0;
        for (int m = 0; m < piles; ++m) {
            for (int i = pileEnds[static_cast<size_t>(m)] - 1; i >= start; --i) {
                if (set >> cards[static_cast<size_t>(i)] & 1) {
                    buried |= beneath[static_cast<size_t>(i)];
                    break;
                }
            }
            start = pileEnds[static_cast<size_t>(m)];
        }
        const CardBits neverHomeTop = NeverHomeTops(buried | (set & leaveToWin), home);
        const CardBits neverColumnTop = buried | (set & (onFoundations | inStock));
        CardBits kept = foundationsKeep_ ? set & onFoundations : 0;
        for (CardBits rest = set & ~kept; rest != 0; rest &= rest - 1) {
            const auto card = static_cast<size_t>(std::countr_zero(rest));
            if ((homeTargets_[card] & ~neverHomeTop) == 0 &&
                (columnTargets_[card] & ~neverColumnTop) == 0) {
                kept |= CardBits{1} << card;
            }
        }
        if (kept == set) return true;
        set = kept;
    }
    return false;
}

}  // namespace tindle
