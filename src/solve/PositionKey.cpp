#include "solve/PositionKey.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "model/Game.h"
#include "model/Pile.h"
#include "model/RuleCodes.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"

namespace tindle {

namespace {

// The per-pile fields of the game definition, by the size of their array: 16 per foundation,
// 28 per column, 10 per reserve.
struct PileField {
    gd::Field field;
    int count;
};

constexpr PileField kPileFields[] = {
#define GAMEDEF_FIELD(name, index, count, lo, hi) {gd::name, count},
#include "model/GameDefFields.def"
#undef GAMEDEF_FIELD
};

// Fields read by the deal alone: two columns dealt different numbers of cards play alike.
bool DealOnly(gd::Field f) {
    return f == gd::TableauDealCount || f == gd::TableauFaceMode || f == gd::ReserveDealCount ||
           f == gd::ReserveFaceMode;
}

// Whether the `used` piles whose per-pile arrays hold `count` fields all have the same rules.
bool SameRules(const GameDef& def, int count, int used) {
    for (const PileField& pf : kPileFields) {
        if (pf.count != count || DealOnly(pf.field)) continue;
        for (int j = 1; j < used; ++j) {
            if (def.At(pf.field, j) != def.At(pf.field, 0)) return false;
        }
    }
    return true;
}

bool AnyDealCode(const GameDef& def, gd::Field field, int used) {
    for (int j = 0; j < used; ++j) {
        if (def.At(field, j) != dealCode::NoDeal) return true;
    }
    return false;
}

bool UsesRule(const GameDef& def, gd::Field field, int used, int code) {
    for (int j = 0; j < used; ++j) {
        if (def.At(field, j) == code) return true;
    }
    return false;
}

// splitmix64's finaliser: a good mix of one 64-bit word.
constexpr uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

// One random word per card (with its face) and place in a pile, as Zobrist hashing has it.
constexpr int kCardCodes = 2 * (CardTable::kCards + 1);
constexpr int kPlaces = 128;

struct ZobristTable {
    std::array<uint64_t, kCardCodes * kPlaces> words{};
    ZobristTable() {
        uint64_t state = 0x7469'6e64'6c65'0019ull;
        for (uint64_t& w : words) {
            state += 0x9e3779b97f4a7c15ull;
            w = Mix(state);
        }
    }
};

const ZobristTable& Zobrist() {
    static const ZobristTable table;
    return table;
}

uint64_t PileHash(const Game& game, const Pile& pile) {
    const ZobristTable& z = Zobrist();
    uint64_t h = 0;
    const int n = PileCount(pile);
    for (int p = 0; p < n; ++p) {
        const int card = PileCardAt(pile, p);
        const int code = 2 * card + (game.cards.CardIsFaceDown(card) ? 1 : 0);
        // A longer pile than the table holds reuses its places: only the spread of keys suffers.
        h ^= z.words[static_cast<size_t>(code * kPlaces + p % kPlaces)];
    }
    return h;
}

// The piles of one kind: as a set when they are alike, else each at its own place.
template <size_t N>
uint64_t KindHash(const Game& game, const std::array<Pile, N>& piles, int used, bool alike,
                  uint64_t salt) {
    uint64_t h = 0;
    for (int j = 0; j < used; ++j) {
        const uint64_t pile = PileHash(game, piles[static_cast<size_t>(j)]);
        h += alike ? Mix(pile ^ salt) : Mix(pile ^ (salt + static_cast<uint64_t>(j + 1)));
    }
    return Mix(h ^ salt);
}

// The order in which the cards of the stock and the waste come to the waste top (the stock
// from its top down, then the waste from its bottom up), from its lowest card on, so that
// turning the cycle leaves it alone.
uint64_t CycleHash(const Pile& stock, const Pile& waste) {
    // Asked for every position: the cycle is read into a buffer on the stack.
    std::array<int, 2 * CardTable::kCards> cycle;
    size_t n = 0;
    for (int p = PileCount(stock) - 1; p >= 0 && n < cycle.size(); --p)
        cycle[n++] = PileCardAt(stock, p);
    for (int p = 0; p < PileCount(waste) && n < cycle.size(); ++p)
        cycle[n++] = PileCardAt(waste, p);
    if (n == 0) return 0;
    const size_t first =
        static_cast<size_t>(std::min_element(cycle.begin(), cycle.begin() + n) - cycle.begin());
    uint64_t h = 0x5354'4f43'4b00ull;
    for (size_t i = first; i < n; ++i)
        h = Mix(h + static_cast<uint64_t>(cycle[i]));
    for (size_t i = 0; i < first; ++i)
        h = Mix(h + static_cast<uint64_t>(cycle[i]));
    return h;
}

// The marks entries other than the empty ones (",") every plain move leaves.
uint64_t MarkersHash(std::string_view marks) {
    uint64_t h = 0;
    for (const char ch : marks) {
        if (ch != ',') h = Mix(h + static_cast<unsigned char>(ch));
    }
    return h;
}

}  // namespace

PositionKeys::PositionKeys(const Game& game, bool autoplay) {
    const GameDef& def = game.def;
    const int columns = UsedColumnCount(game);
    const int reserves = UsedReserveCount(game);
    const bool plain = SpecialOf(def) == special::Standard && def[gd::SelectionGame] == 0;
    // Any card a stock click sends to the piles in their order tells them apart; so do the
    // click-play games (a click takes the first column that accepts), the grid games (cells
    // by their neighbours) and the leading columns a fill skips.
    stockDealsToPiles_ = AnyDealCode(def, gd::TableauDealCode, columns) ||
                         AnyDealCode(def, gd::ReserveDealCode, reserves);
    const int style = def[gd::TableauFanStyle];
    const bool grid = style == fan::Grid || style == fan::GridNoDrops;
    columnsAlike_ = plain && !stockDealsToPiles_ && !grid && def[gd::ClickPlay] == 0 &&
                    def[gd::FillSkipGroups] == 0 && SameRules(def, kFilaPiles, columns);
    reservesAlike_ = plain && !stockDealsToPiles_ && SameRules(def, kAppoggPiles, reserves);
    foundationsAlike_ = plain && SameRules(def, kDestPiles, UsedFoundationCount(game));
    stockCycles_ = plain && !autoplay && !stockDealsToPiles_ && def[gd::WasteUsed] == 1 &&
                   def[gd::StockTurnCount] == 1 && def[gd::StockPasses] == passes::Unlimited &&
                   def[gd::RedealMode] == redeal::None && def[gd::TurnOnlyWhenWasteEmpty] == 0 &&
                   def[gd::WasteLocked] == 0;
    // Counters that grow with every stock turn are left out unless a rule reads them, or no
    // position of an unlimited stock would ever be met twice.
    passesCount_ = def[gd::StockPasses] != passes::Unlimited;
    dealCounterCounts_ = !plain || AnyDealCode(def, gd::ReserveDealCode, reserves);
    runningCounterCounts_ =
        UsesRule(def, gd::TableauRule, columns, build::RunningCounter) ||
        UsesRule(def, gd::FoundationRule, UsedFoundationCount(game), build::RunningCounter);
}

uint64_t PositionKeys::Key(const Game& game) const {
    uint64_t h = 0;
    for (size_t i = 0; i < game.piles.mazzo.size(); ++i) {
        if (stockCycles_ && i < 2) continue;
        h ^= Mix(PileHash(game, game.piles.mazzo[i]) + i + 1);
    }
    if (stockCycles_) h ^= Mix(CycleHash(game.piles.Stock(), game.piles.Waste()));
    h += KindHash(game, game.piles.dest, UsedFoundationCount(game), foundationsAlike_, 0x100);
    h += KindHash(game, game.piles.fila, UsedColumnCount(game), columnsAlike_, 0x200);
    h += KindHash(game, game.piles.appogg, UsedReserveCount(game), reservesAlike_, 0x300);
    const GameCounters& c = game.counters;
    if (passesCount_) h = Mix(h ^ static_cast<uint64_t>(c.passCounter));
    if (dealCounterCounts_) h = Mix(h + static_cast<uint64_t>(c.dealCounter) * 31);
    if (runningCounterCounts_) h = Mix(h + static_cast<uint64_t>(c.runningCounter % 13) * 37);
    // The markers of the history that rules read (a grid drop ends the fill of some games).
    h = Mix(h + MarkersHash(game.undo.marks));
    h = Mix(h + (game.flags.gameInProgress ? 1 : 0));
    return h;
}

bool KeySet::Insert(uint64_t key) {
    if (key == 0) {
        const bool added = !hasZero_;
        hasZero_ = true;
        size_ += added ? 1 : 0;
        return added;
    }
    // At most half full, so that a probe ends soon.
    if (2 * (size_ + 1) > slots_.size()) Grow();
    uint64_t& slot = slots_[SlotOf(key)];
    if (slot == key) return false;
    slot = key;
    ++size_;
    return true;
}

bool KeySet::Contains(uint64_t key) const {
    if (key == 0) return hasZero_;
    return !slots_.empty() && slots_[SlotOf(key)] == key;
}

size_t KeySet::SlotOf(uint64_t key) const {
    const size_t mask = slots_.size() - 1;
    size_t i = static_cast<size_t>(key) & mask;
    while (slots_[i] != key && slots_[i] != 0)
        i = (i + 1) & mask;
    return i;
}

void KeySet::Grow() {
    std::vector<uint64_t> old = std::move(slots_);
    slots_.assign(old.empty() ? size_t{1} << 16 : old.size() * 2, 0);
    for (const uint64_t key : old) {
        if (key != 0) slots_[SlotOf(key)] = key;
    }
}

}  // namespace tindle
