#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "DealTestSupport.h"
#include "model/DealSteps.h"
#include "model/DeckOrder.h"
#include "model/Random.h"

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

Pile PileOf(std::initializer_list<int> cards) {
    Pile p;
    for (int c : cards)
        PileAppend(p, c);
    return p;
}

// Runs the arrangement step alone on hand-laid piles and the given remaining list.
DealReport Arrange(Game& game, std::vector<int> remaining = {}, Random* random = nullptr) {
    deal::DealList list(remaining);
    DealReport report;
    DealContext context;
    context.random = random;
    deal::DealState st{game, list, report, context};
    deal::ArrangeDeal(st);
    return report;
}

GameDef Plain(int columns, int foundations = 0) {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::TableauCount] = static_cast<int16_t>(columns);
    if (foundations > 0) test::AscendingFoundations(def, foundations);
    return def;
}

TEST(DealArrangement, KingsGoUnderTheStockAndEmptiedPilesTakeTheFirstOtherCard) {
    GameDef def = Plain(2, 1);
    def[gd::DealArrangement] = 1;
    Game game = GameWith(def);
    game.piles.Stock() = PileOf({52, 3, 7});
    game.piles.fila[0] = PileOf({13});
    game.piles.fila[1] = PileOf({20});
    game.piles.dest[0] = PileOf({39});
    Arrange(game);
    EXPECT_EQ(PileCards(game.piles.fila[0]), std::vector<int>{3});
    EXPECT_EQ(PileCards(game.piles.fila[1]), std::vector<int>{20});
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{7});
    EXPECT_EQ(PileCards(game.piles.Stock()), (std::vector<int>{39, 13, 52}));
    EXPECT_FALSE(game.cards.CardIsFaceDown(3));
    EXPECT_FALSE(game.cards.CardIsFaceDown(7));  // turned down as the stock's top, up on its pile
    // No card is lost when a King lies under other cards: only the King moves.
    game.piles.Stock() = PileOf({5});
    game.piles.fila[0] = PileOf({26, 30});
    game.piles.fila[1].clear();
    game.piles.dest[0].clear();
    Arrange(game);
    EXPECT_EQ(PileCards(game.piles.fila[0]), std::vector<int>{30});
    EXPECT_EQ(PileCards(game.piles.Stock()), (std::vector<int>{26, 5}));
    EXPECT_TRUE(game.cards.CardIsFaceDown(5));
}

TEST(DealArrangement, KingsOrQueensStartColumnsOfTheRemainingList) {
    for (int arrangement : {2, 4}) {
        const int rank = arrangement == 2 ? kKing : kQueen;
        GameDef def = Plain(8);
        def[gd::DealArrangement] = static_cast<int16_t>(arrangement);
        Game game = GameWith(def);
        EXPECT_TRUE(Deal(game, "4242424242").Clean());
        std::vector<int> order = OrderOf(def, "4242424242");
        const auto first =
            std::find_if(order.begin(), order.end(), [&](int c) { return CardRank(c) == rank; });
        const int firstCard = *first;
        order.erase(first);
        std::vector<int> rest;
        for (int k = 0; k < 28; ++k) {
            std::vector<int> column = PileCards(game.piles.fila[static_cast<size_t>(k)]);
            if (k >= 4) {
                EXPECT_TRUE(column.empty()) << k;
                continue;
            }
            ASSERT_FALSE(column.empty());
            EXPECT_EQ(CardRank(column[0]), rank) << k;
            EXPECT_EQ(std::count_if(column.begin(), column.end(),
                                    [&](int c) { return CardRank(c) == rank; }),
                      1);
            EXPECT_EQ(Faces(game.cards, game.piles.fila[static_cast<size_t>(k)]),
                      std::string(column.size(), '1'));
            rest.insert(rest.end(), column.begin() + (k == 0 ? 1 : 0), column.end());
        }
        EXPECT_EQ(PileBottom(game.piles.fila[0]), firstCard);
        EXPECT_EQ(rest, order) << arrangement;
    }
}

