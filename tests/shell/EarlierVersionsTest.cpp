#include <gtest/gtest.h>

#include <algorithm>

#include "shell/EarlierVersions.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

TEST(VersionStamp, WrittenOnceWithItsLine) {
    test::TempDir dir;
    EXPECT_EQ(VersionStampFileName(), "SOLV0520.DAT");
    EXPECT_TRUE(WriteVersionStamp(dir.Path()));
    EXPECT_EQ(test::ReadFile(dir.Path() / "SOLV0520.DAT"), "Bravell version: 05.20\n");

    // An existing stamp is left as it is.
    test::WriteFile(dir.Path() / "SOLV0520.DAT", "kept");
    EXPECT_TRUE(WriteVersionStamp(dir.Path()));
    EXPECT_EQ(test::ReadFile(dir.Path() / "SOLV0520.DAT"), "kept");
}

TEST(VersionStamp, AnUnwritableDirectoryIsNoError) {
    EXPECT_FALSE(WriteVersionStamp("/nonexistent-tindle-dir/sub"));
}

class LeftoversTest : public ::testing::Test {
  protected:
    void Put(const std::string& name) {
        std::filesystem::create_directories(dir.Path() / "IMAGES");
        test::WriteFile(dir.Path() / name, "old");
    }
    bool Has(const std::string& name) const { return std::filesystem::exists(dir.Path() / name); }
    test::TempDir dir;
};

TEST_F(LeftoversTest, GamePicturesGoOnlyWhenTheFirstExists) {
    Put("IMAGES/GAME0005.BMP");
    RemoveLeftoverFiles(dir.Path());
    EXPECT_TRUE(Has("IMAGES/GAME0005.BMP"));

    Put("IMAGES/GAME0000.BMP");
    Put("IMAGES/GAME0100.BMP");
    Put("IMAGES/GAME0101.BMP");
    RemoveLeftoverFiles(dir.Path());
    EXPECT_FALSE(Has("IMAGES/GAME0000.BMP"));
    EXPECT_FALSE(Has("IMAGES/GAME0005.BMP"));
    EXPECT_FALSE(Has("IMAGES/GAME0100.BMP"));
    EXPECT_TRUE(Has("IMAGES/GAME0101.BMP"));
}

TEST_F(LeftoversTest, TilesCardSheetsAndTheOldLibrary) {
    for (const char* name :
         {"IMAGES/WB001.BMP", "IMAGES/WM025.BMP", "IMAGES/WP000.BMP", "IMAGES/WP026.BMP",
          "IMAGES/CB001C.BMP", "IMAGES/CB005S.BMP", "IMAGES/CB006S.BMP", "IMAGES/CM003H.BMP",
          "IMAGES/CL003D.BMP", "IMAGES/CM001H.BMP", "BRAVELL.DLL", "ZUV.RGF"})
        Put(name);
    const auto listed = LeftoverFiles(dir.Path());
    EXPECT_EQ(listed.size(), 8u);
    RemoveLeftoverFiles(dir.Path());
    for (const char* gone :
         {"IMAGES/WB001.BMP", "IMAGES/WM025.BMP", "IMAGES/WP000.BMP", "IMAGES/CB001C.BMP",
          "IMAGES/CB005S.BMP", "IMAGES/CM003H.BMP", "IMAGES/CL003D.BMP", "BRAVELL.DLL"})
        EXPECT_FALSE(Has(gone)) << gone;
    for (const char* kept :
         {"IMAGES/WP026.BMP", "IMAGES/CB006S.BMP", "IMAGES/CM001H.BMP", "ZUV.RGF"})
        EXPECT_TRUE(Has(kept)) << kept;
}

TEST_F(LeftoversTest, AFolderWithAnOldNameIsLeftAlone) {
    std::filesystem::create_directories(dir.Path() / "BRAVELL.DLL" / "inside");
    RemoveLeftoverFiles(dir.Path());
    EXPECT_TRUE(Has("BRAVELL.DLL/inside"));
}

}  // namespace
}  // namespace tindle
