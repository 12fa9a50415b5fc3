// The new-game flow: game numbers, confirming the abandon, loading with the screen-class
// rule, the deal and what follows it, and opening a game.

#include "PlayFixture.h"
#include "model/GameCompiler.h"
#include "play/Commands.h"
#include "play/NewGame.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsInit.h"

namespace tindle::test {
namespace {

TEST(GameNumbers, AreTheProductOfTwoDrawsInThirteenDigits) {
    EXPECT_EQ(GameNumberText(0, 999998), "0000000000000");
    EXPECT_EQ(GameNumberText(9999998, 999998), "9999978000004");
    EXPECT_EQ(GameNumberText(12, 3), "0000000000036");
}

class NewGameTest : public PlayFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(catalogue.Read(BuiltGamesDat()).Ok());
        settings.Put(field::GameId, "0002");
        settings.Put(field::GameName, "Klondike");
        settings.Put(field::GameNumber, "0000000004711");
    }
};

TEST_F(NewGameTest, ANewDealLoadsTheGameDealsAndShowsTheStartingScore) {
    settings.Put(field::DealAnimation, "Y");
    ASSERT_TRUE(StartGame(ctx, true, true, 0, false));
    EXPECT_TRUE(game.flags.gameInProgress);
    EXPECT_TRUE(game.flags.clockRunning);
    EXPECT_EQ(game.def[gd::TableauCount], 7);
    EXPECT_EQ(Cards(kStock).size(), 24u);
    EXPECT_EQ(settings.Get(field::GameNumber), "0000000004711");
    EXPECT_EQ(settings.Get(field::Score), "-52");
    EXPECT_EQ(ui.score, "-52");
    EXPECT_EQ(game.counters.passCounter, 1);
    EXPECT_TRUE(game.undo.Empty());
    EXPECT_EQ(view.repaints, 1);
    EXPECT_EQ(ui.routings,
              (std::vector<InputRouting>{InputRouting::SwallowInput, InputRouting::Normal}));
}

TEST_F(NewGameTest, DrawsANewNumberInModeTwoAndWhenTheStoredOneIsNotANumber) {
    ASSERT_TRUE(StartGame(ctx, true, false, kDrawNewNumber, false));
    const std::string drawn = settings.Get(field::GameNumber);
    EXPECT_EQ(drawn.size(), 13u);
    EXPECT_NE(drawn, "0000000004711");
    for (const char* bad : {"", "12345678901234", "12a"}) {
        settings.Put(field::GameNumber, bad);
        ASSERT_TRUE(StartGame(ctx, true, false, 0, false)) << bad;
        EXPECT_TRUE(ParseGameNumber(settings.Get(field::GameNumber))) << bad;
        EXPECT_EQ(Cards(kStock).size(), 24u);
    }
}

TEST_F(NewGameTest, AutoplayAfterTheDealIsOneUndo) {
    ui.autoplayTicked = true;
    settings.Put(field::GameNumber, "10");
    ASSERT_TRUE(StartGame(ctx, true, false, 0, true));
    int home = 0;
    for (int j = 0; j < 4; ++j)
        home += static_cast<int>(Cards(Dest(j + 1)).size());
    EXPECT_EQ(home, 2);           // this deal sends two cards home at once
    EXPECT_EQ(view.repaints, 0);  // quiet: nothing drawn
    ASSERT_TRUE(UndoCommand(ctx));
    EXPECT_FALSE(UndoCommand(ctx));
    for (int j = 0; j < 4; ++j)
        EXPECT_TRUE(Cards(Dest(j + 1)).empty());
}