TEST(DealArrangement, ColumnsAreRedealtWithoutRepeatedRanksAndNothingIsLost) {
    GameDef def = Plain(2);
    def[gd::DealArrangement] = 3;
    Game game = GameWith(def);
    game.piles.fila[0] = PileOf({1, 14, 2});   // A A 2
    game.piles.fila[1] = PileOf({27, 3, 40});  // A 3 A
    Arrange(game);
    // Column 1 takes A, 2, 3; column 2 finds only Aces left, which fill its places in the end.
    EXPECT_EQ(PileCards(game.piles.fila[0]), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(PileCards(game.piles.fila[1]), (std::vector<int>{14, 27, 40}));
}

TEST(DealArrangement, EveryCardToTheColumnOfItsRank) {
    GameDef def = Plain(12, 4);
    def[gd::DealArrangement] = 5;
    for (int j = 0; j < 4; ++j)
        def.At(gd::FoundationStartCard, j) = 93;  // the Aces start
    Game game = GameWith(def);
    EXPECT_TRUE(Deal(game, "61").Clean());
    for (int k = 0; k < 12; ++k) {
        const std::vector<int> column = PileCards(game.piles.fila[static_cast<size_t>(k)]);
        ASSERT_EQ(column.size(), 4u) << k;
        for (int c : column)
            EXPECT_EQ(CardRank(c), k + 2);
    }
    EXPECT_EQ(CardsOnTable(game.piles), CardRange(1, 52));

    // Code 6 counts from the Ace; under code 5 an Ace has no column and is reported.
    def[gd::DealArrangement] = 6;
    def.At(gd::FoundationStartCard, 0) = 0;
    game = GameWith(def);
    EXPECT_TRUE(Deal(game, "61").Clean());
    // Foundation 1 has no starting card now: the Ace of hearts is left for column 1.
    EXPECT_EQ(PileCards(game.piles.fila[0]), std::vector<int>{1});
    def[gd::DealArrangement] = 5;
    game = GameWith(def);
    test::RecordingMessages messages;
    EXPECT_EQ(Deal(game, "61", &messages).unplaced, 1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(DealArrangement, BottomCardsGoToTheFoundationOfTheirIndexWhenLegal) {
    GameDef def = Plain(3, 3);
    def[gd::DealArrangement] = 7;
    Game game = GameWith(def);
    game.piles.fila[0] = PileOf({1, 9});
    game.piles.fila[1] = PileOf({5});
    game.piles.fila[2] = PileOf({40});
    game.cards.SetCardFace(1, kFaceDown);
    Arrange(game);
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{1});
    EXPECT_FALSE(game.cards.CardIsFaceDown(1));
    EXPECT_EQ(PileCards(game.piles.fila[0]), std::vector<int>{9});
    EXPECT_EQ(PileCards(game.piles.fila[1]), std::vector<int>{5});
    EXPECT_EQ(PileCards(game.piles.dest[2]), std::vector<int>{40});
}

TEST(DealArrangement, AcesOrKingsBecomeGaps) {
    GameDef def = Plain(4);
    for (int k = 0; k < 4; ++k)
        def.At(gd::TableauDealCount, k) = 13;
    def[gd::DealArrangement] = 8;
    Game game = GameWith(def);
    Deal(game, "123123");
    const std::vector<int> order = OrderOf(def, "123123");
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < 13; ++i) {
            const int dealt = order[static_cast<size_t>(k * 13 + i)];
            EXPECT_EQ(PileCardAt(game.piles.fila[static_cast<size_t>(k)], i),
                      CardRank(dealt) == kAce ? 0 : dealt);
        }
    }
    std::vector<int> left = CardsOnTable(game.piles);
    EXPECT_EQ(left.size(), 48u);

    // 15: Kings become gaps and short columns are padded to nine places.
    def = Plain(6);
    for (int k = 0; k < 6; ++k)
        def.At(gd::TableauDealCount, k) = k < 4 ? 10 : 6;
    def[gd::DealArrangement] = 15;
    game = GameWith(def);
    Deal(game, "98");
    for (int k = 0; k < 6; ++k) {
        const Pile& p = game.piles.fila[static_cast<size_t>(k)];
        EXPECT_EQ(PileCount(p), k < 4 ? 10 : 9) << k;
        for (int c : PileCards(p))
            EXPECT_NE(CardRank(c), kKing);
    }
    EXPECT_EQ(game.piles.fila[4].substr(18), "000000000");
    EXPECT_TRUE(PileEmpty(game.piles.fila[6]));  // unused columns stay empty
    EXPECT_EQ(CardsOnTable(game.piles).size(), 48u);
}

