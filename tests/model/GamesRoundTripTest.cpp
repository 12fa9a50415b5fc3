#include <gtest/gtest.h>

#include <algorithm>

#include "model/Card.h"
#include "model/Game.h"
#include "model/GameCompiler.h"
#include "model/GamesDat.h"
#include "model/Legality.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

std::vector<SourceText> AllGameSources() {
    std::vector<SourceText> sources;
    for (const auto& entry : std::filesystem::directory_iterator(test::SourceDir() / "games")) {
        if (entry.path().extension() != ".game") continue;
        sources.push_back({entry.path().string(), test::ReadFile(entry.path())});
    }
    std::sort(sources.begin(), sources.end(),
              [](const SourceText& a, const SourceText& b) { return a.file < b.file; });
    return sources;
}

std::string AllErrors(const CompileResult& r) {
    std::string all;
    for (const auto& e : r.errors)
        all += e + "\n";
    return all;
}

// Every game of games/ compiles, and reading the compiled file back gives each game's
// catalogue line and exactly its source values (0 where the source sets nothing).
TEST(GamesRoundTrip, EveryGameReadsBackAsWritten) {
    const auto sources = AllGameSources();
    ASSERT_GE(sources.size(), 2u);
    const auto result = CompileGames(sources);
    ASSERT_TRUE(result.Ok()) << AllErrors(result);

    test::TempDir dir;
    const auto file = dir.Path() / "GAMES.DAT";
    ASSERT_TRUE(WriteFileReplacing(file, GamesDatBytes(result.games)).Ok());
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(file).Ok());
    ASSERT_EQ(catalogue.Entries().size(), result.games.size());

    for (size_t k = 0; k < result.games.size(); ++k) {
        const GameSource& source = result.games[k];
        SCOPED_TRACE(source.file);
        const CatalogueEntry& entry = catalogue.Entries()[k];
        EXPECT_EQ(entry.gameId, source.gameId);
        EXPECT_EQ(entry.type, source.type);
        EXPECT_EQ(entry.availability, source.availability);
        EXPECT_EQ(entry.attribute, source.attribute);
        EXPECT_EQ(entry.name, source.name);
        EXPECT_EQ(catalogue.ColumnOf(source.gameId), static_cast<int>(k));

        GameDef def;
        def.Clear();
        DealFieldsCopy saved;
        ASSERT_TRUE(LoadGameDefinition(catalogue, source.gameId, def, saved).Ok());
        for (int i = 0; i < GameDef::kFields; ++i) {
            EXPECT_EQ(def[i], source.IsSet(i) ? source.def[i] : 0) << FieldLabel(i);
        }
    }
}

// The build's GAMES.DAT is what the compiler makes of games/ today.
TEST(GamesRoundTrip, TheBuiltFileMatchesTheSources) {
    const auto result = CompileGames(AllGameSources());
    ASSERT_TRUE(result.Ok()) << AllErrors(result);
    EXPECT_EQ(test::ReadFile(test::ProgramDir() / "GAMES.DAT"), GamesDatBytes(result.games));
}

// The first games, loaded from the built file, play by their rules.
class FirstGamesTest : public ::testing::Test {
  protected:
    void Load(int gameId) {
        const auto status = LoadGame(test::ProgramDir() / "GAMES.DAT", gameId, game);
        ASSERT_TRUE(status.Ok()) << status.error;
    }
    static int Card(int suit, int rank) { return suit * 13 + rank; }  // 0 hearts .. 3 spades
    Game game;
};

constexpr int kHearts = 0;
constexpr int kClubs = 2;
constexpr int kSpades = 3;

TEST_F(FirstGamesTest, FreecellColumnsCellsAndFoundations) {
    Load(1);
    // Any card goes to an empty column; a column is built down in alternating colours.
    EXPECT_TRUE(CanPlaceOnColumn(game, 0, Card(kHearts, 5), true));
    game.piles.fila[0] = CardText(Card(kSpades, 7));
    EXPECT_TRUE(CanPlaceOnColumn(game, 0, Card(kHearts, 6), true));
    EXPECT_FALSE(CanPlaceOnColumn(game, 0, Card(kClubs, 6), true));
    EXPECT_FALSE(CanPlaceOnColumn(game, 0, Card(kHearts, 8), true));
    // Nothing goes on an Ace in a column.
    game.piles.fila[1] = CardText(Card(kSpades, 1));
    EXPECT_FALSE(CanPlaceOnColumn(game, 1, Card(kHearts, 13), true));
    // A free cell takes any card.
    EXPECT_TRUE(CanPlaceOnReserve(game, 3, Card(kClubs, 12), true));
    // Foundations: an Ace first, then up in its suit.
    EXPECT_FALSE(CanPlaceOnFoundation(game, 0, Card(kHearts, 2), true));
    EXPECT_TRUE(CanPlaceOnFoundation(game, 0, Card(kHearts, 1), true));
    game.piles.dest[0] = CardText(Card(kHearts, 1));
    EXPECT_TRUE(CanPlaceOnFoundation(game, 0, Card(kHearts, 2), true));
    EXPECT_FALSE(CanPlaceOnFoundation(game, 0, Card(kClubs, 2), true));
    game.piles.dest[1] = CardText(Card(kClubs, 13));
    EXPECT_FALSE(CanPlaceOnFoundation(game, 1, Card(kClubs, 1), true));  // no wrap past the King
}

TEST_F(FirstGamesTest, KlondikeTakesOnlyAKingInAnEmptyColumn) {
    Load(2);
    EXPECT_TRUE(CanPlaceOnColumn(game, 6, Card(kSpades, 13), true));
    EXPECT_FALSE(CanPlaceOnColumn(game, 6, Card(kSpades, 12), true));
    game.piles.fila[6] = CardText(Card(kSpades, 13));
    EXPECT_TRUE(CanPlaceOnColumn(game, 6, Card(kHearts, 12), true));
    EXPECT_FALSE(CanPlaceOnColumn(game, 6, Card(kClubs, 12), true));
    EXPECT_TRUE(CanPlaceOnFoundation(game, 3, Card(kSpades, 1), true));
    EXPECT_FALSE(CanPlaceOnFoundation(game, 3, Card(kSpades, 13), true));
}

}  // namespace
}  // namespace tindle
