// Fuzz target: a game source as tindle-gamec compiles it. A source the compiler accepts must
// come back unchanged through the GAMES.DAT it writes: every field the game reader loads is
// the one compiled.
#include "FuzzInput.h"
#include "model/Catalogue.h"
#include "model/GameCompiler.h"
#include "model/GamesDat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tindle;
    const CompileResult result = CompileGames({{"fuzz.game", std::string(fuzz::Text(data, size))}});
    if (!result.Ok()) return 0;

    const std::filesystem::path file = fuzz::WorkFolder() / "GAMES.DAT";
    fuzz::WriteFile(file, GamesDatBytes(result.games));
    Catalogue catalogue;
    if (!catalogue.Read(file).Ok()) fuzz::Broken();
    for (const GameSource& game : result.games) {
        // Only games of the classes this edition offers are in its catalogue.
        const bool offered = game.availability == '0' || game.availability == '2';
        if (catalogue.Contains(game.gameId) != offered) fuzz::Broken();
        if (!offered) continue;
        GameDef loaded;
        DealFieldsCopy saved;
        if (!LoadGameDefinition(catalogue, game.gameId, loaded, saved).Ok()) fuzz::Broken();
        for (int field = 0; field < GameDef::kFields; ++field)
            if (loaded[field] != game.def[field]) fuzz::Broken();
    }
    return 0;
}
