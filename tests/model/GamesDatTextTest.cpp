#include <gtest/gtest.h>

#include <sys/stat.h>

#include "model/GamesDatText.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

TEST(GamesDatTransform, MapsAroundEightyAndIsItsOwnInverseOnPrintableText) {
    EXPECT_EQ(TransformChar('a'), '1');  // 97 -> 49
    EXPECT_EQ(TransformChar('1'), 'a');  // 49 -> 97
    EXPECT_EQ(TransformChar(' '), 'P');  // 32 -> 80
    EXPECT_EQ(TransformChar('P'), ' ');
    EXPECT_EQ(TransformChar('-'), ']');  // the sign of negative values
    EXPECT_EQ(TransformChar(79), 127);
    EXPECT_EQ(TransformChar(200), 152);  // bytes count unsigned
    for (int c = 32; c <= 127; ++c) {
        EXPECT_EQ(TransformChar(TransformChar(static_cast<unsigned char>(c))), c) << c;
    }
    EXPECT_EQ(TransformText("Klondike 12"), "{<?>49;5Pab");
}

TEST(GamesDatValues, LeadingBlanksAreAcceptedTrailingOnesRemovedBeforeReading) {
    // Three blanks, 12, five blanks (after the transform) read as 12.
    const std::string line = std::string(16, ' ') + TransformText("   12     ") + " ";
    ASSERT_TRUE(FieldValueText(line, 0));
    EXPECT_EQ(*FieldValueText(line, 0), "   12");
    EXPECT_EQ(ParseDecimal(*FieldValueText(line, 0)), 12);

    EXPECT_EQ(ParseDecimal("-1"), -1);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_FALSE(ParseDecimal(""));
    EXPECT_FALSE(ParseDecimal("   "));
    EXPECT_FALSE(ParseDecimal("-"));
    EXPECT_FALSE(ParseDecimal("1 2"));
    EXPECT_FALSE(ParseDecimal("12x"));
    EXPECT_FALSE(ParseDecimal("0x1F"));
    EXPECT_FALSE(ParseDecimal("99999999999999999999"));
    // An untransformed value is not a number: its blanks read as 'P'.
    EXPECT_FALSE(ParseDecimal(TransformText("12        ")));
}

TEST(GamesDatValues, ColumnsFollowTheStrideAndEndWithTheLine) {
    const std::string line =
        "0007" + std::string(12, ' ') + TransformText("4         ") + " " + TransformText("-15");
    EXPECT_EQ(FieldValueText(line, 0), "4");
    EXPECT_EQ(FieldValueText(line, 1), "-15");  // cut short by the line end
    EXPECT_FALSE(FieldValueText(line, 2));      // past the line end
    EXPECT_FALSE(FieldValueText("0007", 0));
    EXPECT_EQ(FieldValueText(std::string(16, ' ') + "PP", 0), "");  // present but blank
}

TEST(GamesDatSections, CollectRepeatedHeadersInFileOrderCaseSensitively) {
    test::TempDir dir;
    const auto file = dir.Path() / "GAMES.DAT";
    test::WriteFile(file,
                    "intro\r\n[Sect2]\r\nb1\r\n[Sect1] trailing text\r\na1\r\n\r\n[sect1]\r\nx\r\n"
                    "[Other]\r\ny\r\n[Sect1]\r\na2\nlast");
    GamesDatLines lines;
    ASSERT_TRUE(lines.Read(file).Ok());
    bool found = false;
    const auto sect1 = lines.Section("[Sect1]", &found);
    EXPECT_TRUE(found);
    ASSERT_EQ(sect1.size(), 4u);
    EXPECT_EQ(sect1[0].text, "a1");
    EXPECT_EQ(sect1[0].lineNumber, 5);
    EXPECT_EQ(sect1[1].text, "");  // an empty line belongs to the section
    EXPECT_EQ(sect1[2].text, "a2");
    EXPECT_EQ(sect1[3].text, "last");
    EXPECT_EQ(sect1[3].lineNumber, 13);
    lines.Section("[Sect3]", &found);
    EXPECT_FALSE(found);
}

TEST(GamesDatSections, AMissingFileNamesTheFileAndTheReason) {
    test::TempDir dir;
    GamesDatLines lines;
    const auto status = lines.Read(dir.Path() / "NOPE.DAT");
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.error.find("NOPE.DAT"), std::string::npos);
    EXPECT_NE(status.error.find("No such file"), std::string::npos);
}

// A FIFO would wait for a writer forever and /dev/zero never ends; neither is read, and a file
// larger than any game definitions file is refused after its first 16 MB.
TEST(GamesDatSections, OnlyARegularFileOfSensibleSizeIsRead) {
    test::TempDir dir;
    GamesDatLines lines;
    ASSERT_EQ(::mkfifo((dir.Path() / "FIFO.DAT").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.Path() / "ZERO.DAT");
    test::WriteFile(dir.Path() / "HUGE.DAT", "[Sect1]\n");
    std::filesystem::resize_file(dir.Path() / "HUGE.DAT", kMaxGamesDatBytes + 1);
    for (const char* name : {"FIFO.DAT", "ZERO.DAT"}) {
        const auto status = lines.Read(dir.Path() / name);
        EXPECT_EQ(status.error, "cannot read " + (dir.Path() / name).string() +
                                    ": not a regular file, or no permission to read it");
    }
    const auto status = lines.Read(dir.Path() / "HUGE.DAT");
    EXPECT_NE(status.error.find("larger than 16777216 bytes"), std::string::npos) << status.error;
    EXPECT_TRUE(lines.lines.empty());
}

TEST(GamesDatFieldLabel, NamesTheFieldAndItsElement) {
    EXPECT_EQ(FieldLabel(311), "field 311 (TableauDealCount[0])");
    EXPECT_EQ(FieldLabel(318), "field 318 (TableauDealCount[7])");
    EXPECT_EQ(FieldLabel(31), "field 31 (FoundationCapacity)");
    EXPECT_EQ(FieldLabel(10), "field 10");
}

}  // namespace
}  // namespace tindle
