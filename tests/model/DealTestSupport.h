#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "model/Card.h"
#include "model/CardTable.h"
#include "model/Deal.h"
#include "model/DeckOrder.h"
#include "model/Game.h"
#include "model/GameNumber.h"
#include "model/Ports.h"

// Definitions built in the tests and small helpers to look at a deal.

namespace tindle::test {

class RecordingMessages : public MessagePort {
  public:
    std::vector<std::string> shown;
    void Information(std::string_view text) override { shown.emplace_back(text); }
    bool Confirm(std::string_view text) override {
        shown.emplace_back(text);
        return true;
    }
    void Beep() override {}
    void FatalError(std::string_view text) override { shown.emplace_back(text); }
};

inline GameNumber Number(const std::string& text) {
    return *ParseGameNumber(text);
}

// Four ascending same-suit foundations from the Ace, as most games have them.
inline void AscendingFoundations(GameDef& def, int count) {
    def[gd::FoundationCount] = static_cast<int16_t>(count);
    for (int j = 0; j < count; ++j) {
        def.At(gd::FoundationBase, j) = 1;
        def.At(gd::FoundationDirection, j) = 1;
        def.At(gd::FoundationRule, j) = 0;
    }
}

// Seven columns of 1..7 cards, the top one face up, the rest in a face-down stock.
inline GameDef KlondikeLike() {
    GameDef def;
    def[gd::DeckCards] = 52;
    AscendingFoundations(def, 4);
    def[gd::TableauCount] = 7;
    for (int k = 0; k < 7; ++k) {
        def.At(gd::TableauDealCount, k) = static_cast<int16_t>(k + 1);
        def.At(gd::TableauFaceMode, k) = 1;
        def.At(gd::TableauBase, k) = 13;
        def.At(gd::TableauRule, k) = 3;
    }
    def[gd::StockDealCount] = 24;
    def[gd::StockFaceDown] = 1;
    def[gd::StockUsed] = 1;
    def[gd::WasteUsed] = 1;
    return def;
}

// Eight face-up columns of 7, 7, 7, 7, 6, 6, 6, 6 cards and four free cells.
inline GameDef FreeCellLike() {
    GameDef def;
    def[gd::DeckCards] = 52;
    AscendingFoundations(def, 4);
    def[gd::TableauCount] = 8;
    def[gd::ReserveCount] = 4;
    for (int k = 0; k < 8; ++k) {
        def.At(gd::TableauDealCount, k) = static_cast<int16_t>(k < 4 ? 7 : 6);
        def.At(gd::TableauFaceMode, k) = 52;
        def.At(gd::TableauBase, k) = -1;
        def.At(gd::TableauRule, k) = 3;
    }
    return def;
}

inline Game GameWith(const GameDef& def) {
    Game game;
    game.def = def;
    game.savedDealFields.Take(def);
    return game;
}

// A deal of the game's own definition (restored first, as the new-game flow does).
inline DealReport Deal(Game& game, const std::string& number, MessagePort* messages = nullptr,
                       const std::string& name = "Test game") {
    game.savedDealFields.RestoreInto(game.def);
    DealContext context;
    context.messages = messages;
    context.gameName = name;
    return DealGame(game, Number(number), context);
}

inline std::vector<int> PileCards(const Pile& pile) {
    std::vector<int> cards;
    for (int i = 0; i < PileCount(pile); ++i)
        cards.push_back(PileCardAt(pile, i));
    return cards;
}

// Every card on the table (gaps left out), sorted.
inline std::vector<int> CardsOnTable(const Piles& piles) {
    std::vector<int> cards;
    auto add = [&](const Pile& p) {
        for (int c : PileCards(p)) {
            if (c != 0) cards.push_back(c);
        }
    };
    for (const auto& p : piles.mazzo)
        add(p);
    for (const auto& p : piles.dest)
        add(p);
    for (const auto& p : piles.fila)
        add(p);
    for (const auto& p : piles.appogg)
        add(p);
    std::sort(cards.begin(), cards.end());
    return cards;
}

// The deal order of a number, entry by entry.
inline std::vector<int> OrderOf(const GameDef& def, const std::string& number) {
    DeckOrder order = fnGameNumberCardsArray(def, Number(number), nullptr);
    std::vector<int> v;
    for (int i = 0; i < order.Size(); ++i)
        v.push_back(order.At(i));
    return v;
}

inline std::vector<int> CardRange(int first, int last) {
    std::vector<int> cards;
    for (int c = first; c <= last; ++c)
        cards.push_back(c);
    return cards;
}

// The face flags of a pile's cards, bottom first ('1' up, '0' down).
inline std::string Faces(const CardTable& cards, const Pile& pile) {
    std::string faces;
    for (int c : PileCards(pile))
        faces += cards.CardIsFaceDown(c) ? '0' : '1';
    return faces;
}

}  // namespace tindle::test
