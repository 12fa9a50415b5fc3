#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
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

TEST(CliPlay, WinsFreeCellAndKlondikeFromTheirMoveFiles) {
    for (const char* id : {"1", "2"}) {
        const std::string file = std::string("play-") + id + "-0000000000003.moves";
        const PlayRun run = Play({id, "3"}, test::ReadFile(test::DataFile(file)));
        ASSERT_EQ(run.exitCode, 0) << file << ": " << run.err;
        EXPECT_NE(run.out.find("\nScore: 208\nWon: yes\n"), std::string::npos) << run.out;
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(Line(run.out, "Fila" + std::to_string(k) + ":"),
                      "Fila" + std::to_string(k) + ":");
        EXPECT_EQ(Line(run.out, "Dest1:").size(), std::string("Dest1:").size() + 13 * 5);
    }
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

}  // namespace
}  // namespace tindle
