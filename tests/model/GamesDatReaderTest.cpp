#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "model/Game.h"
#include "model/GamesDat.h"
#include "model/GamesDatFixture.h"

namespace tindle {
namespace {

using test::Lines;
using test::StoredCatalogueLine;
using test::StoredFieldLine;

// Two games, Alpha (id 1, column 0) and Beta (id 2, column 1); a class 1 game between them
// has no column.
class GamesDatReaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        file = dir.Path() / "GAMES.DAT";
        Write({StoredFieldLine("0031", {"13", "7"}), StoredFieldLine("0048", {"1", "-1"}),
               StoredFieldLine("0128", {"   12", "0"}), StoredFieldLine(" 304", {"8", "-32768"})});
    }
    // The given field lines, then a line of zeros for every other field but `omitted`.
    void Write(const std::vector<std::string>& fieldLines, int omitted = -1) {
        std::vector<std::string> lines = {
            "[Sect1]",
            StoredCatalogueLine("004", "001", '0', "Alpha"),
            StoredCatalogueLine("004", "009", '1', "Hidden"),
            StoredCatalogueLine("005", "002", '2', "Beta"),
            "[Sect2]",
        };
        lines.insert(lines.end(), fieldLines.begin(), fieldLines.end());
        std::vector<bool> given(GameDef::kFields, false);
        for (const auto& line : fieldLines) {
            const int index = std::atoi(line.substr(0, 4).c_str());
            if (index >= 0 && index < GameDef::kFields) given[static_cast<size_t>(index)] = true;
        }
        for (int index = 0; index < GameDef::kFields; ++index) {
            if (given[static_cast<size_t>(index)] || index == omitted) continue;
            char digits[8];
            std::snprintf(digits, sizeof digits, "%04d", index);
            lines.push_back(StoredFieldLine(digits, {"0", "0"}));
        }
        test::WriteFile(file, Lines(lines));
        ASSERT_TRUE(catalogue.Read(file).Ok());
    }
    // The line number in the file of field line i (0-based), as errors report it.
    static std::string LineTag(int i) { return "GAMES.DAT:" + std::to_string(6 + i) + ": "; }

    test::TempDir dir;
    std::filesystem::path file;
    Catalogue catalogue;
};

TEST_F(GamesDatReaderTest, StoresEachGamesColumnByTheLinesIndex) {
    GameDef def;
    def[gd::GroupRule] = 5;
    DealFieldsCopy saved;
    ASSERT_TRUE(LoadGameDefinition(catalogue, 1, def, saved).Ok());
    EXPECT_EQ(def[gd::FoundationCapacity], 13);
    EXPECT_EQ(def[gd::FoundationBase], 1);
    EXPECT_EQ(def[gd::TableauBase], 12);  // leading blanks accepted
    EXPECT_EQ(def[gd::TableauCount], 8);  // index written " 304"
    EXPECT_EQ(def[gd::GroupRule], 0);

    GameDef beta;
    ASSERT_TRUE(LoadGameDefinition(catalogue, 2, beta, saved).Ok());
    EXPECT_EQ(beta[gd::FoundationCapacity], 7);
    EXPECT_EQ(beta[gd::FoundationBase], -1);
    EXPECT_EQ(beta[gd::TableauCount], -32768);
}

TEST_F(GamesDatReaderTest, TakesTheDealFieldsCopyThatRestoreBringsBack) {
    Game game;
    ASSERT_TRUE(LoadGameDefinition(catalogue, 1, game).Ok());
    game.def.At(gd::FoundationBase, 0) = 9;  // a deal rewrites bases ...
    game.def.At(gd::TableauBase, 0) = 4;
    game.def[gd::FoundationCapacity] = 99;  // ... but nothing else is restored
    RestoreDealFields(game);
    EXPECT_EQ(game.def.At(gd::FoundationBase, 0), 1);
    EXPECT_EQ(game.def.At(gd::TableauBase, 0), 12);
    EXPECT_EQ(game.def[gd::FoundationCapacity], 99);
}

TEST_F(GamesDatReaderTest, RereadsTheFileOnEveryLoad) {
    GameDef def;
    DealFieldsCopy saved;
    ASSERT_TRUE(LoadGameDefinition(catalogue, 1, def, saved).Ok());
    EXPECT_EQ(def[gd::FoundationCapacity], 13);
    Write({StoredFieldLine("0031", {"11", "7"})});
    ASSERT_TRUE(LoadGameDefinition(catalogue, 1, def, saved).Ok());
    EXPECT_EQ(def[gd::FoundationCapacity], 11);
}