TEST_F(NewGameTest, AutoplayWaitsAfterTheDealOnlyWhenItHasCardsToMove) {
    ui.autoplayTicked = true;
    auto home = [&] {
        int cards = 0;
        for (int j = 0; j < 4; ++j)
            cards += static_cast<int>(Cards(Dest(j + 1)).size());
        return cards;
    };
    // This deal has an Ace on top of a column: the dealt table is shown a moment first.
    settings.Put(field::GameNumber, "3");
    ASSERT_TRUE(StartGame(ctx, true, false, 0, false));
    EXPECT_GE(time.TickCount(), 800u);
    EXPECT_GT(home(), 0);
    // Quiet, nothing is drawn: autoplay plays at once.
    uint64_t before = time.TickCount();
    ASSERT_TRUE(StartGame(ctx, true, false, 0, true));
    EXPECT_LT(time.TickCount() - before, 800u);
    EXPECT_GT(home(), 0);
    EXPECT_EQ(view.repaints, 1);
    // Nothing for autoplay to do: the player is not held up.
    settings.Put(field::GameNumber, "0000000004711");
    before = time.TickCount();
    ASSERT_TRUE(StartGame(ctx, true, false, 0, false));
    EXPECT_EQ(home(), 0);
    EXPECT_EQ(time.TickCount(), before);
}

TEST_F(NewGameTest, AGameThatIsNotInTheCatalogueIsNotDealt) {
    settings.Put(field::GameId, "0077");
    EXPECT_FALSE(StartGame(ctx, true, true, 0, false));
    EXPECT_FALSE(game.flags.gameInProgress);
    EXPECT_EQ(messages.information.size(), 1u);
    EXPECT_EQ(game.def[gd::DeckCards], 0);
}

TEST_F(NewGameTest, AbandoningAGameAsksUnlessThePlayerSaidNot) {
    ASSERT_TRUE(StartGame(ctx, true, false, 0, false));
    settings.Put(field::ConfirmQuitGame, "Y");
    messages.confirmAnswer = false;
    const Piles dealt = game.piles;
    NewGameCommand(ctx);
    EXPECT_EQ(messages.confirmations, std::vector<std::string>{"Quit this game?"});
    EXPECT_TRUE(game.piles == dealt);
    EXPECT_TRUE(game.flags.gameInProgress);
    messages.confirmAnswer = true;
    NewGameCommand(ctx);
    EXPECT_FALSE(game.piles == dealt);
    settings.Put(field::ConfirmQuitGame, "N");
    EXPECT_TRUE(ConfirmAbandon(ctx));
    EXPECT_EQ(messages.confirmations.size(), 2u);
    game.flags.animationRunning = true;
    EXPECT_FALSE(ConfirmAbandon(ctx));
}

// Winnable deals only: New game deals the number its choice answers, asked only once the
// player has given up the game in progress; no answer draws a number as usual.
TEST_F(NewGameTest, NewGameDealsTheNumberOfItsChoice) {
    ASSERT_TRUE(StartGame(ctx, true, false, 0, false));
    settings.Put(field::ConfirmQuitGame, "Y");
    messages.confirmAnswer = false;
    int asked = 0;
    const DealNumberChoice choose = [&asked]() -> std::optional<std::string> {
        ++asked;
        return "0000000000042";
    };
    NewGameCommand(ctx, choose);
    EXPECT_EQ(asked, 0);
    messages.confirmAnswer = true;
    NewGameCommand(ctx, choose);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(settings.Get(field::GameNumber), "0000000000042");
    EXPECT_TRUE(game.flags.gameInProgress);
    NewGameCommand(ctx, [] { return std::optional<std::string>(); });
    EXPECT_NE(settings.Get(field::GameNumber), "0000000000042");
    EXPECT_TRUE(game.flags.gameInProgress);
}

TEST_F(NewGameTest, OpeningTheGameInProgressDoesNothingAndAnotherGameIsLoaded) {
    ASSERT_TRUE(StartGame(ctx, true, false, 0, false));
    const Piles dealt = game.piles;
    EXPECT_FALSE(OpenGame(ctx, 2, "Klondike", 5, "", kDrawNewNumber, false));
    EXPECT_TRUE(game.piles == dealt);
    ASSERT_TRUE(OpenGame(ctx, 1, "Freecell", 3, "", kDrawNewNumber, false));
    EXPECT_EQ(settings.Get(field::GameId), "0001");
    EXPECT_EQ(settings.Get(field::GameName), "Freecell");
    EXPECT_EQ(game.def[gd::TableauCount], 8);
    EXPECT_TRUE(PileEmpty(game.piles.Stock()));
    EXPECT_TRUE(game.flags.gameInProgress);
}

