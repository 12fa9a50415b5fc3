#include "play/NewGame.h"

#include <optional>

#include "model/Deal.h"
#include "model/Game.h"
#include "model/GameEnd.h"
#include "model/GamesDat.h"
#include "model/History.h"
#include "model/Ports.h"
#include "model/Random.h"
#include "model/SpecialGames.h"
#include "play/Autoplay.h"
#include "play/EndGame.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/PlayUi.h"
#include "play/ScoreDisplay.h"
#include "play/Sounds.h"
#include "play/TableView.h"
#include "shell/settings/PreferencesLoader.h"
#include "table/layout/CardSize.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

constexpr int kAutoplayWaitMs = 800;

std::string Trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

std::string ScreenClassAdvice(int screenClass, const std::string& name) {
    if (screenClass == screenClass::Wide650) {
        return "Your video card's display is 640x480 pixels. For the best graphics display the "
               "screen resolution should be set to 800x600 pixels or higher. However, it's "
               "possible to play " +
               name + " " + "using a predefined cards set.";
    }
    return "Your video card's display is 800x600 pixels. For the best graphics display of this "
           "game the screen resolution should be set to 1024x768 pixels or higher. However, "
           "it's possible to play " +
           name + " " + "using a predefined cards set.";
}

// Games of class 1 need a screen 650 pixels wide and games of class 2 one 810 wide for the
// big cards; on a smaller screen the medium predefined card set stands in for the player's
// own choice, which comes back with the next game that fits.
void ApplyScreenClass(PlayContext& ctx) {
    SettingsRecord& s = ctx.settings;
    const int width = ctx.ui.ScreenWidth();
    const int screenClass = ctx.game.def[gd::ScreenClass];
    const bool fits = !(width < 650 && screenClass == screenClass::Wide650) &&
                      !(width < 810 && screenClass == screenClass::Wide810);
    const std::string sizeBefore = s.Get(field::CardSize);
    if (fits) {
        if (!s.Get(field::SavedCardSet).empty()) {
            s.Put(field::CardSize, s.Get(field::SavedCardSize));
            s.Put(field::CardSet, s.Get(field::SavedCardSet));
            s.Put(field::BackCard, s.Get(field::SavedBackCard));
            s.Put(field::SavedCardSize, "");
            s.Put(field::SavedCardSet, "");
            s.Put(field::SavedBackCard, "");
        }
        ctx.ui.SetCustomizeAvailable(true);
    } else if (sizeBefore == "B") {
        s.Put(field::SavedCardSize, s.Get(field::CardSize));
        s.Put(field::SavedCardSet, s.Get(field::CardSet));
        s.Put(field::SavedBackCard, s.Get(field::BackCard));
        s.Put(field::CardSet, "003");
        s.Put(field::CardSize, "M");
        ctx.session.cardSetMark = kCardSetForced;
        auto& told = ctx.session.screenClassTold[static_cast<size_t>(screenClass)];
        if (!told) {
            told = true;
            ctx.messages.Information(ScreenClassAdvice(screenClass, s.Get(field::GameName)));
        }
    }
    if (s.Get(field::CardSize) != sizeBefore) ctx.ui.CardSizeChanged();
}

// Autoplay as the game allows it; Save, bookmarks and Undo unless the game forbids them.
void ApplyDefinitionAvailability(PlayContext& ctx) {
    const GameDef& def = ctx.game.def;
    ctx.ui.SetAutoplayAvailable(def[gd::AutoplayAvailable] != 0);
    const bool undoable = def[gd::NoSaveNoUndo] != 1;
    ctx.ui.SetSaveAvailable(undoable);
    ctx.ui.SetUndoAvailable(undoable);
}

void LayOutTable(PlayContext& ctx) {
    const std::string size = ctx.settings.Get(field::CardSize);
    const char letter = size.empty() ? 'B' : size[0];
    LayoutInputs in = ctx.ui.TableLayoutInputs();
    if (const auto card = CardSizeFor(letter)) {
        in.cardWidth = card->width;
        in.cardHeight = card->height;
    }
    in.shadowMargin = ShadowMarginFor(ctx.settings);
    ctx.layout.SetFanSteps(letter, ctx.game.def);
    ctx.layout.TableLayout(in, ctx.game.def);
}

// The stored GameNumber, or a new one when what is stored is not 1 to 13 digits.
GameNumber CurrentGameNumber(PlayContext& ctx) {
    if (auto number = ParseGameNumber(ctx.settings.Get(field::GameNumber))) return *number;
    NewGameNumber(ctx);
    return ParseGameNumber(ctx.settings.Get(field::GameNumber)).value_or(GameNumber{});
}

// Marks the statistics' session as dealing while it lives.
class DealingForStatistics {
  public:
    explicit DealingForStatistics(StatisticsSession& session)
        : session_(session), was_(session.dealing) {
        session_.dealing = true;
    }
    ~DealingForStatistics() { session_.dealing = was_; }
    DealingForStatistics(const DealingForStatistics&) = delete;
    DealingForStatistics& operator=(const DealingForStatistics&) = delete;

