#include <gtest/gtest.h>

#include <algorithm>

#include "DealTestSupport.h"
#include "model/DeckOrder.h"

namespace tindle {
namespace {

using test::CardRange;
using test::CardsOnTable;
using test::Deal;
using test::Faces;
using test::GameWith;
using test::Number;
using test::OrderOf;
using test::PileCards;

TEST(DealLayout, PilesTakeTheOrderFromTheFrontStockWasteColumnsSecondWasteReserves) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::StockDealCount] = 5;
    def[gd::WasteDealCount] = 3;
    def[gd::TableauCount] = 3;
    def.At(gd::TableauDealCount, 0) = 4;
    def.At(gd::TableauDealCount, 2) = 2;  // column 2 gets none: the next one follows
    def[gd::SecondWasteDealCount] = 2;
    def[gd::ReserveCount] = 3;
    def.At(gd::ReserveDealCount, 0) = 3;
    def.At(gd::ReserveDealCount, 2) = 1;
    Game game = GameWith(def);
    EXPECT_TRUE(Deal(game, "3141592653589").Clean());

    std::vector<int> dealt;
    for (const Pile* p : {&game.piles.Stock(), &game.piles.Waste(), &game.piles.fila[0],
                          &game.piles.fila[1], &game.piles.fila[2], &game.piles.SecondWaste(),
                          &game.piles.appogg[0], &game.piles.appogg[1], &game.piles.appogg[2]}) {
        for (int c : PileCards(*p))
            dealt.push_back(c);
    }
    std::vector<int> order = OrderOf(def, "3141592653589");
    ASSERT_EQ(dealt.size(), 20u);
    EXPECT_EQ(dealt, std::vector<int>(order.begin(), order.begin() + 20));
    EXPECT_EQ(PileCount(game.piles.fila[0]), 4);
    EXPECT_TRUE(PileEmpty(game.piles.fila[1]));
}

TEST(DealLayout, FaceModesOfStockColumnsAndReserves) {
    GameDef def = test::KlondikeLike();
    def[gd::ReserveCount] = 3;
    def[gd::StockDealCount] = 24 - 12;
    def.At(gd::ReserveDealCount, 0) = 4;
    def.At(gd::ReserveFaceMode, 0) = -1;
    def.At(gd::ReserveDealCount, 1) = 4;
    def.At(gd::ReserveFaceMode, 1) = -3;
    def.At(gd::ReserveDealCount, 2) = 4;
    def.At(gd::ReserveFaceMode, 2) = -2;
    Game game = GameWith(def);
    Deal(game, "27");
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(Faces(game.cards, game.piles.fila[static_cast<size_t>(k)]),
                  std::string(static_cast<size_t>(k), '0') + "1")
            << k;
    }
    EXPECT_EQ(Faces(game.cards, game.piles.Stock()), std::string(12, '0'));
    EXPECT_EQ(Faces(game.cards, game.piles.appogg[0]), "1010");
    EXPECT_EQ(Faces(game.cards, game.piles.appogg[1]), "1000");
    EXPECT_EQ(Faces(game.cards, game.piles.appogg[2]), "0101");

    // StockFaceDown 0: the stock is turned face up after the deal.
    game.def[gd::StockFaceDown] = 0;
    game.savedDealFields.Take(game.def);
    Deal(game, "27");
    EXPECT_EQ(Faces(game.cards, game.piles.Stock()), std::string(12, '1'));
}

