#include <gtest/gtest.h>

#include <algorithm>

#include "model/GameCompiler.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

// A small playable game: two columns dealt 26 each, one foundation.
const char* const kGood = R"(# a test game
Id = 7
Type = 4
Class = 0
Attribute = Z
Name = Test game   # trailing comment
DeckCards = 52
TableauCount = 2
TableauDealCount = 26 26
TableauFaceMode[1] = 26
tableaubase = -1 'Q'
FoundationCount = 1
FoundationCapacity = 13
FoundationComplete = -1
ColumnMaxCards = -1
GroupSizeRule = -5
)";

CompileResult Compile(std::vector<SourceText> sources) {
    return CompileGames(sources);
}

// The errors must include one that starts with `where` and contains `what`.
void ExpectError(const CompileResult& r, const std::string& where, const std::string& what) {
    const bool found = std::any_of(r.errors.begin(), r.errors.end(), [&](const std::string& e) {
        return e.rfind(where, 0) == 0 && e.find(what) != std::string::npos;
    });
    std::string all;
    for (const auto& e : r.errors)
        all += e + "\n";
    EXPECT_TRUE(found) << "expected " << where << " ... " << what << "\nerrors:\n" << all;
    EXPECT_FALSE(r.Ok());
}

TEST(GameCompiler, ReadsCatalogueDataAndFieldsByNameArrayAndElement) {
    const auto r = Compile({{"t.game", kGood}});
    ASSERT_TRUE(r.Ok()) << r.errors.front();
    ASSERT_EQ(r.games.size(), 1u);
    const GameSource& g = r.games[0];
    EXPECT_EQ(g.gameId, 7);
    EXPECT_EQ(g.type, 4);
    EXPECT_EQ(g.availability, '0');
    EXPECT_EQ(g.attribute, 'Z');
    EXPECT_EQ(g.name, "Test game");
    EXPECT_EQ(g.def.At(gd::TableauDealCount, 1), 26);
    EXPECT_EQ(g.def.At(gd::TableauFaceMode, 0), 0);
    EXPECT_EQ(g.def.At(gd::TableauFaceMode, 1), 26);
    EXPECT_EQ(g.def.At(gd::TableauBase, 1), 'Q');
    EXPECT_EQ(g.line[gd::TableauBase + 1], 11);
    EXPECT_FALSE(g.IsSet(gd::GroupRule));
    EXPECT_EQ(g.def[gd::GroupRule], 0);
}

TEST(GameCompiler, RejectsBadAssignmentsWithFileAndLine) {
    auto withLine = [](const std::string& extra) { return std::string(kGood) + extra + "\n"; };
    // kGood has 16 lines (its last newline ends line 16), so an extra line is line 17.
    struct Case {
        std::string extra;
        std::string what;
    };
    const std::vector<Case> cases = {
        {"TablauBase = 1", "unknown field name 'TablauBase'"},
        {"GroupRule = 1 2", "GroupRule takes one value, 2 given"},
        {"FoundationCount[0] = 1", "FoundationCount is a single field"},
        {"ReserveCount = 11", "ReserveCount: 11 is out of range 0..10"},
        {"TableauFaceMode = -4", "TableauFaceMode[0]: -4 is out of range -3..108"},
        {"FoundationBase[15] = 1 1",
         "FoundationBase has 16 elements; 2 values from element 15 overflow it"},
        {"FoundationBase[16] = 1", "FoundationBase[16] is past its last element"},
        {"StockDealCount = twelve", "StockDealCount: 'twelve' is not an integer"},
        {"TableauBase[1] = 3", "TableauBase[1] is already set on line 11"},
        {"FoundationCapacity = 12", "FoundationCapacity is already set on line 13"},
        {"Name = Other", "name is already given on line 6"},
        {"Id = 8", "id is already given on line 2"},
        {"StockDealCount 12", "expected 'Name = value'"},
        {"StockDealCount =", "no value given for 'StockDealCount'"},
        {"Name[2] = 1", "unknown field name 'Name'"},
        {"SpecialGame = 5", "SpecialGame = 5 is not a known code"},
        {"TableauRule[2] = 3 9", "TableauRule[3] = 9 is not a known code"},
    };
    for (const auto& c : cases) {
        ExpectError(Compile({{"games/t.game", withLine(c.extra)}}), "games/t.game:17: ", c.what);
    }
}

