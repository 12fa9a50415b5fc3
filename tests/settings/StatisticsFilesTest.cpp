#include <gtest/gtest.h>

#include "shell/settings/StatisticsFiles.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

class StatisticsFilesTest : public ::testing::Test {
  protected:
    void Add(const std::string& name) { test::WriteFile(dir.Path() / "DATA" / name, "stats"); }
    test::TempDir dir;
};

TEST_F(StatisticsFilesTest, NoDataFolderOrNoFileMeansANewPlayer) {
    EXPECT_FALSE(StatisticsPresent(dir.Path()));
    std::filesystem::create_directory(dir.Path() / "DATA");
    Add("CFG.DAT");
    Add("STAT_SCR.DAT");
    EXPECT_FALSE(StatisticsPresent(dir.Path()));
}

TEST_F(StatisticsFilesTest, ANumberedFileMeansAReturningPlayer) {
    std::filesystem::create_directory(dir.Path() / "DATA");
    Add("Stat_e07.dat");
    EXPECT_TRUE(StatisticsPresent(dir.Path()));
}

TEST_F(StatisticsFilesTest, NamesAreComparedWithoutRegardToCase) {
    std::filesystem::create_directory(dir.Path() / "DATA");
    Add("STAT_E99.DAT");
    EXPECT_TRUE(StatisticsPresent(dir.Path()));
}

TEST_F(StatisticsFilesTest, FilesThatOnlyLookAlikeDoNotCount) {
    std::filesystem::create_directory(dir.Path() / "DATA");
    Add("Stat_e.dat");
    Add("Stat_e7.dat");
    Add("Stat_e100.dat");
    Add("Stat_eXY.dat");
    Add("Stat_e07.dat.bak");
    EXPECT_FALSE(StatisticsPresent(dir.Path()));
}

}  // namespace
}  // namespace tindle