// The same number deals the same table whatever the card table and piles held before: a
// card dealt without a face flag of its own (reserve face mode 0) is face up, as on a fresh
// table.
TEST(DealLayout, SameNumberSameDealWhateverWasPlayedBefore) {
    GameDef def = test::FreeCellLike();
    def.At(gd::TableauFaceMode, 0) = 0;  // column 1 sets no flag above the dealt face-down ones
    def[gd::ReserveCount] = 1;
    def.At(gd::ReserveDealCount, 0) = 1;
    def.At(gd::TableauDealCount, 7) = 5;  // the reserve takes column 8's last card
    def.At(gd::ReserveFaceMode, 0) = 0;
    Game fresh = GameWith(def);
    Deal(fresh, "1000000000001");
    const Piles firstPiles = fresh.piles;
    const CardTable firstCards = fresh.cards;
    EXPECT_FALSE(firstCards.CardIsFaceDown(PileTop(firstPiles.appogg[0])));

    // Another game on the same table object, then every card turned down and piles left over.
    Game played = GameWith(test::KlondikeLike());
    Deal(played, "55");
    for (int c = 1; c <= 108; ++c)
        played.cards.SetCardFace(c, kFaceDown);
    played.piles.appogg[5] = "001002003";
    played.def = def;
    played.savedDealFields.Take(def);
    Deal(played, "1000000000001");
    EXPECT_EQ(played.piles, firstPiles);
    for (int c = 1; c <= 108; ++c)
        EXPECT_EQ(played.cards.Entry(c), firstCards.Entry(c)) << c;
}

TEST(DealLayout, DealFieldsAreRewrittenOnlyFromTheRestoredCopy) {
    GameDef def = test::FreeCellLike();
    def[gd::FoundationBaseSet] = 1;  // one card to foundation 1 sets every base
    def.At(gd::TableauDealCount, 7) = 5;
    def.At(gd::TableauBase, 3) = 91;
    Game game = GameWith(def);
    Deal(game, "9");
    const int rank = CardRank(PileBottom(game.piles.dest[0]));
    for (int j = 0; j < 16; ++j)
        EXPECT_EQ(game.def.At(gd::FoundationBase, j), rank);
    EXPECT_EQ(game.def.At(gd::TableauBase, 3), PrevRank(rank));
    EXPECT_EQ(game.def.At(gd::TableauBase, 2), -1);
    // The next deal starts from the loaded values again, not from the previous deal's.
    Deal(game, "9");
    EXPECT_EQ(game.def.At(gd::TableauBase, 3), PrevRank(rank));
}

TEST(DealStartingCards, NamedCardsLeaveTheListAndSetTheBases) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::FoundationCount] = 8;
    const int codes[8] = {3, 93, 94, 95, 95, 113, 55, 0};
    for (int j = 0; j < 8; ++j)
        def.At(gd::FoundationStartCard, j) = static_cast<int16_t>(codes[j]);
    def[gd::StockDealCount] = 52 - 7;
    Game game = GameWith(def);
    EXPECT_TRUE(Deal(game, "1234").Clean());
    auto bottom = [&](int j) { return PileBottom(game.piles.dest[static_cast<size_t>(j)]); };
    EXPECT_EQ(bottom(0), 3);   // any other code: j * 13 + code
    EXPECT_EQ(bottom(1), 14);  // 93: the Ace of suit j + 1
    EXPECT_EQ(bottom(2), 27);  // 94: likewise
    EXPECT_EQ(bottom(3), 52);  // 95 below 4: the King of suit j + 1
    EXPECT_EQ(bottom(4), 1);   // 95 from 4 on: j * 13 - 51
    EXPECT_EQ(bottom(5), 13);  // above 99: the card numbered code - 100
    const std::vector<int> order = OrderOf(def, "1234");
    auto firstFive =
        std::find_if(order.begin(), order.end(), [](int c) { return CardRank(c) == 5; });
    EXPECT_EQ(bottom(6), *firstFive);  // 55: the first 5 of the order
    EXPECT_TRUE(PileEmpty(game.piles.dest[7]));
    for (int j = 0; j < 7; ++j) {
        EXPECT_EQ(game.def.At(gd::FoundationBase, j), CardRank(bottom(j))) << j;
        EXPECT_FALSE(game.cards.CardIsFaceDown(bottom(j)));
    }
    // The stock holds the rest of the order, in order.
    std::vector<int> rest;
    for (int c : order) {
        if (c != 3 && c != 14 && c != 27 && c != 52 && c != 1 && c != 13 && c != *firstFive) {
            rest.push_back(c);
        }
    }
    EXPECT_EQ(PileCards(game.piles.Stock()), rest);
}

