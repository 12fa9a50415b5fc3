#include "table/TableRender.h"

#include <QString>

#include "model/Deal.h"
#include "model/Game.h"
#include "model/GamesDat.h"
#include "model/Ports.h"
#include "model/QuietPorts.h"
#include "model/Random.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/DefaultSettings.h"
#include "table/ResourceLibrary.h"
#include "table/TableRenderer.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

constexpr int kPreviewTop = 3;

}  // namespace

QImage RenderTableImage(Game& game, SettingsRecord& settings, CardPictures& pictures,
                        const TableRenderOptions& options, MessagePort* messages) {
    const int width = std::max(options.width, 1);
    const int height = std::max(options.height, 1);
    LayoutInputs in;
    in.width = width;
    in.height = height;
    in.bottom = options.previewMode ? height : height - 1;
    in.top = options.previewMode ? kPreviewTop : options.top;
    in.screenWidth = width;
    in.screenHeight = height;
    in.previewMode = options.previewMode;
    in.cardWidth = pictures.CardWidth();
    in.cardHeight = pictures.CardHeight();
    in.shadowMargin = settings.IsNotNo(field::CardsShadowed) ? kShadowMarginOn : 0;

    TMainGame layout;
    layout.SetFanSteps(pictures.SizeLetter(), game.def);
    layout.TableLayout(in, game.def);

    QuietSoundPort sounds;
    QuietTimePort time;
    QuietMessagePort quiet;
    TableRenderer renderer(game, layout, settings, pictures, time, sounds,
                           messages ? *messages : quiet);
    renderer.SetWindowSize(width, height);
    game.flags.gameInProgress = true;
    renderer.PaintBackground();
    renderer.RepaintTable(false);
    // The window's part of the table picture, as a window of that size would show it.
    return renderer.TableImage().copy(0, layout.scrollOffset, width, height);
}

RenderedGame RenderDealtGame(const std::filesystem::path& programDir, int gameId,
                             const GameNumber& number, char cardSize,
                             const TableRenderOptions& options,
                             const std::filesystem::path& gamesDat) {
    RenderedGame result;
    Game game;
    const auto definitions = gamesDat.empty() ? programDir / "GAMES.DAT" : gamesDat;
    if (auto status = LoadGame(definitions, gameId, game); !status.Ok()) {
        result.error = status.error;
        return result;
    }
    QuietMessagePort messages;
    Random random(1);
    DealContext context;
    context.messages = &messages;
    context.random = &random;
    if (DealGame(game, number, context).deckError) {
        result.error = "the game's deck cannot be dealt";
        return result;
    }

    SettingsRecord settings;
    LoadDefaultSettings(settings, programDir);
    settings.Put(field::CardSize, std::string(1, cardSize));

    ResourceLibrary library;
    const QString file = QString::fromStdString((programDir / "ZUV.RGF").string());
    if (!library.Load(file)) {
        result.error = ResourceLibrary::LoadFailureMessage(file).toStdString();
        return result;
    }
    CardPictures pictures(library);
    pictures.ApplyShadowSetting(settings);
    pictures.ApplyCardSize(settings);
    result.image = RenderTableImage(game, settings, pictures, options);
    return result;
}

}  // namespace tindle