TEST(DealArrangement, AColumnIsEmptiedByItsBottomCardOrAtRandom) {
    GameDef def = Plain(3);
    def[gd::DealArrangement] = 9;  // the column whose bottom card is card 3 (the column count)
    Game game = GameWith(def);
    game.piles.fila[0] = PileOf({10, 3});
    game.piles.fila[1] = PileOf({3, 2});
    game.piles.fila[2] = PileOf({17});
    Arrange(game);
    EXPECT_EQ(PileCount(game.piles.fila[0]), 2);
    EXPECT_TRUE(PileEmpty(game.piles.fila[1]));
    // With more than 13 columns the card is 13 further on.
    def[gd::TableauCount] = 14;
    game = GameWith(def);
    game.piles.fila[5] = PileOf({14});
    game.piles.fila[6] = PileOf({27});
    Arrange(game);
    EXPECT_EQ(PileCount(game.piles.fila[5]), 1);
    EXPECT_TRUE(PileEmpty(game.piles.fila[6]));

    // 10: any column but the last, drawn from the random generator.
    def = Plain(4);
    def[gd::DealArrangement] = 10;
    std::set<int> emptied;
    Random random(3);
    for (int i = 0; i < 200; ++i) {
        game = GameWith(def);
        for (int k = 0; k < 4; ++k)
            game.piles.fila[static_cast<size_t>(k)] = PileOf({k + 1});
        Arrange(game, {}, &random);
        int empty = 0;
        for (int k = 0; k < 4; ++k) {
            if (PileEmpty(game.piles.fila[static_cast<size_t>(k)])) {
                emptied.insert(k);
                ++empty;
            }
        }
        ASSERT_EQ(empty, 1);
    }
    EXPECT_EQ(emptied, (std::set<int>{0, 1, 2}));
    // A single column has no column before the last: nothing is emptied.
    def[gd::TableauCount] = 1;
    game = GameWith(def);
    game.piles.fila[0] = PileOf({1});
    Arrange(game, {}, &random);
    EXPECT_EQ(PileCount(game.piles.fila[0]), 1);
}

TEST(DealArrangement, FoundationsShowTheFirstEntriesLeft) {
    GameDef def = Plain(0, 3);
    def[gd::DealArrangement] = 13;
    Game game = GameWith(def);
    Arrange(game, {7, 0, 30, 31});
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{7});
    EXPECT_EQ(game.piles.dest[1], "000");
    EXPECT_EQ(PileCards(game.piles.dest[2]), std::vector<int>{30});
    EXPECT_TRUE(PileEmpty(game.piles.dest[3]));
}

TEST(DealReduction, OneCardPerRankOrOneSuitUpToNine) {
    GameDef def = Plain(5);
    def[gd::DealArrangement] = 11;
    def[gd::DeckCards] = 104;
    def[gd::StockDealCount] = 5;
    Game game = GameWith(def);
    EXPECT_TRUE(Deal(game, "55555").Clean());
    std::vector<int> expected;
    std::set<int> seen;
    for (int c : OrderOf(def, "55555")) {
        if (CardRank(c) <= 5 && seen.insert(CardRank(c)).second) expected.push_back(c);
    }
    EXPECT_EQ(PileCards(game.piles.Stock()), expected);

    def[gd::DealArrangement] = 14;
    def[gd::DeckCards] = 52;
    def[gd::StockDealCount] = 9;
    game = GameWith(def);
    EXPECT_TRUE(Deal(game, "55555").Clean());
    const std::vector<int> order = OrderOf(def, "55555");
    expected.clear();
    for (int c : order) {
        if (CardSuit(c) == CardSuit(order[0]) && CardRank(c) <= 9) expected.push_back(c);
    }
    EXPECT_EQ(PileCards(game.piles.Stock()), expected);
}