// Every damaged line stops the load with the file, line and field named, and nothing loaded.
TEST_F(GamesDatReaderTest, ErrorsNameLineAndFieldAndLoadNothing) {
    struct Case {
        std::string line;
        std::string expected;  // after the line tag
    };
    const std::array<Case, 6> cases = {{
        {StoredFieldLine("0031", {"1x", "7"}),
         "field 31 (FoundationCapacity): '1x' is not a valid integer"},
        {"0311" + std::string(12, ' '),
         "field 311 (TableauDealCount[0]): the line ends before the value of game 1"},
        {StoredFieldLine("0031", {"", "7"}),
         "field 31 (FoundationCapacity): the value of game 1 is empty"},
        {StoredFieldLine("0031", {"40000", "7"}),
         "field 31 (FoundationCapacity): 40000 does not fit a 16-bit field"},
        {StoredFieldLine("0402", {"1", "1"}), "the field index 402 is outside 0..401"},
        {StoredFieldLine("ab", {"1", "1"}), "the field index 'ab' in columns 1-4 is not a number"},
    }};
    for (const auto& c : cases) {
        // The damaged line comes after good ones, which must not be kept either.
        Write({StoredFieldLine("0048", {"3", "3"}), StoredFieldLine("0128", {"5", "5"}), c.line});
        GameDef def;
        def[gd::FoundationBase] = 42;
        const GameDef before = def;
        DealFieldsCopy saved;
        saved.Take(def);
        const auto status = LoadGameDefinition(catalogue, 1, def, saved);
        EXPECT_FALSE(status.Ok()) << c.expected;
        EXPECT_NE(status.error.find(LineTag(2) + c.expected), std::string::npos) << status.error;
        EXPECT_EQ(def, before) << c.expected;
        GameDef restored;
        saved.RestoreInto(restored);
        EXPECT_EQ(restored[gd::FoundationBase], 42) << "saved copy changed: " << c.expected;
    }
}

// A file cut short loses its last fields: loading any game of it fails, naming the first
// field without a line, rather than dealing with those fields zero.
TEST_F(GamesDatReaderTest, AFieldWithoutALineStopsTheLoad) {
    Write({StoredFieldLine("0031", {"13", "7"})}, gd::GroupRule);
    GameDef def;
    def[gd::FoundationCapacity] = 42;
    const GameDef before = def;
    DealFieldsCopy saved;
    const auto status = LoadGameDefinition(catalogue, 1, def, saved);
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("GAMES.DAT: field 2 (GroupRule): the [Sect2] section has no line "
                                "for this field (it has 401 lines)"),
              std::string::npos)
        << status.error;
    EXPECT_EQ(def, before);
}

TEST_F(GamesDatReaderTest, AValueOfALaterColumnPastTheLineEndFailsOnlyThatGame) {
    Write({StoredFieldLine("0031", {"13"})});  // only Alpha's value on the line
    GameDef def;
    DealFieldsCopy saved;
    EXPECT_TRUE(LoadGameDefinition(catalogue, 1, def, saved).Ok());
    const auto status = LoadGameDefinition(catalogue, 2, def, saved);
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("game 2 (column 1)"), std::string::npos) << status.error;
}

TEST_F(GamesDatReaderTest, GamesOutsideTheCatalogueAndMissingFilesLoadNothing) {
    GameDef def;
    def[gd::TableauCount] = 3;
    const GameDef before = def;
    DealFieldsCopy saved;
    for (int id : {9, 3, 8000}) {  // class 1, absent, customized
        const auto status = LoadGameDefinition(catalogue, id, def, saved);
        EXPECT_FALSE(status.Ok()) << id;
        EXPECT_NE(status.error.find("game " + std::to_string(id)), std::string::npos)
            << status.error;
    }
    std::filesystem::remove(file);
    const auto status = LoadGameDefinition(catalogue, 1, def, saved);
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("GAMES.DAT"), std::string::npos);
    EXPECT_EQ(def, before);
}

TEST_F(GamesDatReaderTest, ReadGameInfoAddressesLinesByPositionAndSkipsMinusOne) {
    // Position 0..3 hold the lines of fields 31, 48, 128, 304 here: ReadGameInfo does not
    // look at the index columns.
    std::vector<int> values = {7};
    const std::vector<int> wanted = {3, -1, 0, 2};
    ASSERT_TRUE(ReadGameInfo(catalogue, 2, wanted, values).Ok());
    EXPECT_EQ(values, (std::vector<int>{-32768, kGameInfoUnread, 7, 0}));

    const std::vector<int> beyond = {0, GameDef::kFields};
    const auto status = ReadGameInfo(catalogue, 2, beyond, values);
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("no line at position 402"), std::string::npos) << status.error;
    EXPECT_EQ(values, (std::vector<int>{-32768, kGameInfoUnread, 7, 0}));  // unchanged
    EXPECT_FALSE(ReadGameInfo(catalogue, 9, wanted, values).Ok());
}

TEST_F(GamesDatReaderTest, LoadGameReplacesTheWholeDefinitionOnlyOnSuccess) {
    Game game;
    game.def[gd::GroupRule] = 5;
    ASSERT_TRUE(LoadGame(file, 2, game).Ok());
    EXPECT_EQ(game.def[gd::GroupRule], 0);  // cleared before the load
    EXPECT_EQ(game.def[gd::FoundationCapacity], 7);
    game.def.At(gd::FoundationBase, 0) = 4;
    RestoreDealFields(game);
    EXPECT_EQ(game.def.At(gd::FoundationBase, 0), -1);

    const GameDef before = game.def;
    EXPECT_FALSE(LoadGame(file, 5, game).Ok());
    EXPECT_FALSE(LoadGame(dir.Path() / "none.dat", 1, game).Ok());
    EXPECT_EQ(game.def, before);
}

TEST_F(GamesDatReaderTest, AFileWithoutFieldsSectionIsAnError) {
    test::WriteFile(file, Lines({"[Sect1]", StoredCatalogueLine("004", "001", '0', "Alpha")}));
    ASSERT_TRUE(catalogue.Read(file).Ok());
    GameDef def;
    DealFieldsCopy saved;
    const auto status = LoadGameDefinition(catalogue, 1, def, saved);
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("[Sect2]"), std::string::npos);
}

}  // namespace
}  // namespace tindle