TEST(DealStartingCards, FirstCardNewSuitsBaseOfFirstAndRanksOfTheFirstCard) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::FoundationCount] = 4;
    def[gd::StockDealCount] = 48;
    for (int j = 0; j < 4; ++j)
        def.At(gd::FoundationStartCard, j) = j == 0 ? 20 : 21;
    Game game = GameWith(def);
    Deal(game, "777");
    EXPECT_EQ(PileBottom(game.piles.dest[0]), OrderOf(def, "777")[0]);
    std::vector<int> suits;
    for (int j = 0; j < 4; ++j)
        suits.push_back(CardSuit(PileBottom(game.piles.dest[static_cast<size_t>(j)])));
    std::sort(suits.begin(), suits.end());
    EXPECT_EQ(suits, (std::vector<int>{0, 1, 2, 3}));

    // 91: the first card's rank in the following suits; 92: foundation 1's base.
    def.At(gd::FoundationStartCard, 0) = 0;
    def.At(gd::FoundationBase, 0) = 7;
    for (int j = 1; j < 4; ++j)
        def.At(gd::FoundationStartCard, j) = 91;
    def.At(gd::FoundationStartCard, 3) = 92;
    def[gd::StockDealCount] = 50;
    game = GameWith(def);
    EXPECT_TRUE(Deal(game, "777").Clean());
    const int first = OrderOf(def, "777")[0];
    EXPECT_EQ(PileBottom(game.piles.dest[1]), (first + 26 - 1) % 52 + 1);
    EXPECT_EQ(PileBottom(game.piles.dest[2]), (first + 39 - 1) % 52 + 1);
    EXPECT_TRUE(PileEmpty(game.piles.dest[3]));
    EXPECT_EQ(game.def.At(gd::FoundationBase, 3), 7);
    EXPECT_EQ(game.def.At(gd::FoundationBase, 1), CardRank(first));
}

// Counting past the deck's last card starts again at card 1: after the King of spades comes the
// King of hearts, never a card numbered 0.
TEST(DealStartingCards, NextSuitsWrapToTheFirstCardNotToZero) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::FoundationCount] = 4;
    def[gd::StockDealCount] = 48;
    for (int j = 0; j < 4; ++j)
        def.At(gd::FoundationStartCard, j) = 91;
    std::string number;
    for (int i = 0; i < 100000 && number.empty(); ++i) {
        if (OrderOf(def, std::to_string(i))[0] == 52) number = std::to_string(i);
    }
    ASSERT_FALSE(number.empty());
    Game game = GameWith(def);
    // Foundation 4 names the first card itself (52 + 52 = 104 wraps to 52): it was not taken
    // yet, so it moves to the foundation; no "000" appears.
    EXPECT_TRUE(Deal(game, number).Clean());
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{13});
    EXPECT_EQ(PileCards(game.piles.dest[1]), std::vector<int>{26});
    EXPECT_EQ(PileCards(game.piles.dest[2]), std::vector<int>{39});
    EXPECT_EQ(PileCards(game.piles.dest[3]), std::vector<int>{52});
    EXPECT_EQ(CardsOnTable(game.piles), CardRange(1, 52));
}

TEST(DealStartingCards, ACardTheDeckDoesNotHoldIsNotInventedAndIsReported) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::FoundationCount] = 8;
    def.At(gd::FoundationStartCard, 6) = 3;    // 6 * 13 + 3 = card 81: second deck only
    def.At(gd::FoundationStartCard, 1) = 140;  // card 40
    def.At(gd::FoundationStartCard, 2) = 140;  // card 40 again: already taken
    def[gd::StockDealCount] = 51;
    Game game = GameWith(def);
    test::RecordingMessages messages;
    DealReport report = Deal(game, "5", &messages, "Odd Patience");
    EXPECT_EQ(report.shortfall, 2);
    EXPECT_TRUE(PileEmpty(game.piles.dest[6]));
    EXPECT_TRUE(PileEmpty(game.piles.dest[2]));
    EXPECT_EQ(CardsOnTable(game.piles), CardRange(1, 52));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("Odd Patience"), std::string::npos);
}

