#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "support/TestPaths.h"

namespace tindle {
namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a built program with arguments (each quoted for the shell), capturing its output.
ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args) {
    test::TempDir dir;
    std::string command = "'" + program.string() + "'";
    for (const auto& a : args)
        command += " '" + a + "'";
    command +=
        " >'" + (dir.Path() / "out").string() + "' 2>'" + (dir.Path() / "err").string() + "'";
    ProgramRun run;
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = test::ReadFile(dir.Path() / "out");
    run.err = test::ReadFile(dir.Path() / "err");
    return run;
}

ProgramRun Cli(const std::vector<std::string>& args) {
    return RunProgram(test::ProgramDir() / "tindle-cli", args);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(CliGames, ListsTheCatalogueOfTheGamesDatBesideTheProgram) {
    const ProgramRun run = Cli({"games"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = SplitLines(run.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "1 4 Freecell"), lines.end()) << run.out;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "2 5 Klondike"), lines.end()) << run.out;
    EXPECT_EQ(run.err, "");
}

TEST(CliFields, PrintsEveryFieldOfTheLoadedGame) {
    const ProgramRun run = Cli({"fields", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 402u);
    EXPECT_EQ(lines[0], "0=0");
    EXPECT_EQ(lines[12], "12=-5 ByFreeCells");  // a coded field: the name of its code
    EXPECT_EQ(lines[304], "304=8");
    EXPECT_EQ(lines[401], "401=0");
    // An explicit file gives the same.
    EXPECT_EQ(Cli({"fields", "1", (test::ProgramDir() / "GAMES.DAT").string()}).out, run.out);
}

TEST(CliErrors, ExitNonZeroWithAMessage) {
    test::TempDir dir;
    const std::string missing = (dir.Path() / "GAMES.DAT").string();
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"fields", "999"}, "game 999 is not in the catalogue"},
        {{"fields", "abc"}, "'abc' is not a game id"},
        {{"fields", "1", missing}, "cannot read " + missing},
        {{"games", missing}, "cannot read " + missing},
        {{"fields"}, "usage: tindle-cli fields"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Cli(c.args);
        EXPECT_NE(run.exitCode, 0) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.message;
    }
}

TEST(Gamec, ABadSourceLeavesTheOutputUntouched) {
    test::TempDir dir;
    const auto out = dir.Path() / "GAMES.DAT";
    test::WriteFile(out, "old");
    const auto bad = dir.Path() / "bad.game";
    test::WriteFile(bad, "Id = 1\nType = 4\nClass = 0\nName = X\nNoSuchField = 3\n");
    const ProgramRun run = RunProgram(test::ProgramDir() / "tools" / "tindle-gamec",
                                      {"-o", out.string(), bad.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(bad.string() + ":5: unknown field name 'NoSuchField'"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(test::ReadFile(out), "old");

    const ProgramRun unreadable =
        RunProgram(test::ProgramDir() / "tools" / "tindle-gamec",
                   {"-o", out.string(), (dir.Path() / "none.game").string()});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_NE(unreadable.err.find("none.game: cannot read"), std::string::npos) << unreadable.err;
    EXPECT_EQ(test::ReadFile(out), "old");
}

TEST(Gamec, CompilesTheGamesIntoAFileTheCliReads) {
    test::TempDir dir;
    const auto out = dir.Path() / "GAMES.DAT";
    const auto games = test::SourceDir() / "games";
    // Every source, in the reverse of the build's order.
    std::vector<std::string> args;
    for (const auto& entry : std::filesystem::directory_iterator(games)) {
        if (entry.path().extension() == ".game") args.push_back(entry.path().string());
    }
    std::sort(args.rbegin(), args.rend());
    args.insert(args.begin(), {"-o", out.string()});
    const ProgramRun run = RunProgram(test::ProgramDir() / "tools" / "tindle-gamec", args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The same bytes as the build's file, whatever the order of the sources.
    EXPECT_EQ(test::ReadFile(out), test::ReadFile(test::ProgramDir() / "GAMES.DAT"));
    const ProgramRun fields = Cli({"fields", "2", out.string()});
    ASSERT_EQ(fields.exitCode, 0) << fields.err;
    const auto lines = SplitLines(fields.out);
    ASSERT_EQ(lines.size(), 402u);
    EXPECT_EQ(lines[308], "308=24");
}

// The catalogue signature is the pinned one; a game whose rules differ gives another. A
// change of the rules on purpose updates tests/data/signature.txt with it.
TEST(CliSignature, IsThePinnedValueAndMovesWithTheRules) {
    const ProgramRun run = Cli({"signature"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, test::ReadFile(test::DataFile("signature.txt")))
        << "the rules of the catalogue changed; if on purpose, put the new signature into "
           "tests/data/signature.txt";

    test::TempDir dir;
    std::string freecell = test::ReadFile(test::SourceDir() / "games" / "freecell.game");
    const std::string alternate = "TableauRule = 3 3 3 3 3 3 3 3";
    ASSERT_NE(freecell.find(alternate), std::string::npos);
    freecell.replace(freecell.find(alternate), alternate.size(), "TableauRule = 1 1 1 1 1 1 1 1");
    test::WriteFile(dir.Path() / "freecell.game", freecell);
    const auto out = dir.Path() / "GAMES.DAT";
    ASSERT_EQ(RunProgram(test::ProgramDir() / "tools" / "tindle-gamec",
                         {"-o", out.string(), (dir.Path() / "freecell.game").string(),
                          (test::SourceDir() / "games" / "klondike.game").string()})
                  .exitCode,
              0);
    const ProgramRun other = Cli({"signature", out.string()});
    ASSERT_EQ(other.exitCode, 0) << other.err;
    EXPECT_NE(other.out, run.out);
}

}  // namespace
}  // namespace tindle
