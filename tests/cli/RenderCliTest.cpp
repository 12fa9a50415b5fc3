// tindle-cli render: a dealt game drawn into a PNG picture without a window.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <sys/wait.h>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/DamagedResourceFiles.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

int Render(const std::vector<std::string>& args, std::string* err = nullptr,
           const std::filesystem::path& programDir = test::ProgramDir()) {
    test::TempDir dir;
    std::string command = "'" + (programDir / "tindle-cli").string() + "' render";
    for (const auto& a : args)
        command += " '" + a + "'";
    command += " >/dev/null 2>'" + (dir.Path() / "err").string() + "'";
    const int status = std::system(command.c_str());
    if (err) *err = test::ReadFile(dir.Path() / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Width and height from the PNG header (the IHDR chunk follows the 8-byte signature).
struct PngSize {
    bool png = false;
    uint32_t width = 0;
    uint32_t height = 0;
};
PngSize ReadPngSize(const std::filesystem::path& file) {
    const std::string bytes = test::ReadFile(file);
    PngSize size;
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return size;
    auto word = [&bytes](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i)
            v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    size.png = bytes.compare(12, 4, "IHDR") == 0;
    size.width = word(16);
    size.height = word(20);
    return size;
}

TEST(CliRender, WritesThePictureOfTheTableInTheAskedSize) {
    test::TempDir dir;
    const auto freecell = dir.Path() / "freecell.png";
    std::string err;
    ASSERT_EQ(Render({"1", "1234567890123", freecell.string()}, &err), 0) << err;
    PngSize size = ReadPngSize(freecell);
    EXPECT_TRUE(size.png);
    EXPECT_EQ(size.width, 1024u);
    EXPECT_EQ(size.height, 768u);

    const auto klondike = dir.Path() / "klondike.png";
    // A GAMES.DAT given after the picture's name, like the other commands take one.
    ASSERT_EQ(Render({"2", "42", klondike.string(), (test::ProgramDir() / "GAMES.DAT").string(),
                      "--size", "800x600", "--cards", "M"},
                     &err),
              0)
        << err;
    size = ReadPngSize(klondike);
    EXPECT_EQ(size.width, 800u);
    EXPECT_EQ(size.height, 600u);

    const auto preview = dir.Path() / "preview.png";
    ASSERT_EQ(
        Render({"2", "42", preview.string(), "--size", "300x185", "--cards", "L", "--preview"}), 0);
    EXPECT_EQ(ReadPngSize(preview).width, 300u);
}

QImage ReadPicture(const std::filesystem::path& file) {
    return QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32);
}

// The pixels that matter of FreeCell 1234567890123 at 1024x768 with big cards: the table's
// colour fading from green to black, the marks of the free cells and foundations, and the cards
// the deal puts at the foot of three columns. Only places without lettering are checked, so
// that the fonts of the machine that made the pictures do not matter.
TEST(CliRender, DrawsTheFreeCellDealAsTheWindowShowsIt) {
    test::TempDir dir;
    const auto file = dir.Path() / "freecell.png";
    std::string err;
    ASSERT_EQ(Render({"1", "1234567890123", file.string()}, &err), 0) << err;
    const QImage table = ReadPicture(file);
    ASSERT_EQ(table.size(), QSize(1024, 768));
    auto at = [&table](int x, int y) { return QColor(table.pixel(x, y)); };
    auto tableAt = [&](int y) { return at(5, y); };  // the left margin: bare table
    auto isRed = [](QColor c) { return c.red() > 150 && c.green() < 60 && c.blue() < 80; };
    auto isBlack = [](QColor c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; };
    auto isOutline = [](QColor c) {
        return c.red() < 100 && std::abs(c.red() - c.green()) < 8 &&
               std::abs(c.red() - c.blue()) < 8;
    };

    // Green (0, 128, 0) faded to black from the top to the bottom row.
    EXPECT_EQ(tableAt(5), QColor(0, 127, 0));
    EXPECT_EQ(tableAt(400), QColor(0, 61, 0));
    EXPECT_EQ(at(512, 767), QColor(0, 0, 0));

    // Four free cells and four foundations in a row, each a mark darker than the table.
    for (int pile = 0; pile < 8; ++pile) {
        const QColor mark = at(193 + 91 * pile, 90);
        EXPECT_EQ(mark.red(), 0) << pile;
        EXPECT_LT(mark.green(), tableAt(90).green() - 15) << pile;
    }

    // Column 1 ends with the Two of hearts: 71 pixels from x 157, outlined, white, a red pip,
    // and the table beside it.
    EXPECT_TRUE(isOutline(at(157, 280)));
    EXPECT_TRUE(isOutline(at(227, 280)));
    EXPECT_EQ(at(170, 280), QColor(255, 255, 255));
    EXPECT_TRUE(isRed(at(193, 251)));
    EXPECT_EQ(at(156, 280), tableAt(280));
    EXPECT_EQ(at(228, 280), tableAt(280));
    EXPECT_TRUE(isOutline(at(193, 324)));
    EXPECT_EQ(at(193, 325), tableAt(325));
    // Column 3 the Ace of hearts with its big pip, column 7 the Six of clubs.
    EXPECT_TRUE(isRed(at(374, 276)));
    EXPECT_TRUE(isBlack(at(727, 230)));
}

TEST(CliRender, RefusesBadArgumentsWithAMessage) {
    test::TempDir dir;
    const std::string out = (dir.Path() / "x.png").string();
    std::string err;
    EXPECT_EQ(Render({"1", "1234567890123"}, &err), 2);
    EXPECT_NE(err.find("usage"), std::string::npos);
    EXPECT_EQ(Render({"1", "12x", out}, &err), 1);
    EXPECT_EQ(Render({"1", "1", out, "--size", "0x100"}, &err), 1);
    EXPECT_NE(err.find("table size"), std::string::npos);
    EXPECT_EQ(Render({"1", "1", out, "--size", "100"}, &err), 1);
    EXPECT_EQ(Render({"1", "1", out, "--cards", "X"}, &err), 1);
    EXPECT_EQ(Render({"1", "1", out, "--bogus"}, &err), 2);
    EXPECT_EQ(Render({"4242", "1", out}, &err), 1);
    EXPECT_EQ(Render({"1", "1", out, (dir.Path() / "GAMES.DAT").string()}, &err), 1);
    EXPECT_NE(err.find("cannot read"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Render({"1", "1", (dir.Path() / "no" / "such" / "x.png").string()}, &err), 1);
    EXPECT_NE(err.find("cannot write"), std::string::npos);
}

// A library cut short, with a flipped bit or with offsets and lengths that point outside it is
// refused before Qt reads it, with the message of a library that cannot be loaded.
TEST(CliRender, RefusesADamagedResourceLibrary) {
    test::TempDir dir;
    for (const char* name : {"tindle-cli", "GAMES.DAT"})
        std::filesystem::copy_file(test::ProgramDir() / name, dir.Path() / name);
    const std::string library = (dir.Path() / "ZUV.RGF").string();
    const std::string out = (dir.Path() / "x.png").string();
    const std::string expected =
        "tindle-cli: Can't find/load " + QString::fromStdString(library).toLower().toStdString();
    for (const test::DamagedFile& damaged :
         test::DamagedResourceFiles(test::ReadFile(test::ProgramDir() / "ZUV.RGF"))) {
        SCOPED_TRACE(damaged.what);
        test::WriteFile(library, damaged.bytes);
        std::string err;
        EXPECT_EQ(Render({"1", "1", out}, &err, dir.Path()), 1);
        EXPECT_TRUE(err.ends_with(expected + "\n")) << err;  // after any warning of Qt
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace tindle