TEST(DealFoundationBases, OneCardForAllCardPerFoundationReserveRanksAndTwoGroups) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::FoundationCount] = 8;
    def[gd::StockDealCount] = 10;
    def[gd::FoundationBaseSet] = 2;
    Game game = GameWith(def);
    Deal(game, "31");
    const std::vector<int> order = OrderOf(def, "31");
    for (int j = 0; j < 8; ++j) {
        EXPECT_EQ(PileCards(game.piles.dest[static_cast<size_t>(j)]),
                  std::vector<int>{order[10 + j]});
        EXPECT_EQ(game.def.At(gd::FoundationBase, j), CardRank(order[10]));
    }
    EXPECT_EQ(game.def.At(gd::FoundationBase, 8), 0);  // unused foundations keep theirs

    def[gd::FoundationBaseSet] = 4;
    def.At(gd::FoundationBase, 0) = 9;
    game = GameWith(def);
    Deal(game, "31");
    const int rank = CardRank(order[10]);
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{order[10]});
    EXPECT_TRUE(PileEmpty(game.piles.dest[1]));
    EXPECT_EQ(game.def.At(gd::FoundationBase, 0), 9);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(game.def.At(gd::FoundationBase, j), rank);
    for (int j = 4; j <= 7; ++j)
        EXPECT_EQ(game.def.At(gd::FoundationBase, j), NextRank(rank));

    def[gd::FoundationBaseSet] = 3;
    def[gd::StockDealCount] = 0;
    def[gd::ReserveCount] = 2;
    def.At(gd::ReserveDealCount, 0) = 2;
    def.At(gd::ReserveDealCount, 1) = 1;
    game = GameWith(def);
    Deal(game, "31");
    EXPECT_EQ(game.def.At(gd::FoundationBase, 0), NextRank(CardRank(order[0])));
    EXPECT_EQ(game.def.At(gd::FoundationBase, 1), NextRank(CardRank(order[2])));
    EXPECT_EQ(game.def.At(gd::FoundationBase, 2), 0);  // no reserve card: kept as loaded
}

TEST(DealFoundationBases, AJokerOnFoundationOneGivesTheJokerBase) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::UsesJokers] = 1;
    def[gd::JokerCount] = 2;
    def[gd::FoundationCount] = 4;
    def[gd::FoundationBaseSet] = 1;
    const std::vector<int> order = OrderOf(def, "0");
    const int joker = static_cast<int>(std::find(order.begin(), order.end(), 105) - order.begin());
    def[gd::StockDealCount] = static_cast<int16_t>(joker);  // the joker is the next card
    Game game = GameWith(def);
    Deal(game, "0");
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{105});
    EXPECT_EQ(game.def.At(gd::FoundationBase, 0), -2);
    EXPECT_EQ(game.def.At(gd::FoundationBase, 15), -2);
}