TEST(GameCompiler, ChecksTheCatalogueData) {
    auto replaced = [](const std::string& from, const std::string& to) {
        std::string s = kGood;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    ExpectError(Compile({{"t", replaced("Id = 7", "Id = 1000")}}),
                "t:2: ", "Id must be a number 0..999");
    ExpectError(Compile({{"t", replaced("Type = 4", "Type = four")}}),
                "t:3: ", "Type must be a number");
    ExpectError(Compile({{"t", replaced("Class = 0", "Class = 02")}}),
                "t:4: ", "Class must be one digit");
    ExpectError(Compile({{"t", replaced("Attribute = Z", "Attribute = ZZ")}}),
                "t:5: ", "Attribute must be one printable character");
    ExpectError(Compile({{"t", replaced("Name = Test game", "Name = " + std::string(51, 'x'))}}),
                "t:6: ", "Name is longer than 50 characters");
    ExpectError(Compile({{"t", replaced("Name = Test game", "Name = Caf\xc3\xa9")}}),
                "t:6: ", "Name may hold only printable ASCII characters");
}

TEST(GameCompiler, RequiresTheCatalogueData) {
    const auto r = Compile({{"t.game", "Type = 4\nClass = 0\n"}});
    ExpectError(r, "t.game:1: ", "the game has no Id");
    ExpectError(r, "t.game:1: ", "the game has no Name");
}

TEST(GameCompiler, RefusesAGameIdUsedTwice) {
    std::string other = kGood;
    other.replace(other.find("Name = Test game"), 16, "Name = Other   ");
    const auto r = Compile({{"a.game", kGood}, {"b.game", other}});
    ExpectError(r, "b.game:2: ", "GameId 7 is already used by a.game:2");
    EXPECT_TRUE(r.games.empty());
}

TEST(GameCompiler, OrdersGamesByIdWhateverTheFileOrder) {
    std::string second = kGood;
    second.replace(second.find("Id = 7"), 6, "Id = 3");
    const auto a = Compile({{"a.game", kGood}, {"b.game", second}});
    const auto b = Compile({{"b.game", second}, {"a.game", kGood}});
    ASSERT_TRUE(a.Ok());
    ASSERT_TRUE(b.Ok());
    EXPECT_EQ(a.games[0].gameId, 3);
    EXPECT_EQ(a.games[1].gameId, 7);
    EXPECT_EQ(GamesDatBytes(a.games), GamesDatBytes(b.games));
}

// Values that are in range but would break play.
TEST(GameCompiler, ChecksFieldsThatSilentlyBreakPlay) {
    auto replaced = [](const std::string& from, const std::string& to) {
        std::string s = kGood;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    ExpectError(Compile({{"t", replaced("ColumnMaxCards = -1", "ColumnMaxCards = 0")}}),
                "t:15: ", "ColumnMaxCards must be -1 (no limit) or positive");
    ExpectError(Compile({{"t", replaced("ColumnMaxCards = -1", "")}}),
                "t:8: ", "ColumnMaxCards must be -1 (no limit) or positive");
    ExpectError(Compile({{"t", replaced("FoundationCapacity = 13", "")}}),
                "t:12: ", "FoundationCapacity must be set");
    // A discard pile (rule DiscardBelowHigher) complete at a count of its own never reads it.
    EXPECT_TRUE(Compile({{"t", replaced("FoundationCapacity = 13\nFoundationComplete = -1",
                                        "FoundationRule = 22\nFoundationComplete = 48")}})
                    .Ok());
    ExpectError(Compile({{"t", replaced("FoundationCapacity = 13", "FoundationRule = 22")}}),
                "t:12: ", "FoundationCapacity must be set");
    ExpectError(Compile({{"t", replaced("FoundationComplete = -1", "")}}),
                "t:12: ", "FoundationComplete[0] is not set for a used foundation");
    ExpectError(Compile({{"t", replaced("FoundationComplete = -1", "FoundationComplete = 0")}}),
                "t:14: ", "FoundationComplete[0] must be -1 or a card count");
    ExpectError(Compile({{"t", replaced("GroupSizeRule = -5", "GroupSizeRule = 0")}}),
                "t:16: ", "GroupSizeRule must not be 0");
    // A pairing game's clicks do not lift cards: no group size needed.
    EXPECT_TRUE(Compile({{"t", replaced("GroupSizeRule = -5", "SpecialGame = 4")}}).Ok());
    // Nor do columns that are all locked, but one locked column of two still lifts.
    EXPECT_TRUE(Compile({{"t", replaced("GroupSizeRule = -5",
                                        "FillSkipGroups = 1\nFillSkipGroupSize = 2")}})
                    .Ok());
    ExpectError(Compile({{"t", replaced("GroupSizeRule = -5",
                                        "FillSkipGroups = 1\nFillSkipGroupSize = 1")}}),
                "t:8: ", "GroupSizeRule must not be 0");
    // Columns that take nothing never read their limit; one that takes cards does.
    EXPECT_TRUE(Compile({{"t", replaced("ColumnMaxCards = -1", "TableauRule = 4 5")}}).Ok());
    ExpectError(Compile({{"t", replaced("ColumnMaxCards = -1", "TableauRule = 4 0")}}),
                "t:8: ", "ColumnMaxCards must be -1 (no limit) or positive");
    ExpectError(Compile({{"t", std::string(kGood) + "WasteUsed = 1\n"}}),
                "t:17: ", "StockTurnCount must be at least 1");
    ExpectError(Compile({{"t", replaced("DeckCards = 52", "DeckCards = 78")}}),
                "t:7: ", "DeckCards must be 1..52 (one deck) or 104");
    ExpectError(Compile({{"t", replaced("26 26", "26 25")}}),
                "t:7: ", "the deal places 51 cards but the deck holds 52");
    ExpectError(Compile({{"t", replaced("26 26", "26 25 1")}}), "t:9: ",
                "TableauDealCount[2] deals to a column the game does not use (TableauCount is 2)");
    // The stock and starting cards count too.
    EXPECT_TRUE(Compile({{"t", replaced("26 26", "26 24") +
                                   "StockDealCount = 1\nFoundationStartCard = 1\n"}})
                    .Ok());
}

TEST(GamesDatWriter, WritesTheCatalogueLineAndValueColumnsExactly) {
    const auto r = Compile({{"t.game", kGood}});
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(CatalogueLineText(r.games[0]), "004 0070 ZTest game" + std::string(41, ' '));
    const std::string bytes = GamesDatBytes(r.games);
    // Catalogue: "004 0070 Z..." transformed: digits go up by 48, blanks become 'P'.
    EXPECT_EQ(bytes.substr(0, 9 + 10), "[Sect1]\r\n``dP``g`P*");
    // Field 12 (GroupSizeRule) -5: '-' stored as ']', '5' as 'e', eight blanks as 'P'.
    const std::string line12 = "0012 GroupSizeRu]ePPPPPPPP \r\n";
    EXPECT_NE(bytes.find("[Sect2]\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(line12), std::string::npos);
    EXPECT_NE(bytes.find("0000            `PPPPPPPPP \r\n"), std::string::npos);
    EXPECT_NE(bytes.find("0401            `PPPPPPPPP \r\n"), std::string::npos);
    // One line per field after the catalogue.
    const size_t sect2 = bytes.find("[Sect2]\r\n") + 9;
    EXPECT_EQ(std::count(bytes.begin() + static_cast<long>(sect2), bytes.end(), '\n'), 402);
}

TEST(GamesDatWriter, ReplacesAFileWholeOrNotAtAll) {
    test::TempDir dir;
    const auto file = dir.Path() / "GAMES.DAT";
    ASSERT_TRUE(WriteFileReplacing(file, "first").Ok());
    ASSERT_TRUE(WriteFileReplacing(file, "second").Ok());
    EXPECT_EQ(test::ReadFile(file), "second");

    const auto status = WriteFileReplacing(dir.Path() / "no" / "GAMES.DAT", "x");
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("no/GAMES.DAT"), std::string::npos);
    // No temporary files are left beside the file.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace tindle
