#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/Card.h"
#include "model/Game.h"
#include "model/GamesDat.h"
#include "play/HeadlessPlay.h"
#include "play/PlayContext.h"
#include "play/PlayUi.h"
#include "play/TableView.h"
#include "support/TestPaths.h"

// Play on a table without a window, with ports that record what play asked of them.

namespace tindle::test {

class RecordingView : public QuietTableView {
  public:
    struct Flight {
        int card;
        bool faceDown;
        bool newPicture;
    };
    std::vector<Flight> flights;
    int emptyStockMarks = 0;
    std::vector<bool> buttonPile;  // pressed, released, ...
    std::vector<std::pair<TableRect, bool>> inversions;
    int dragImages = 0;
    int fadeIns = 0;
    int repaints = 0;
    std::vector<PileRef> drawnEmpty;  // piles whose top was drawn while they held nothing
    const Game* game = nullptr;

    void RepaintTable(bool) override { ++repaints; }
    void DrawPileTop(PileRef pile, DrawTarget) override {
        if (game && PileEmpty(game->piles.Get(pile))) drawnEmpty.push_back(pile);
    }
    void DrawEmptyStockMark() override { ++emptyStockMarks; }
    void DrawButtonPile(bool pressed) override { buttonPile.push_back(pressed); }
    void FadeInCard(int, int, int) override { ++fadeIns; }
    void BuildDragImage(PileRef, int) override { ++dragImages; }
    void AnimateMove(int card, int, int, int, int, const FlightOptions& o) override {
        flights.push_back({card, o.faceDown, o.newPicture});
    }
    void InvertCard(const TableRect& r, bool invert) override { inversions.push_back({r, invert}); }
};

class RecordingSounds : public SoundPort {
  public:
    std::vector<std::string> played;
    int stops = 0;
    void Play(std::string_view name, SoundMode) override { played.emplace_back(name); }
    void Stop() override { ++stops; }
    int Count(std::string_view name) const {
        int n = 0;
        for (const auto& p : played)
            n += p == name;
        return n;
    }
};

class RecordingUi : public QuietPlayUi {
  public:
    int winningAnimations = 0;
    int cardSizeChanges = 0;
    void CardSizeChanged() override { ++cardSizeChanges; }
    int gameDialogs = 0;
    int closes = 0;
    bool exitRequested = false;
    std::vector<InputRouting> routings;
    std::string score;
    int clockSeconds = 0;
    void ShowScore(std::string_view text) override { score = text; }
    int ClockSeconds() const override { return clockSeconds; }
    void PlayWinningAnimation() override { ++winningAnimations; }
    void OpenGameDialog() override { ++gameDialogs; }
    void SetInputRouting(InputRouting r) override {
        routings.push_back(r);
        QuietPlayUi::SetInputRouting(r);
    }
    bool ExitRequested() const override { return exitRequested; }
    void ClearExitRequested() override {}
    void CloseMainWindow() override { ++closes; }
};

class RecordingMessages : public MessagePort {
  public:
    std::vector<std::string> information;
    std::vector<std::string> confirmations;
    bool confirmAnswer = true;
    int beeps = 0;
    void Information(std::string_view text) override { information.emplace_back(text); }
    bool Confirm(std::string_view text) override {
        confirmations.emplace_back(text);
        return confirmAnswer;
    }
    void Beep() override { ++beeps; }
    void FatalError(std::string_view text) override { information.emplace_back(text); }
};

inline constexpr int kFreecellId = 1;
inline constexpr int kKlondikeId = 2;

inline std::filesystem::path BuiltGamesDat() {
    return ProgramDir() / "GAMES.DAT";
}

// Cards by suit and rank, first deck.
inline int H(int rank) {
    return MakeCard(kHearts, rank);
}
inline int D(int rank) {
    return MakeCard(kDiamonds, rank);
}
inline int C(int rank) {
    return MakeCard(kClubs, rank);
}
inline int S(int rank) {
    return MakeCard(kSpades, rank);
}

class PlayFixture : public ::testing::Test {
  protected:
    PlayFixture() {
        SetHeadlessPreferences(settings);
        ui.layoutInputs = HeadlessLayoutInputs(1024, 768);
        view.game = &game;
        for (SettingField f :
             {field::SoundsEnabled, field::SoundsAutoplay, field::SoundsGameWon,
              field::SoundsNewGame, field::SoundsShuffle, field::SoundsPairing, field::SoundsStock,
              field::SoundsTableau, field::SoundsFaceUp, field::SoundsCardDown, field::SoundsCardUp,
              field::SoundsRedeal, field::SoundsFoundation, field::SoundsRedealWithoutAnimation}) {
            settings.Put(f, "Y");
        }
    }

    // A game of the built GAMES.DAT with every pile empty, laid out and in progress.
    void UseGame(int gameId) {
        ASSERT_TRUE(catalogue.Read(BuiltGamesDat()).Ok());
        ASSERT_TRUE(LoadGame(BuiltGamesDat(), gameId, game).Ok());
        settings.Put(field::GameId, ZeroPad(gameId, 4));
        Relayout();
        StartEmpty();
    }

    // The layout again after a change of the definition.
    void Relayout() {
        layout.SetFanSteps('B', game.def);
        layout.TableLayout(ui.layoutInputs, game.def);
    }

    void StartEmpty() {
        game.piles.Clear();
        game.cards.SetAllFaceUp();
        game.undo.Clear();
        game.redo.Clear();
        game.counters = GameCounters{};
        game.pointer = PointerState{};
        game.flags = RunFlags{};
        game.flags.gameInProgress = true;
    }

    // Puts cards on a pile (bottom first), face up unless listed in faceDown.
    void Put(PileRef ref, std::vector<int> cards, std::vector<int> faceDown = {}) {
        Pile& pile = game.piles.Get(ref);
        pile.clear();
        for (int c : cards) {
            PileAppend(pile, c);
            if (c > 0) game.cards.SetCardFace(c, kFaceUp);
        }
        for (int c : faceDown)
            game.cards.SetCardFace(c, kFaceDown);
    }

    std::vector<int> Cards(PileRef ref) const {
        std::vector<int> out;
        const Pile& pile = game.piles.Get(ref);
        for (int i = 0; i < PileCount(pile); ++i)
            out.push_back(PileCardAt(pile, i));
        return out;
    }

    static PileRef Fila(int n) { return {PileKind::Fila, n - 1}; }
    static PileRef Dest(int n) { return {PileKind::Dest, n - 1}; }
    static PileRef Appogg(int n) { return {PileKind::Appogg, n - 1}; }
    static constexpr PileRef kStock{PileKind::Mazzo, 0};
    static constexpr PileRef kWaste{PileKind::MazzoVis, 0};
    static constexpr PileRef kSecondWaste{PileKind::MazzoWaste, 0};

    Game game;
    SettingsRecord settings;
    TMainGame layout;
    Catalogue catalogue;
    RecordingView view;
    RecordingSounds sounds;
    RecordingMessages messages;
    QuietTimePort time;
    Random random{7};
    RecordingUi ui;
    PlayContext ctx{game, settings, layout, catalogue, view, sounds, messages, time, random, ui};
};

}  // namespace tindle::test
