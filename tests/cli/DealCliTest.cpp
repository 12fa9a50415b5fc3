#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "support/TestPaths.h"

namespace tindle {
namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& args) {
    test::TempDir dir;
    std::string command = "'" + (test::ProgramDir() / "tindle-cli").string() + "'";
    for (const auto& a : args)
        command += " '" + a + "'";
    command +=
        " >'" + (dir.Path() / "out").string() + "' 2>'" + (dir.Path() / "err").string() + "'";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = test::ReadFile(dir.Path() / "out");
    run.err = test::ReadFile(dir.Path() / "err");
    return run;
}

// Every tests/data/deal-<id>-<number>.txt is the reviewed output of `tindle-cli deal`.
TEST(CliDeal, MatchesTheReviewedGoldenDeals) {
    const std::regex name("deal-([0-9]+)-([0-9]{13})\\.txt");
    int checked = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(test::SourceDir() / "tests" / "data")) {
        std::smatch m;
        const std::string file = entry.path().filename().string();
        if (!std::regex_match(file, m, name)) continue;
        const CliRun run = Cli({"deal", m[1], m[2]});
        ASSERT_EQ(run.exitCode, 0) << file << ": " << run.err;
        EXPECT_EQ(run.out, test::ReadFile(entry.path())) << file;
        EXPECT_EQ(run.err, "");
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

TEST(CliDeal, PadsShortNumbersAndListsFiftySevenPiles) {
    const CliRun shortNumber = Cli({"deal", "2", "4711"});
    ASSERT_EQ(shortNumber.exitCode, 0) << shortNumber.err;
    EXPECT_EQ(shortNumber.out, test::ReadFile(test::DataFile("deal-2-0000000004711.txt")));
    int lines = 0;
    for (char c : shortNumber.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 2 + 57);
    EXPECT_NE(shortNumber.out.find("\nAppogg10:\n"), std::string::npos);
}

TEST(CliDeal, RefusesWhatIsNotAGameNumberOrAGame) {
    for (const char* bad : {"", "12a", "-5", " 12", "12345678901234", "1.5"}) {
        const CliRun run = Cli({"deal", "1", bad});
        EXPECT_EQ(run.exitCode, 1) << bad;
        EXPECT_NE(run.err.find("is not a game number"), std::string::npos) << bad;
        EXPECT_EQ(run.out, "");
    }
    const CliRun unknown = Cli({"deal", "999", "1"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("999"), std::string::npos);
    EXPECT_EQ(Cli({"deal", "1"}).exitCode, 2);
    EXPECT_EQ(Cli({"order", "x", "1"}).exitCode, 1);
}

TEST(CliOrder, PrintsTheRawDealOrder) {
    const CliRun run = Cli({"order", "1", "0"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Worked by hand for the first places: passes of Aces, 2s and 3s with steps 25 18 13 22.
    EXPECT_EQ(run.out.substr(0, 32), "002 043 004 020 027 045 029 006 ");
    EXPECT_EQ(run.out.size(), 52u * 4u);
    // The deal of the same number takes the order from its front.
    const std::string deal = test::ReadFile(test::DataFile("deal-1-0000000000000.txt"));
    EXPECT_NE(deal.find("Fila1: 0021 0431 0041 0201 0271 0451 0291\n"), std::string::npos);
}

}  // namespace
}  // namespace tindle
