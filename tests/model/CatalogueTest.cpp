#include <gtest/gtest.h>

#include "model/Catalogue.h"
#include "model/GamesDatFixture.h"

namespace tindle {
namespace {

using test::Lines;
using test::StoredCatalogueLine;

class CatalogueTest : public ::testing::Test {
  protected:
    std::filesystem::path Write(const std::string& text) {
        const auto file = dir.Path() / "GAMES.DAT";
        test::WriteFile(file, text);
        return file;
    }
    test::TempDir dir;
};

TEST_F(CatalogueTest, KeepsClassZeroAndTwoInFileOrderAndReadsTheColumns) {
    Catalogue c;
    const auto file = Write(Lines({
        "[Sect1]",
        StoredCatalogueLine("005", "002", '0', "Klondike   "),
        StoredCatalogueLine("004", "007", '1', "Hidden"),  // class 1: not in the catalogue
        StoredCatalogueLine("012", "001", '2', "Freecell"),
        TransformText("004 0030"),  // short line: no attribute, no name
        StoredCatalogueLine("004", "009", '3', "Other"),
        "[Sect2]",
    }));
    ASSERT_TRUE(c.Read(file).Ok());
    ASSERT_EQ(c.Entries().size(), 3u);
    const auto& k = c.Entries()[0];
    EXPECT_EQ(k.type, 5);
    EXPECT_EQ(k.gameId, 2);
    EXPECT_EQ(k.availability, '0');
    EXPECT_EQ(k.name, "Klondike");  // trailing blanks removed
    EXPECT_EQ(k.text.substr(0, 8), "005 0020");
    // The class 1 line is skipped, so game 1 moves up to column 1.
    EXPECT_EQ(c.Entries()[1].gameId, 1);
    EXPECT_EQ(c.Entries()[1].availability, '2');
    EXPECT_EQ(c.ColumnOf(1), 1);
    EXPECT_EQ(c.ColumnOf(3), 2);
    EXPECT_EQ(c.Entries()[2].name, "");
    EXPECT_EQ(c.ColumnOf(7), -1);
    EXPECT_EQ(c.GameName(1), "Freecell");
    EXPECT_EQ(c.GameName(7), "");
    EXPECT_EQ(c.File(), file);
}

TEST_F(CatalogueTest, ColumnLookupTriesPositionFirstThenSearchesFromTheStart) {
    Catalogue c;
    ASSERT_TRUE(c.Read(Write(Lines({
                           "[Sect1]", StoredCatalogueLine("004", "001", '0', "A"),  // 0
                           StoredCatalogueLine("004", "001", '0', "B"),  // 1: id 1 at position 1
                           StoredCatalogueLine("004", "005", '0', "C"),  // 2
                           StoredCatalogueLine("004", "000", '0', "D"),  // 3
                       })))
                    .Ok());
    EXPECT_EQ(c.ColumnOf(1), 1);  // position 1 holds id 1, though position 0 does too
    EXPECT_EQ(c.GameName(1), "B");
    EXPECT_EQ(c.ColumnOf(0), 3);  // position 0 holds id 1: searched
    EXPECT_EQ(c.ColumnOf(5), 2);  // position 5 does not exist: searched
    EXPECT_EQ(c.ColumnOf(-1), -1);
}

TEST_F(CatalogueTest, CustomizedIdsAreNeverLookedUp) {
    Catalogue c;
    // Three-digit ids cannot name 8000, but the lookup must refuse it before any search.
    ASSERT_TRUE(
        c.Read(Write(Lines({"[Sect1]", StoredCatalogueLine("004", "800", '0', "X")}))).Ok());
    EXPECT_EQ(c.ColumnOf(800), 0);
    EXPECT_EQ(c.ColumnOf(8000), -1);
    EXPECT_EQ(c.ColumnOf(8123), -1);
    EXPECT_EQ(c.GameName(8000), "");
}

TEST_F(CatalogueTest, RepeatedSectionHeadersAddTheirLinesInFileOrder) {
    Catalogue c;
    ASSERT_TRUE(c.Read(Write(Lines({
                           "[Sect1]",
                           StoredCatalogueLine("004", "001", '0', "A"),
                           "[Sect2]",
                           "0000",
                           "[Sect1]",
                           StoredCatalogueLine("004", "002", '0', "B"),
                       })))
                    .Ok());
    ASSERT_EQ(c.Entries().size(), 2u);
    EXPECT_EQ(c.Entries()[1].name, "B");
}

TEST_F(CatalogueTest, DamagedFilesGiveAnErrorAndKeepTheCatalogue) {
    Catalogue c;
    ASSERT_TRUE(
        c.Read(Write(Lines({"[Sect1]", StoredCatalogueLine("004", "001", '0', "A")}))).Ok());

    auto status = c.Read(Write(Lines({"[Sect1]", StoredCatalogueLine("004", "0x1", '0', "Bad")})));
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("GAMES.DAT:2:"), std::string::npos) << status.error;
    EXPECT_NE(status.error.find("0x1"), std::string::npos) << status.error;

    status = c.Read(Write(Lines({"[Sect1]", StoredCatalogueLine("0y4", "001", '0', "Bad")})));
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("type"), std::string::npos) << status.error;

    status = c.Read(Write("no sections here\r\n"));
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("[Sect1]"), std::string::npos);

    status = c.Read(dir.Path() / "missing" / "GAMES.DAT");
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("missing/GAMES.DAT"), std::string::npos);

    ASSERT_EQ(c.Entries().size(), 1u);  // the first catalogue is still there
    EXPECT_EQ(c.GameName(1), "A");
}

}  // namespace
}  // namespace tindle
