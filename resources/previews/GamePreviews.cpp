#include "GamePreviews.h"

#include <algorithm>

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

QImage SeparateFromTable(const QImage& onBlack, const QImage& onWhite, QRgb key) {
    const QImage black = onBlack.convertToFormat(QImage::Format_RGB32);
    const QImage white = onWhite.convertToFormat(QImage::Format_RGB32);
    QImage result(black.size(), QImage::Format_ARGB32);
    if (white.size() != black.size()) {
        result.fill(key);
        return result;
    }
    for (int y = 0; y < black.height(); ++y) {
        const auto* b = reinterpret_cast<const QRgb*>(black.constScanLine(y));
        const auto* w = reinterpret_cast<const QRgb*>(white.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < black.width(); ++x) {
            // Over black a pixel is alpha * colour; over white it gains (1 - alpha) * 255.
            const int through = std::max({qRed(w[x]) - qRed(b[x]), qGreen(w[x]) - qGreen(b[x]),
                                          qBlue(w[x]) - qBlue(b[x]), 0});
            const int alpha = 255 - std::min(through, 255);
            if (alpha == 0) {
                out[x] = key;
            } else if (alpha == 255) {
                out[x] = b[x] | 0xff000000u;
            } else {
                auto unmix = [alpha](int c) {
                    return std::min(255, (c * 255 + alpha / 2) / alpha);
                };
                out[x] = qRgba(unmix(qRed(b[x])), unmix(qGreen(b[x])), unmix(qBlue(b[x])), alpha);
            }
        }
    }
    return result;
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
    // The marks of empty piles are translucent: the table is drawn on black and on white so
    // that they keep their transparency over the dialog's own background.
    auto tableOn = [&](const QColor& colour) {
        settings.Put(field::BackgroundCol, std::to_string(StoredColour(colour)));
        return RenderTableImage(game, settings, pictures, options);
    };
    const QImage table =
        SeparateFromTable(tableOn(Qt::black), tableOn(Qt::white), kKeyColour.rgb());
    const auto [left, right] = UsedColumns(table, kKeyColour.rgb());
    result.image = table.copy(left, 0, right - left, table.height());
    return result;
}

}  // namespace tindle::previews
