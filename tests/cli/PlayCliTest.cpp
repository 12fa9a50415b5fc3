#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestPaths.h"

namespace tindle {
namespace {

struct PlayRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// tindle-cli with the text given on standard input.
PlayRun Cli(const std::string& name, const std::vector<std::string>& args,
            const std::string& moves) {
    test::TempDir dir;
    test::WriteFile(dir.Path() / "moves", moves);
    std::string command = "'" + (test::ProgramDir() / "tindle-cli").string() + "' " + name;
    for (const auto& a : args)
        command += " '" + a + "'";
    command += " <'" + (dir.Path() / "moves").string() + "' >'" + (dir.Path() / "out").string() +
               "' 2>'" + (dir.Path() / "err").string() + "'";
    const int status = std::system(command.c_str());
    PlayRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = test::ReadFile(dir.Path() / "out");
    run.err = test::ReadFile(dir.Path() / "err");
    return run;
}

PlayRun Play(const std::vector<std::string>& args, const std::string& moves) {
    return Cli("play", args, moves);
}

std::string Line(const std::string& out, const std::string& start) {
    const size_t at = out.find("\n" + start);
    if (at == std::string::npos) return "";
    const size_t end = out.find('\n', at + 1);
    return out.substr(at + 1, end - at - 1);
}

// Every game of the catalogue has a won move file, tests/data/play-<id>-<number>.moves, and
// its replay wins: the cards all home (or, in Aces Up, only the Aces left).
TEST(CliPlay, WinsEveryCatalogueGameFromItsMoveFile) {
    const PlayRun games = Cli("games", {}, "");
    ASSERT_EQ(games.exitCode, 0) << games.err;
    std::map<std::string, std::filesystem::path> files;
    const std::regex name("play-([0-9]+)-([0-9]{13})\\.moves");
    for (const auto& entry :
         std::filesystem::directory_iterator(test::SourceDir() / "tests" / "data")) {
        const std::string file = entry.path().filename().string();
        std::smatch m;
        if (std::regex_match(file, m, name)) files[m[1]] = entry.path();
    }
    std::istringstream list(games.out);
    int replayed = 0;
    for (std::string id, type, rest; list >> id >> type && std::getline(list, rest);) {
        ASSERT_TRUE(files.count(id)) << "no won move file for game " << id << rest;
        const std::string file = files[id].filename().string();
        const std::string number = file.substr(file.size() - 19, 13);
        const PlayRun run = Play({id, number}, test::ReadFile(files[id]));
        ASSERT_EQ(run.exitCode, 0) << file << ": " << run.err;
        EXPECT_NE(run.out.find("\nWon: yes\n"), std::string::npos) << file << "\n" << run.out;
        EXPECT_EQ(Line(run.out, "Mazzo:"), "Mazzo:") << file;
        ++replayed;
    }
    EXPECT_EQ(replayed, static_cast<int>(files.size()));
    // The standard score of a won one-deck game: 5 for each of the 52 cards home, less 52.
    const PlayRun freecell =
        Play({"1", "3"}, test::ReadFile(test::DataFile("play-1-0000000000003.moves")));
    EXPECT_NE(freecell.out.find("\nScore: 208\nWon: yes\n"), std::string::npos);
    EXPECT_EQ(Line(freecell.out, "Dest1:").size(), std::string("Dest1:").size() + 13 * 5);
}

TEST(CliPlay, WithoutMovesPrintsTheDealAsTheDealCommandDoes) {
    for (const char* id : {"1", "2"}) {
        const PlayRun run = Play({id, "4711"}, "\n# nothing yet\n   \n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const PlayRun deal = Cli("deal", {id, "4711"}, "");
        ASSERT_EQ(deal.exitCode, 0) << deal.err;
        EXPECT_EQ(run.out, deal.out + "Score: -52\nWon: no\n");
    }
}

TEST(CliPlay, RefusedMoveStopsWithItsLineNumber) {
    // In Klondike 3 the Ace of diamonds does not lie on top of a column at the deal.
    const PlayRun run = Play({"2", "3"}, "# first\n\nclick Mazzo\n014 Dest1\nclick Mazzo\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "refused: line 4: 014 Dest1\n");
    EXPECT_EQ(run.out, "");
}

TEST(CliPlay, ADoubleClickSendsAnAceHome) {
    // In FreeCell 3 the Ace of clubs lies on top of a column.
    const PlayRun run = Play({"1", "3"}, "dblclick 027\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Line(run.out, "Dest1:"), "Dest1: 0271");
    EXPECT_NE(run.out.find("\nScore: -47\n"), std::string::npos);
    // The Two of clubs follows it; the Ace of hearts lies covered at the bottom of a column.
    const PlayRun covered = Play({"1", "3"}, "dblclick 027\ndblclick 028\ndblclick 001\n");
    EXPECT_EQ(covered.exitCode, 2);
    EXPECT_EQ(covered.err, "refused: line 3: dblclick 001\n");
}

TEST(CliPlay, UndoAndRedoStepThroughTheHistory) {
    const PlayRun once = Play({"2", "3"}, "click Mazzo\n");
    const PlayRun back = Play({"2", "3"}, "click Mazzo\nundo\nredo\n");
    ASSERT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(once.out, back.out);
    const PlayRun nothing = Play({"2", "3"}, "undo\n");
    EXPECT_EQ(nothing.exitCode, 2);
    EXPECT_EQ(nothing.err, "refused: line 1: undo\n");
    const PlayRun undone = Play({"2", "3"}, "click Mazzo\nundo\n");
    EXPECT_EQ(Line(undone.out, "Mazzo_Vis:"), "Mazzo_Vis:");
    EXPECT_NE(Line(once.out, "Mazzo_Vis:"), "Mazzo_Vis:");
}

TEST(CliPlay, UnreadableLinesAndArgumentsAreErrors) {
    EXPECT_EQ(Play({"2", "3"}, "7 Dest1\n").exitCode, 2);
    EXPECT_EQ(Play({"2", "3"}, "027 Mazzo_Waste\n").exitCode, 2);
    EXPECT_EQ(Play({"2", "3"}, "jump\n").exitCode, 2);
    EXPECT_NE(Play({"2", "3"}, "jump\n").err.find("line 1"), std::string::npos);
    EXPECT_EQ(Play({"x", "3"}, "").exitCode, 1);
    EXPECT_EQ(Play({"2", "12345678901234"}, "").exitCode, 1);
    EXPECT_EQ(Play({"2"}, "").exitCode, 2);
    EXPECT_EQ(Play({"999", "3"}, "").exitCode, 1);
}

// /dev/zero as the move file: a first line that never ends is read only up to its limit.
TEST(CliPlay, AnEndlessLineIsNoMove) {
    test::TempDir dir;
    const std::string command = "'" + (test::ProgramDir() / "tindle-cli").string() +
                                "' play 2 3 </dev/zero >/dev/null 2>'" +
                                (dir.Path() / "err").string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    const std::string err = test::ReadFile(dir.Path() / "err");
    EXPECT_TRUE(err.starts_with("tindle-cli: line 1: not a move: ")) << err;
    EXPECT_LT(err.size(), 400u);
}

TEST(CliPlay, AutoplaySendsPlayableCardsHome) {
    // The first move of the Klondike file sends an Ace that autoplay has already sent.
    const std::string moves = test::ReadFile(test::DataFile("play-2-0000000000003.moves"));
    const PlayRun run = Play({"2", "3", "--autoplay"}, moves);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("refused: line 2: 027 Dest1"), std::string::npos) << run.err;
    const PlayRun plain = Play({"2", "3", "--autoplay"}, "");
    EXPECT_NE(Line(plain.out, "Dest1:"), "Dest1:");
}

// tindle-cli solve writes a move file that tindle-cli play replays to a win; --range sums up.
TEST(CliPlay, SolveWritesMovesThatPlayReplaysToAWin) {
    test::TempDir dir;
    const std::string file = (dir.Path() / "solution.moves").string();
    const PlayRun solved = Cli("solve", {"1", "3", "--moves", file}, "");
    ASSERT_EQ(solved.exitCode, 0) << solved.err;
    EXPECT_EQ(solved.out.rfind("Result: won\nMoves: ", 0), 0u) << solved.out;
    EXPECT_NE(Line(solved.out, "Positions: "), "");
    EXPECT_NE(Line(solved.out, "Time: "), "");
    const PlayRun replay = Play({"1", "3"}, test::ReadFile(file));
    ASSERT_EQ(replay.exitCode, 0) << replay.err;
    EXPECT_NE(replay.out.find("\nWon: yes\n"), std::string::npos) << replay.out;

    const PlayRun range = Cli("solve", {"1", "--range", "3", "4"}, "");
    ASSERT_EQ(range.exitCode, 0) << range.err;
    EXPECT_EQ(range.out.rfind("0000000000003 won ", 0), 0u) << range.out;
    EXPECT_NE(range.out.find("\nWon: 2\nLost: 0\nUnknown: 0\nMedian time: "), std::string::npos)
        << range.out;
    EXPECT_EQ(Cli("solve", {"1", "3", "--budget-ms", "x"}, "").exitCode, 2);

    // A budget in positions ends the search there, whatever the machine's speed.
    const PlayRun bounded = Cli("solve", {"2", "2", "--budget-positions", "1000"}, "");
    ASSERT_EQ(bounded.exitCode, 0) << bounded.err;
    EXPECT_EQ(bounded.out.rfind("Result: unknown\n", 0), 0u) << bounded.out;
    EXPECT_EQ(Line(bounded.out, "Positions: "), "Positions: 1000");
    EXPECT_EQ(Cli("solve", {"1", "3", "--budget-positions", "0"}, "").exitCode, 2);
}

}  // namespace
}  // namespace tindle
