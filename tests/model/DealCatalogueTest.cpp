#include <gtest/gtest.h>

#include <algorithm>

#include "DealTestSupport.h"
#include "model/Catalogue.h"
#include "model/DeckOrder.h"
#include "model/GamesDat.h"
#include "model/Random.h"
#include "support/TestPaths.h"

// Deals of every game of the GAMES.DAT built from games/.

namespace tindle {
namespace {

// Arrangement codes that take cards out of the game (reductions, gaps, emptied columns).
bool RemovesCards(const GameDef& def) {
    switch (def[gd::DealArrangement]) {
        case 8:
        case 9:
        case 10:
        case 11:
        case 12:
        case 14:
        case 15:
            return true;
        default:
            return false;
    }
}

std::vector<int> OrderCards(const GameDef& def, const GameNumber& number) {
    DeckOrder order = fnGameNumberCardsArray(def, number, nullptr);
    std::vector<int> cards;
    for (int i = 0; i < order.Size(); ++i) {
        if (order.At(i) != 0) cards.push_back(order.At(i));
    }
    std::sort(cards.begin(), cards.end());
    return cards;
}

class CatalogueDeals : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(catalogue.Read(test::ProgramDir() / "GAMES.DAT").Ok());
        ASSERT_FALSE(catalogue.Empty());
    }
    Catalogue catalogue;
};

TEST_F(CatalogueDeals, EveryDealHoldsEveryCardOfTheDeckOnce) {
    for (const auto& entry : catalogue.Entries()) {
        Game game;
        ASSERT_TRUE(LoadGame(catalogue.File(), entry.gameId, game).Ok()) << entry.name;
        Random random(11);
        test::RecordingMessages messages;
        DealContext context;
        context.messages = &messages;
        context.random = &random;
        context.gameName = entry.name;
        for (long long i = 0; i < 1000; ++i) {
            const GameNumber number =
                test::Number(std::to_string(i * 7919LL * 1000003LL % 10000000000000LL));
            RestoreDealFields(game);
            const DealReport report = DealGame(game, number, context);
            ASSERT_TRUE(report.Clean()) << entry.name << " " << number.Text();
            const std::vector<int> dealt = test::CardsOnTable(game.piles);
            if (RemovesCards(game.def)) {
                EXPECT_EQ(std::adjacent_find(dealt.begin(), dealt.end()), dealt.end());
            } else {
                ASSERT_EQ(dealt, OrderCards(game.def, number))
                    << entry.name << " " << number.Text();
            }
        }
        EXPECT_TRUE(messages.shown.empty()) << entry.name;
    }
}

TEST_F(CatalogueDeals, ANumberDealsTheSameTableAfterAnyOtherGame) {
    const auto& entries = catalogue.Entries();
    for (size_t e = 0; e < entries.size(); ++e) {
        const int id = entries[e].gameId;
        const int other = entries[(e + 1) % entries.size()].gameId;
        for (const char* n : {"0", "1234567890123", "31"}) {
            Game game;
            ASSERT_TRUE(LoadGame(catalogue.File(), id, game).Ok());
            Random first(5);
            DealContext context;
            context.random = &first;
            DealGame(game, test::Number(n), context);
            const Piles piles = game.piles;
            const CardTable cards = game.cards;
            const GameDef def = game.def;

            // Another game played on the same objects, its cards turned every way.
            ASSERT_TRUE(LoadGame(catalogue.File(), other, game).Ok());
            DealGame(game, test::Number("8888"), context);
            for (int c = 1; c <= 108; c += 2)
                game.cards.SetCardFace(c, kFaceDown);
            for (int c = 2; c <= 108; c += 2)
                game.cards.SetCardFace(c, kFaceUp);

            ASSERT_TRUE(LoadGame(catalogue.File(), id, game).Ok());
            Random second(5);
            context.random = &second;
            DealGame(game, test::Number(n), context);
            EXPECT_EQ(game.piles, piles) << id << " " << n;
            EXPECT_EQ(game.def, def);
            for (int c = 1; c <= 108; ++c)
                EXPECT_EQ(game.cards.Entry(c), cards.Entry(c)) << c;
        }
    }
}

}  // namespace
}  // namespace tindle