  private:
    StatisticsSession& session_;
    bool was_;
};

class BusyCursor {
  public:
    explicit BusyCursor(PlayUi& ui) : ui_(ui) { ui_.BeginBusyCursor(); }
    ~BusyCursor() { ui_.RestoreCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    PlayUi& ui_;
};

}  // namespace

std::string GameNumberText(long long a, long long b) {
    // a x b stays below 10^13, so the floating-point product is an exact integer.
    const double x = static_cast<double>(a) * static_cast<double>(b);
    const std::string text =
        std::string(GameNumber::kDigits, '0') + std::to_string(static_cast<long long>(x));
    return text.substr(text.size() - GameNumber::kDigits);
}

std::string DrawGameNumber(Random& random) {
    const long long a = random.Between(0, 9999998);
    const long long b = random.Between(0, 999998);
    return GameNumberText(a, b);
}

void NewGameNumber(PlayContext& ctx) {
    ctx.settings.Put(field::GameNumber, DrawGameNumber(ctx.random));
    ctx.ui.RefreshCaption();
}

bool ConfirmAbandon(PlayContext& ctx, std::string_view text) {
    const RunFlags& flags = ctx.game.flags;
    if (flags.animationRunning) return false;
    if (ctx.settings.Get(field::ConfirmQuitGame) == "N") return true;
    if (flags.gameInProgress && !flags.gameWon) return ctx.messages.Confirm(text);
    return true;
}

bool LoadGame(PlayContext& ctx) {
    Game& game = ctx.game;
    const int gameId = static_cast<int>(ctx.settings.GetInt(field::GameId, -1));
    const GamesDatStatus status = LoadGameDefinition(ctx.catalogue, gameId, game);
    if (!status.Ok()) {
        game.def.Clear();
        ctx.messages.Information(status.error);
        return false;
    }
    ApplyScreenClass(ctx);
    ctx.layout.ResetPositions();
    ApplyDefinitionAvailability(ctx);
    LayOutTable(ctx);
    return true;
}

void PostDealStep(PlayContext& ctx) {
    ComputeScore(ctx);
}

bool StartGame(PlayContext& ctx, bool newDeal, bool animate, int numberMode, bool quiet) {
    Game& game = ctx.game;
    BusyCursor busy(ctx.ui);
    ctx.ui.RefreshCaption();

    game.counters = GameCounters{};
    game.pointer = PointerState{};
    ctx.session.markedCards.clear();
    // The deal and the autoplay after it are no move of the player's.
    StatisticsSession& statistics = ctx.session.statistics;
    DealingForStatistics dealing(statistics);
    if (newDeal) {
        statistics.gamePlayed = false;
        statistics.demoPlayed = false;
    }

    if (newDeal) {
        game.piles.Clear();
        ClearMoveHistories(ctx, true);
    } else {
        ClearMoveHistories(ctx, false);
    }
    game.flags.gameInProgress = false;
    ctx.settings.Put(field::UndoAvailable, "0");
    ctx.settings.Put(field::RedoAvailable, "0");

    if (newDeal) {
        if (game.def[gd::DeckCards] != 0) {
            RestoreDealFields(game);
        } else if (!LoadGame(ctx)) {
            return false;
        }
        game.flags.clockRunning = false;
        ctx.ui.ResetClock();
        ctx.settings.Put(field::Score, "0");
        if (numberMode == kDrawNewNumber) NewGameNumber(ctx);
        DealContext deal;
        deal.messages = &ctx.messages;
        deal.random = &ctx.random;
        deal.gameName = ctx.settings.Get(field::GameName);
        deal.postDealStep = [&ctx](Game&) { PostDealStep(ctx); };
        DealGame(game, CurrentGameNumber(ctx), deal);
    }
    // Every new game lays its columns out slightly askew anew (after the deal, which is made
    // from the game number alone).
    ctx.layout.columnJitter.Regenerate(ctx.random);

    game.flags.gameInProgress = true;
    game.flags.gameWon = false;
    OfferHistorySteps(ctx);
    if (!quiet) ctx.view.PaintBackground();
    ctx.ui.ShowScore(ctx.settings.Get(field::Score));
    if (!quiet) {
        if (animate && ctx.settings.IsNotNo(field::DealAnimation)) {
            ctx.ui.SetInputRouting(InputRouting::SwallowInput);
            ctx.view.RepaintTable(true);
            ctx.ui.SetInputRouting(InputRouting::Normal);
        } else {
            ctx.view.RepaintTable(false);
            ctx.view.PresentTable();
        }
    }
    if (!game.flags.clockRunning) {
        ctx.ui.StartClock();
        game.flags.clockRunning = true;
    }
    if (AutoplayOn(ctx)) {
        // What autoplay plays after the deal is one step of Undo, like the autoplay that
        // follows a player's move. The pause shows the dealt table before autoplay takes cards
        // off it; with nothing for autoplay to do, or nothing drawn, it would only hold the
        // player up.
        PlayerAction action(ctx, PlayerAction::Start::New);
        if (!quiet && AutoplayWouldMove(ctx)) ctx.time.Wait(kAutoplayWaitMs);
        if (RunAutoplay(ctx)) {
            do {
                AutoFillEmptyColumns(ctx);
            } while (RunAutoplay(ctx));
        }
    }
    ctx.ui.SetPauseQuitAvailable(true);
    ctx.ui.SetBookmarkAvailable(game.def[gd::NoSaveNoUndo] != 1);
    if (SpecialOf(game.def) == special::TopsMake91) {
        game.flags.gameWon = IsGameWon(game, ctx.settings);
        if (game.flags.gameWon) EndGame(ctx);
    }
    return true;
}