TEST(DealReduction, CardNumbersByColumnCountAndTheChosenSets) {
    GameDef def = Plain(10);
    def[gd::DealArrangement] = 9;
    def[gd::StockDealCount] = 10;
    Game game = GameWith(def);
    EXPECT_TRUE(Deal(game, "8").Clean());
    EXPECT_EQ(CardsOnTable(game.piles), CardRange(1, 10));
    def[gd::TableauCount] = 16;
    def[gd::StockDealCount] = 16;
    game = GameWith(def);
    EXPECT_TRUE(Deal(game, "8").Clean());
    std::vector<int> expected = CardRange(1, 13);
    for (int c : {27, 28, 29})
        expected.push_back(c);
    EXPECT_EQ(CardsOnTable(game.piles), expected);

    def[gd::DealArrangement] = 12;
    def[gd::DeckCards] = 104;
    for (auto [columns, cards] : {std::pair{3, 12}, {4, 24}, {5, 40}}) {
        def[gd::TableauCount] = static_cast<int16_t>(columns);
        def[gd::StockDealCount] = static_cast<int16_t>(cards);
        game = GameWith(def);
        EXPECT_TRUE(Deal(game, "8").Clean()) << columns;
        EXPECT_EQ(CardsOnTable(game.piles).size(), static_cast<size_t>(cards));
    }
    std::vector<int> three = CardsOnTable(game.piles);
    EXPECT_TRUE(std::binary_search(three.begin(), three.end(), 104));
    EXPECT_FALSE(std::binary_search(three.begin(), three.end(), 3));
}

// ---- the deal's own moves to the foundations ----

GameDef WithFoundations(int columns, int foundations, int firstStartCode, bool byColumn) {
    GameDef def = Plain(columns, foundations);
    def.At(gd::FoundationStartCard, 0) = static_cast<int16_t>(firstStartCode);
    def[gd::DealScanByColumn] = byColumn ? 1 : 0;
    return def;
}

TEST(DealFoundationMoves, ScanOrderDecidesWhatABuriedCardFinds) {
    // Column 1: A, 10 of spades, 3; column 2: 2 (all hearts but the ten).
    for (bool byColumn : {true, false}) {
        Game game = GameWith(WithFoundations(2, 1, 93, byColumn));
        game.piles.fila[0] = PileOf({1, 49, 3});
        game.piles.fila[1] = PileOf({2});
        deal::AutomaticFoundationMoves(game);
        if (byColumn) {
            // Column 1 is done before the 2 is met: its 3 stays.
            EXPECT_EQ(PileCards(game.piles.dest[0]), (std::vector<int>{1, 2}));
            EXPECT_EQ(PileCards(game.piles.fila[0]), (std::vector<int>{49, 3}));
        } else {
            // Row by row the 2 goes up first, so the 3 (second place) follows.
            EXPECT_EQ(PileCards(game.piles.dest[0]), (std::vector<int>{1, 2, 3}));
            EXPECT_EQ(PileCards(game.piles.fila[0]), std::vector<int>{49});
        }
    }
}

TEST(DealFoundationMoves, TheScanLooksAgainAtTheFreedPlace) {
    for (bool byColumn : {true, false}) {
        Game game = GameWith(WithFoundations(1, 1, 93, byColumn));
        game.piles.fila[0] = PileOf({1, 2, 3, 20});
        deal::AutomaticFoundationMoves(game);
        EXPECT_EQ(PileCards(game.piles.dest[0]), (std::vector<int>{1, 2, 3})) << byColumn;
        EXPECT_EQ(PileCards(game.piles.fila[0]), std::vector<int>{20});
    }
}