TEST(DealLayout, ExtraCardSecondWasteCardAndSingleCardDeals) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::UsesJokers] = 1;
    def[gd::JokerCount] = 1;
    def[gd::FoundationCount] = 1;
    def[gd::FoundationExtraCard] = 1;
    def[gd::SecondWasteStartCard] = 152;  // 152 - 100: the King of spades
    def[gd::TableauCount] = 3;
    def.At(gd::TableauDealCount, 0) = 1007;  // the first 7 of the order
    def.At(gd::TableauDealCount, 1) = 1501;  // joker 105
    def.At(gd::TableauFaceMode, 1) = 0;
    def.At(gd::TableauDealCount, 2) = 2;
    def.At(gd::TableauFaceMode, 2) = 1;
    def[gd::StockDealCount] = 53 - 6;
    Game game = GameWith(def);
    EXPECT_TRUE(Deal(game, "2024").Clean());
    std::vector<int> order = OrderOf(def, "2024");
    auto take = [&](int card) { order.erase(std::find(order.begin(), order.end(), card)); };
    take(52);
    const int seven =
        *std::find_if(order.begin(), order.end(), [](int c) { return CardRank(c) == 7; });
    take(seven);
    take(105);
    EXPECT_EQ(PileCards(game.piles.SecondWaste()), std::vector<int>{52});
    EXPECT_EQ(PileCards(game.piles.fila[0]), std::vector<int>{seven});
    EXPECT_EQ(PileCards(game.piles.fila[1]), std::vector<int>{105});
    EXPECT_EQ(PileCards(game.piles.Stock()), std::vector<int>(order.begin(), order.begin() + 47));
    EXPECT_EQ(PileCards(game.piles.fila[2]), (std::vector<int>{order[47], order[48]}));
    EXPECT_EQ(Faces(game.cards, game.piles.fila[2]), "01");
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{order[49]});  // the extra card
    EXPECT_FALSE(game.cards.CardIsFaceDown(order[49]));
}

TEST(DealFaults, ADefinitionAskingForMoreCardsStopsWhenTheyRunOut) {
    GameDef def = test::FreeCellLike();
    def.At(gd::TableauDealCount, 7) = 14;  // 60 cards asked for, 52 in the deck
    def[gd::FoundationExtraCard] = 1;
    Game game = GameWith(def);
    test::RecordingMessages messages;
    DealReport report = Deal(game, "99", &messages, "Greedy Cell");
    EXPECT_EQ(report.shortfall, 9);
    EXPECT_EQ(PileCount(game.piles.fila[7]), 6);
    EXPECT_TRUE(PileEmpty(game.piles.dest[0]));
    EXPECT_EQ(CardsOnTable(game.piles), CardRange(1, 52));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("\"Greedy Cell\""), std::string::npos);
    EXPECT_NE(messages.shown[0].find("9 card(s)"), std::string::npos);
}

TEST(DealFaults, AnUndealableDeckShowsErrorOneAndLeavesTheTableEmpty) {
    GameDef def = test::FreeCellLike();
    def[gd::DeckCards] = 78;
    Game game = GameWith(def);
    game.piles.fila[0] = "001";
    test::RecordingMessages messages;
    bool stepRan = false;
    DealContext context;
    context.messages = &messages;
    context.postDealStep = [&](Game&) { stepRan = true; };
    DealReport report = DealGame(game, Number("1"), context);
    EXPECT_TRUE(report.deckError);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Error 01 - fnGameNumberCardsArray"});
    EXPECT_EQ(game.piles, Piles{});
    EXPECT_TRUE(stepRan);
}

TEST(DealLayout, PostDealStepRunsLastOnTheFinishedTable) {
    GameDef def = test::FreeCellLike();
    def[gd::DealArrangement] = 8;  // Aces become gaps at the very end of the lay-out
    Game game = GameWith(def);
    int aces = -1;
    DealContext context;
    context.postDealStep = [&](Game& g) {
        aces = 0;
        for (const auto& p : g.piles.fila) {
            for (int c : PileCards(p))
                aces += CardRank(c) == kAce;
        }
    };
    DealGame(game, Number("4"), context);
    EXPECT_EQ(aces, 0);
}

TEST(DealSpecialGames, KingOfHeartsUnderTheStockQueenOfHeartsOnTheFirstColumn) {
    GameDef def = test::KlondikeLike();
    def[gd::SpecialGame] = 22;
    Game game = GameWith(def);
    Deal(game, "8");
    EXPECT_EQ(PileBottom(game.piles.Stock()), 13);
    EXPECT_TRUE(game.cards.CardIsFaceDown(13));
    EXPECT_EQ(PileTop(game.piles.fila[0]), 12);
    EXPECT_FALSE(game.cards.CardIsFaceDown(12));
    EXPECT_EQ(CardsOnTable(game.piles), CardRange(1, 52));
}

}  // namespace
}  // namespace tindle
