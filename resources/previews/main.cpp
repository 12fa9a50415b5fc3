// The preview pictures of the games: one "GAME" + four-digit GameId picture for every game
// of GAMES.DAT, drawn with the card pictures of a first resource library, written with the
// resource list zuv.qrc into the output folder, which rcc packs into ZUV.RGF together with
// the generator's own list.
//
//   tindle-previews <cards library> <GAMES.DAT> <output folder>

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>

#include "GamePreviews.h"
#include "Output.h"
#include "model/Catalogue.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: tindle-previews <cards library> <GAMES.DAT> <output folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString libraryFile = QString::fromLocal8Bit(argv[1]);
    const std::filesystem::path gamesDat = argv[2];

    tindle::ResourceLibrary library;
    if (!library.Load(libraryFile)) {
        std::fprintf(stderr, "tindle-previews: cannot load %s\n", argv[1]);
        return 1;
    }
    tindle::Catalogue catalogue;
    if (auto status = catalogue.Read(gamesDat); !status.Ok()) {
        std::fprintf(stderr, "tindle-previews: %s\n", status.error.c_str());
        return 1;
    }
    tindle::SettingsRecord cardSettings;
    tindle::previews::PreviewSettings(cardSettings, gamesDat.parent_path());
    tindle::CardPictures pictures(library);
    pictures.ApplyShadowSetting(cardSettings);
    pictures.ApplyCardSize(cardSettings);

    gen::Output out(QString::fromLocal8Bit(argv[3]));
    bool ok = true;
    for (const auto& entry : catalogue.Entries()) {
        const auto preview = tindle::previews::RenderGamePreview(catalogue, entry.gameId, pictures,
                                                                 gamesDat.parent_path());
        if (preview.image.isNull()) {
            std::fprintf(stderr, "tindle-previews: %s: %s\n", entry.name.c_str(),
                         preview.error.c_str());
            ok = false;
            continue;
        }
        out.AddBitmap(tindle::GamePreviewName(entry.gameId), preview.image);
    }
    return out.Finish() && ok ? 0 : 1;
}
