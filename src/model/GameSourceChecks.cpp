#include "model/GameSourceChecks.h"

#include "model/LegalityRules.h"
#include "model/MoveRules.h"
#include "model/SpecialGames.h"

namespace tindle {

namespace {

constexpr int kTwoDecks = 104;
constexpr int kOneDeck = 52;

class Checker {
  public:
    Checker(const GameSource& game, std::vector<std::string>& errors)
        : g_(game), def_(game.def), errors_(errors) {}

    void Run() {
        ColumnLimit();
        Foundations();
        StockTurns();
        GroupSize();
        DeckSize();
        DealTargets();
        DealTotal();
    }

  private:
    void Error(int line, const std::string& message) {
        errors_.push_back(g_.file + ":" + std::to_string(line) + ": " + message);
    }
    int LineOf(gd::Field f) const { return g_.LineOf(f, g_.idLine > 0 ? g_.idLine : 1); }

    // The column limit is read only by a drop onto a column: columns whose building rules take
    // nothing never ask it.
    bool ColumnsTakeCards() const {
        for (int k = 0; k < def_[gd::TableauCount]; ++k) {
            const int rule = def_.At(gd::TableauRule, k);
            if (rule != build::Never && rule != build::NeverAccepts) return true;
        }
        return false;
    }

    // The group size is read only where the player lifts column cards: not in the selection,
    // click-play and pairing games, nor when every column is locked.
    bool ColumnCardsLifted() const {
        return def_[gd::TableauCount] > LockedColumns(def_) && def_[gd::SelectionGame] == 0 &&
               def_[gd::ClickPlay] == 0 && !IsPairingGame(def_);
    }

    void ColumnLimit() {
        if (!ColumnsTakeCards() || def_[gd::ColumnMaxCards] != columnLimit::Closed) return;
        Error(g_.IsSet(gd::ColumnMaxCards) ? LineOf(gd::ColumnMaxCards) : LineOf(gd::TableauCount),
              "ColumnMaxCards must be -1 (no limit) or positive in a game with tableau columns; "
              "0 makes every column refuse every card");
    }

    void Foundations() {
        const int used = def_[gd::FoundationCount];
        if (used <= 0) return;
        // The capacity is needed where a drop rule or a completion count reads it.
        bool capacityRead = false;
        for (int j = 0; j < used; ++j) {
            capacityRead = capacityRead ||
                           legality::FoundationCapacityApplies(def_.At(gd::FoundationRule, j)) ||
                           def_.At(gd::FoundationComplete, j) == complete::AtCapacity;
        }
        if (capacityRead && def_[gd::FoundationCapacity] <= 0) {
            Error(g_.IsSet(gd::FoundationCapacity) ? LineOf(gd::FoundationCapacity)
                                                   : LineOf(gd::FoundationCount),
                  "FoundationCapacity must be set to the most cards a foundation takes (the game "
                  "uses " +
                      std::to_string(used) + " foundations)");
        }
        for (int j = 0; j < used; ++j) {
            const int index = gd::FoundationComplete + j;
            if (!g_.IsSet(index)) {
                Error(LineOf(gd::FoundationCount),
                      "FoundationComplete[" + std::to_string(j) +
                          "] is not set for a used foundation (-1: complete at "
                          "FoundationCapacity)");
            } else if (def_[index] == 0) {
                Error(g_.line[static_cast<size_t>(index)],
                      "FoundationComplete[" + std::to_string(j) +
                          "] must be -1 or a card count, not 0");
            }
        }
    }

    void StockTurns() {
        const bool turns =
            def_[gd::WasteUsed] == 1 || def_[gd::SecondWasteArrangement] != secondWastePlace::None;
        if (!turns || def_[gd::StockTurnCount] >= 1) return;
        Error(g_.IsSet(gd::StockTurnCount) ? LineOf(gd::StockTurnCount)
              : g_.IsSet(gd::WasteUsed)    ? LineOf(gd::WasteUsed)
                                           : LineOf(gd::SecondWasteArrangement),
              "StockTurnCount must be at least 1 when stock clicks turn cards");
    }

    void GroupSize() {
        if (!ColumnCardsLifted() || def_[gd::GroupSizeRule] != groupSize::NoRule) return;
        Error(g_.IsSet(gd::GroupSizeRule) ? LineOf(gd::GroupSizeRule) : LineOf(gd::TableauCount),
              "GroupSizeRule must not be 0 in a game whose tableau cards are lifted (-1: any run, "
              "1: single cards)");
    }

    void DeckSize() {
        const int cards = def_[gd::DeckCards];
        if ((cards >= 1 && cards <= kOneDeck) || cards == kTwoDecks) return;
        Error(LineOf(gd::DeckCards), "DeckCards must be 1..52 (one deck) or 104 (two decks), not " +
                                         std::to_string(cards));
    }

    void DealTargets() {
        for (int k = def_[gd::TableauCount]; k < 28; ++k) {
            if (def_.At(gd::TableauDealCount, k) == dealCount::NoCard) continue;
            Error(g_.line[static_cast<size_t>(gd::TableauDealCount + k)],
                  "TableauDealCount[" + std::to_string(k) +
                      "] deals to a column the game does not use (TableauCount is " +
                      std::to_string(def_[gd::TableauCount]) + ")");
        }
        for (int i = def_[gd::ReserveCount]; i < 10; ++i) {
            if (def_.At(gd::ReserveDealCount, i) == 0) continue;
            Error(g_.line[static_cast<size_t>(gd::ReserveDealCount + i)],
                  "ReserveDealCount[" + std::to_string(i) +
                      "] deals to a reserve the game does not use (ReserveCount is " +
                      std::to_string(def_[gd::ReserveCount]) + ")");
        }
    }

    void DealTotal() {
        if (def_[gd::DealArrangement] != arrangement::None) return;
        int placed =
            def_[gd::StockDealCount] + def_[gd::WasteDealCount] + def_[gd::SecondWasteDealCount];
        for (int k = 0; k < def_[gd::TableauCount]; ++k) {
            const int n = def_.At(gd::TableauDealCount, k);
            placed += n >= dealCount::SingleOfRank ? 1 : n;
        }
        for (int i = 0; i < def_[gd::ReserveCount]; ++i)
            placed += def_.At(gd::ReserveDealCount, i);
        for (int j = 0; j < def_[gd::FoundationCount]; ++j) {
            const int code = def_.At(gd::FoundationStartCard, j);
            if (code != foundationStart::Empty && code != foundationStart::BaseOfFirst &&
                code != foundationStart::AcesFromTableau) {
                ++placed;
            }
        }
        if (def_[gd::SecondWasteStartCard] != secondWasteStart::None) ++placed;
        switch (def_[gd::FoundationBaseSet]) {
            case baseSet::FromOneCard:
            case baseSet::TwoGroups:
                ++placed;
                break;
            case baseSet::FromCardPerFoundation:
                placed += def_[gd::FoundationCount];
                break;
            default:
                break;
        }
        if (def_[gd::FoundationExtraCard] == 1) ++placed;
        const int deck =
            def_[gd::DeckCards] + (def_[gd::UsesJokers] == 1 ? def_[gd::JokerCount] : 0);
        if (placed == deck) return;
        Error(LineOf(gd::DeckCards), "the deal places " + std::to_string(placed) +
                                         " cards but the deck holds " + std::to_string(deck));
    }

    const GameSource& g_;
    const GameDef& def_;
    std::vector<std::string>& errors_;
};

}  // namespace

void CheckGameSource(const GameSource& game, std::vector<std::string>& errors) {
    Checker(game, errors).Run();
}

}  // namespace tindle
