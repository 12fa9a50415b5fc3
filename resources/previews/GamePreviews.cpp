#include "GamePreviews.h"

#include "model/Catalogue.h"
#include "model/Deal.h"
#include "model/Game.h"
#include "model/GameNumber.h"
#include "model/GamesDat.h"
#include "model/Random.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/DefaultSettings.h"
#include "table/ResourceNames.h"
#include "table/TableRender.h"

namespace tindle::previews {

namespace {

// A colour as the preferences store it: red in the low byte, then green, then blue.
long long StoredColour(const QColor& c) {
    return c.red() + 256LL * c.green() + 65536LL * c.blue();
}

}  // namespace

void PreviewSettings(SettingsRecord& settings, const std::filesystem::path& programDir) {
    LoadDefaultSettings(settings, programDir);
    settings.Put(field::CardSize, std::string(1, kPreviewCardSize));
    settings.Put(field::CardsShadowed, "N");
    settings.Put(field::BackgroundDef, "N");
    settings.Put(field::CustomizedBackground, "N");
    settings.Put(field::BackgroundBmp, "0");
    settings.Put(field::BackgroundCol, std::to_string(StoredColour(kKeyColour)));
    settings.Put(field::BackgroundFixedCol, "0");
    settings.Put(field::FadeBackground, "N");
    settings.Put(field::PilesTT, "N");
}

std::pair<int, int> UsedColumns(const QImage& image, QRgb key) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int left = argb.width();
    int right = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (row[x] == key) continue;
            left = std::min(left, x);
            right = std::max(right, x + 1);
        }
    }
    if (left >= right) return {0, argb.width()};
    return {left, right};
}

PreviewPicture RenderGamePreview(const Catalogue& catalogue, int gameId, CardPictures& pictures,
                                 const std::filesystem::path& programDir) {
    PreviewPicture result;
    Game game;
    if (auto status = LoadGameDefinition(catalogue, gameId, game); !status.Ok()) {
        result.error = status.error;
        return result;
    }
    Random random(1);
    DealContext context;
    context.random = &random;
    context.gameName = catalogue.GameName(gameId);
    const auto number = ParseGameNumber(kPreviewGameNumber);
    const DealReport report = DealGame(game, *number, context);
    if (!report.Clean()) {
        result.error = "the deal of game " + std::to_string(gameId) + " is faulty";
        return result;
    }

    SettingsRecord settings;
    PreviewSettings(settings, programDir);
    TableRenderOptions options;
    options.width = kGamePreviewWidth;
    options.height = kGamePreviewHeight;
    options.previewMode = true;
    const QImage table =
        RenderTableImage(game, settings, pictures, options).convertToFormat(QImage::Format_RGB32);
    const auto [left, right] = UsedColumns(table, kKeyColour.rgb());
    result.image = table.copy(left, 0, right - left, table.height());
    return result;
}

}  // namespace tindle::previews
