#pragma once

#include <array>
#include <span>

#include "model/Deal.h"
#include "model/DeckOrder.h"
#include "model/Game.h"

// Internal to the deal (Deal*.cpp): the list of cards still to be dealt and the steps that
// live in their own files.

namespace tindle::deal {

// The entries of the deal order that are not dealt yet, in order. 0 stands for a free entry
// ("000"), dealt like a card.
class DealList {
  public:
    explicit DealList(const DeckOrder& order);
    // Any list of entries (at most DeckOrder::kCapacity are kept).
    explicit DealList(std::span<const int> entries);

    int Size() const { return end_ - begin_; }
    bool Empty() const { return end_ == begin_; }
    int At(int i) const { return entries_[static_cast<size_t>(begin_ + i)]; }

    int TakeFront() { return entries_[static_cast<size_t>(begin_++)]; }
    int TakeAt(int i);
    // Index of the first entry with this card number, or -1.
    int Find(int card) const;
    template <class Pred>
    int FindIf(Pred pred) const {
        for (int i = 0; i < Size(); ++i) {
            if (pred(At(i))) return i;
        }
        return -1;
    }
    // Keeps only the entries for which keep(card) holds, in their order.
    template <class Pred>
    void KeepIf(Pred keep) {
        int out = begin_;
        for (int i = begin_; i < end_; ++i) {
            int card = entries_[static_cast<size_t>(i)];
            if (keep(card)) entries_[static_cast<size_t>(out++)] = card;
        }
        end_ = out;
    }

  private:
    std::array<int, DeckOrder::kCapacity> entries_{};
    int begin_ = 0;
    int end_ = 0;
};

struct DealState {
    Game& game;
    DealList& list;
    DealReport& report;
    const DealContext& context;
};

// Piles of each kind that the game uses, kept inside the pile lists.
int UsedColumns(const GameDef& def);
int UsedFoundations(const GameDef& def);

// Deals up to `count` cards from the front of the list onto the pile, each with `flag`
// (kKeepFace: no flag); cards the list does not hold count as shortfall.
void DealCards(DealState& st, Pile& pile, int count, char flag);

// Deck reduction of the arrangement code, before anything is dealt.
void ReduceDeck(DealState& st);
// The arrangement code's own step at the end of the deal.
void ArrangeDeal(DealState& st);
// Cards of the tableau offered to the foundations, as the first foundation's starting code
// and DealScanByColumn decide.
void AutomaticFoundationMoves(Game& game);
// Starting code 96: the Aces of the tableau go to the foundations and their columns get a
// replacement from the stock (or the waste).
void MoveTableauAces(Game& game);
// special::ReserveAces: the Aces of reserve 1 start foundations 2, 3, ..; the waste gives Aces to
// foundation 1 and replacements to reserve 1.
void ReserveAcesToFoundations(Game& game);

}  // namespace tindle::deal