TEST(DealFoundationMoves, OwnColumnAndGroupsOfFour) {
    // 94: an Ace goes only to the foundation of its column's index.
    Game game = GameWith(WithFoundations(2, 2, 94, true));
    game.def.At(gd::FoundationRule, 0) = 2;  // any suit
    game.def.At(gd::FoundationRule, 1) = 2;
    game.piles.fila[1] = PileOf({1});
    deal::AutomaticFoundationMoves(game);
    EXPECT_TRUE(PileEmpty(game.piles.dest[0]));
    EXPECT_EQ(PileCards(game.piles.dest[1]), std::vector<int>{1});

    // 95, column by column: the card's place picks the group (0..3: foundations 1-4, 6..9:
    // foundations 5-8, otherwise all eight).
    game = GameWith(WithFoundations(1, 8, 95, true));
    for (int j = 0; j < 8; ++j)
        game.def.At(gd::FoundationRule, j) = 2;
    game.piles.fila[0] = PileOf({13, 12, 11, 10, 9, 8, 1});  // the Ace in place 6
    deal::AutomaticFoundationMoves(game);
    EXPECT_TRUE(PileEmpty(game.piles.dest[0]));
    EXPECT_EQ(PileCards(game.piles.dest[4]), std::vector<int>{1});

    game = GameWith(WithFoundations(1, 8, 95, true));
    for (int j = 0; j < 8; ++j)
        game.def.At(gd::FoundationRule, j) = 2;
    game.piles.fila[0] = PileOf({13, 12, 11, 10, 9, 1});  // place 5: every foundation
    deal::AutomaticFoundationMoves(game);
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{1});

    // Row by row the column index picks the group.
    game = GameWith(WithFoundations(8, 8, 95, false));
    for (int j = 0; j < 8; ++j)
        game.def.At(gd::FoundationRule, j) = 2;
    game.piles.fila[7] = PileOf({1});
    deal::AutomaticFoundationMoves(game);
    EXPECT_EQ(PileCards(game.piles.dest[4]), std::vector<int>{1});
}

TEST(DealFoundationMoves, TableauAcesMoveAndTheirColumnsTakeAReplacement) {
    Game game = GameWith(WithFoundations(2, 2, 96, false));
    game.piles.fila[0] = PileOf({5, 1});
    game.piles.fila[1] = PileOf({14, 27});
    game.piles.Stock() = PileOf({30, 31});
    game.piles.Waste() = PileOf({33});
    game.cards.SetCardFace(31, kFaceDown);
    deal::MoveTableauAces(game);
    // Depth 0: the Ace of diamonds goes up, column 2 takes 31 from the stock and the Ace of
    // clubs, now at depth 0, follows and takes 30. Depth 1: the Ace of hearts finds both
    // foundations taken (any suit is refused: same-suit rule) and stays.
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{14});
    EXPECT_EQ(PileCards(game.piles.dest[1]), std::vector<int>{27});
    EXPECT_EQ(PileCards(game.piles.fila[1]), (std::vector<int>{31, 30}));
    EXPECT_FALSE(game.cards.CardIsFaceDown(31));
    EXPECT_EQ(PileCards(game.piles.fila[0]), (std::vector<int>{5, 1}));
    EXPECT_TRUE(PileEmpty(game.piles.Stock()));

    // With the stock empty the waste gives the replacement.
    game = GameWith(WithFoundations(1, 1, 96, false));
    game.piles.fila[0] = PileOf({1, 7});
    game.piles.Waste() = PileOf({33, 34});
    deal::MoveTableauAces(game);
    EXPECT_EQ(PileCards(game.piles.fila[0]), (std::vector<int>{7, 34}));
    EXPECT_EQ(PileCards(game.piles.Waste()), std::vector<int>{33});
}

TEST(DealSpecialGames, ReserveAcesStartFoundationsAndTheWasteReplacesThem) {
    GameDef def = Plain(0, 4);
    Game game = GameWith(def);
    game.piles.appogg[0] = PileOf({1, 7, 14, 9});
    game.piles.Waste() = PileOf({27, 5, 6, 8, 10, 40});
    game.cards.SetCardFace(7, kFaceDown);
    deal::ReserveAcesToFoundations(game);
    EXPECT_EQ(PileCards(game.piles.dest[1]), std::vector<int>{1});
    EXPECT_EQ(PileCards(game.piles.dest[2]), std::vector<int>{14});
    EXPECT_EQ(PileCards(game.piles.dest[0]), std::vector<int>{27});
    // After each card taken the scan moves on one place: 5 and 8 are passed over.
    EXPECT_EQ(PileCards(game.piles.appogg[0]), (std::vector<int>{7, 9, 6, 10}));
    EXPECT_EQ(Faces(game.cards, game.piles.appogg[0]), "1111");
    EXPECT_EQ(PileCards(game.piles.Waste()), (std::vector<int>{5, 8, 40}));
}

}  // namespace
}  // namespace tindle