TEST_F(NewGameTest, OpeningRemembersTheGameInThePreferencesFile) {
    TempDir dir;
    settings.SetProgramDir(dir.Path().string() + "/");
    settings.Put(field::PrefsPath, kPreferencesStoredPath);
    EnsureDataDirectory(settings);
    ASSERT_TRUE(OpenGame(ctx, 1, "Freecell", 7, "Anna", kDrawNewNumber, true));
    PreferencesFile prefs(PreferencesPath(settings));
    EXPECT_EQ(prefs.ReadString(section::Preference, "Game", ""), "1");
    EXPECT_EQ(prefs.ReadString(section::Preference, "Game_Name", ""), "Freecell");
    EXPECT_EQ(prefs.ReadString(section::Preference, "Game_TreeNum", ""), "7");
    EXPECT_EQ(prefs.ReadString(section::Preference, "UserDefault", ""), "Anna");
    EXPECT_EQ(settings.Get(field::Counter1), "0000");
}

// Freecell of screen class 2 and Klondike of class 1, compiled into a GAMES.DAT of their own.
std::filesystem::path ScreenClassGames(const std::filesystem::path& dir) {
    const auto games = SourceDir() / "games";
    const CompileResult compiled = CompileGames(
        {{"freecell.game", ReadFile(games / "freecell.game") + "\nScreenClass = 2\n"},
         {"klondike.game", ReadFile(games / "klondike.game") + "\nScreenClass = 1\n"}});
    EXPECT_TRUE(compiled.Ok());
    const auto path = dir / "GAMES.DAT";
    EXPECT_TRUE(WriteFileReplacing(path, GamesDatBytes(compiled.games)).Ok());
    return path;
}

TEST_F(NewGameTest, ASmallScreenSwapsInTheMediumCardsOnceAndGivesThemBack) {
    TempDir dir;
    ASSERT_TRUE(catalogue.Read(ScreenClassGames(dir.Path())).Ok());
    ui.screenWidth = 800;
    settings.Put(field::CardSize, "B");
    settings.Put(field::CardSet, "005");
    settings.Put(field::BackCard, "011");

    ASSERT_TRUE(OpenGame(ctx, 1, "Freecell", 0, "", kDrawNewNumber, false));
    EXPECT_EQ(settings.Get(field::CardSize), "M");
    EXPECT_EQ(settings.Get(field::CardSet), "003");
    EXPECT_EQ(settings.Get(field::SavedCardSet), "005");
    EXPECT_EQ(layout.cardWidth, 59);
    EXPECT_EQ(ui.cardSizeChanges, 1);
    ASSERT_EQ(messages.information.size(), 1u);
    EXPECT_NE(messages.information[0].find("800x600"), std::string::npos);
    EXPECT_NE(messages.information[0].find("play Freecell using a predefined cards set."),
              std::string::npos);
    EXPECT_EQ(ctx.session.cardSetMark, kCardSetForced);

    ASSERT_TRUE(OpenGame(ctx, 2, "Klondike", 0, "", kDrawNewNumber, false));  // class 1 fits
    EXPECT_EQ(settings.Get(field::CardSize), "B");
    EXPECT_EQ(settings.Get(field::CardSet), "005");
    EXPECT_EQ(settings.Get(field::BackCard), "011");
    EXPECT_EQ(settings.Get(field::SavedCardSet), "");
    EXPECT_EQ(layout.cardWidth, 71);

    ASSERT_TRUE(OpenGame(ctx, 1, "Freecell", 0, "", kDrawNewNumber, false));
    EXPECT_EQ(settings.Get(field::CardSize), "M");
    EXPECT_EQ(messages.information.size(), 1u);  // told once per run
}

TEST_F(NewGameTest, AGameWonAtTheDealEndsAtOnce) {
    ASSERT_TRUE(LoadGame(ctx));
    game.def[gd::SpecialGame] = 44;
    ASSERT_TRUE(StartGame(ctx, true, false, 0, false));
    // Code 44 is never won by its win test: the game goes on.
    EXPECT_TRUE(game.flags.gameInProgress);
    EXPECT_EQ(ui.winningAnimations, 0);
}

}  // namespace
}  // namespace tindle::test