bool OpenGame(PlayContext& ctx, int gameId, std::string_view gameName, int treeNumber,
              std::string_view playerName, int numberMode, bool remember,
              const DealNumberChoice& choose) {
    Game& game = ctx.game;
    SettingsRecord& s = ctx.settings;
    BusyCursor busy(ctx.ui);
    const bool gameChanges = gameId != s.GetInt(field::GameId, -1);
    // The dialog of this edition has no player list and passes no name: that is the current
    // player, not a change to a player without a name.
    const std::string player = Trimmed(std::string(playerName));
    const bool playerChanges = !player.empty() && player != s.Get(field::UserDefault);
    if (!(gameChanges || playerChanges || !game.flags.gameInProgress)) return false;
    if (!ConfirmAbandon(ctx)) return false;
    if (EndGame(ctx)) return false;  // the won game's own sequence has taken over

    // A game is chosen: the commands that need one are offered (as far as it allows them).
    ctx.ui.SetGameCommandsAvailable(true);
    if (game.def[gd::DeckCards] != 0) ApplyDefinitionAvailability(ctx);
    if (gameChanges || playerChanges) {
        s.Put(field::Counter1, "0000");
        s.Put(field::Counter2, "0000");
    }
    if (playerChanges) {
        s.Put(field::UserDefault, playerName);
        WritePreference(s, "UserDefault", s.Get(field::UserDefault));
        ctx.ui.RefreshCaption();
    }
    if (gameChanges || ctx.session.cardSetMark == kCardSetForced) ctx.session.cardSetMark = 0;
    s.Put(field::GameId, ZeroPad(gameId, 4));
    s.Put(field::GameName, gameName);
    if (gameChanges && !LoadGame(ctx)) return false;
    // The choice searches deals of the game just loaded; the table, laid out for it, shows
    // its background meanwhile.
    if (numberMode == kDrawNewNumber && choose) {
        ctx.view.PaintBackground();
        ctx.view.PresentTable();
        if (const std::optional<std::string> chosen = choose()) {
            s.Put(field::GameNumber, *chosen);
            numberMode = kDealStoredNumber;
        }
    }
    if (!StartGame(ctx, true, true, numberMode, false)) return false;
    if (remember) {
        WritePreference(s, "Game", std::to_string(gameId));
        WritePreference(s, "Game_Name", s.Get(field::GameName));
        WritePreference(s, "Game_TreeNum", std::to_string(treeNumber));
    }
    return true;
}

namespace {

// The commands that deal anew give up the game in progress first, as the player agrees; a
// won game's own end sequence takes over instead.
bool AbandonForANewDeal(PlayContext& ctx) {
    return ConfirmAbandon(ctx) && !EndGame(ctx);
}

}  // namespace

void NewGameCommand(PlayContext& ctx, const DealNumberChoice& choose) {
    if (!AbandonForANewDeal(ctx)) return;
    ctx.ui.BeginBusyCursor();
    PlayGatedSound(ctx.settings, ctx.sounds, "New", field::SoundsNewGame, SoundMode::Sync);
    ctx.ui.RestoreCursor();
    const std::optional<std::string> chosen = choose ? choose() : std::nullopt;
    if (chosen) {
        ctx.settings.Put(field::GameNumber, *chosen);
        StartGame(ctx, true, true, kDealStoredNumber, false);
        return;
    }
    StartGame(ctx, true, true, kDrawNewNumber, false);
}

void RestartGameCommand(PlayContext& ctx) {
    if (!AbandonForANewDeal(ctx)) return;
    StartGame(ctx, true, true, kDealStoredNumber, false);
}

bool SelectGameNumberCommand(PlayContext& ctx, std::string_view number) {
    const auto chosen = ParseGameNumber(number);
    if (!chosen || !AbandonForANewDeal(ctx)) return false;
    ctx.settings.Put(field::GameNumber, chosen->Text());
    return StartGame(ctx, true, true, kDealStoredNumber, false);
}

}  // namespace tindle
