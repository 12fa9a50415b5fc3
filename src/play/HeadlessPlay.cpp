#include "play/HeadlessPlay.h"

#include "model/GamesDat.h"
#include "play/NewGame.h"

namespace tindle {

void SetHeadlessPreferences(SettingsRecord& s) {
    s.Put(field::ScoringSystem, "01");
    s.Put(field::Score, "0");
    s.Put(field::CardSize, "B");
    s.Put(field::CardSet, "001");
    s.Put(field::BackCard, "011");
    s.Put(field::CardsAnimate, "N");
    s.Put(field::CardsShadowed, "N");
    s.Put(field::PilesTT, "N");
    s.Put(field::DealAnimation, "N");
    s.Put(field::RedealAnimation, "N");
    s.Put(field::AutomaticFaceUp, "Y");
    s.Put(field::SoundsEnabled, "N");
    s.Put(field::ConfirmQuitGame, "N");
    s.Put(field::DoubleClickToFoundations, "Y");
    s.Put(field::DoubleClickToTableaus, "N");
    s.Put(field::RightClickToFoundations, "Y");
    s.Put(field::RightClickToTableaus, "Y");
    s.Put(field::ShowPartialHiddenCard, "Y");
    s.Put(field::Cursor, "10");
    s.Put(field::UserDefault, "Player 1");
    s.Put(field::GameId, "-001");
}

LayoutInputs HeadlessLayoutInputs(int width, int height) {
    LayoutInputs in;
    in.width = width;
    in.height = height;
    in.bottom = height - 1;
    in.top = 5;
    in.screenWidth = width;
    in.screenHeight = height;
    return in;
}

HeadlessPlay::HeadlessPlay(MessagePort* messages, uint32_t seed)
    : random(seed),
      ctx{game, settings, layout, catalogue, view, sounds, messages ? *messages : quietMessages,
          time, random,   ui} {
    SetHeadlessPreferences(settings);
    ui.layoutInputs = HeadlessLayoutInputs(1024, 768);
    ui.screenWidth = 1024;
}

bool HeadlessPlay::Open(const std::filesystem::path& gamesDat, int gameId, const GameNumber& number,
                        std::string& error) {
    if (const GamesDatStatus status = catalogue.Read(gamesDat); !status.Ok()) {
        error = status.error;
        return false;
    }
    if (!catalogue.Contains(gameId)) {
        error = "game " + std::to_string(gameId) + " is not in " + gamesDat.string();
        return false;
    }
    settings.Put(field::GameId, ZeroPad(gameId, 4));
    settings.Put(field::GameName, catalogue.GameName(gameId));
    settings.Put(field::GameNumber, number.Text());
    if (!LoadGame(ctx)) {
        error = "the definition of game " + std::to_string(gameId) + " cannot be loaded";
        return false;
    }
    return StartGame(ctx, true, false, 0, true);
}

}  // namespace tindle
