#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Catalogue.h"
#include "model/GameCompiler.h"
#include "model/GameDef.h"
#include "model/GameSource.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"

// Test games for the open-a-game dialog, written to a GAMES.DAT by the game compiler's
// writer.

namespace tindle::test {

struct TestGame {
    int id;
    int type;
    char availability;
    std::string name;
    int passes;
    int cards;
    int duration;
    int difficulty;
    int skill;
    int chance;
    int wonGames;
    int wonGamesOf;
};

inline GameSource TestGameSource(const TestGame& g) {
    GameSource s;
    s.file = g.name + ".game";
    s.gameId = g.id;
    s.type = g.type;
    s.availability = g.availability;
    s.name = g.name;
    s.def[gd::StockPasses] = static_cast<int16_t>(g.passes);
    s.def[gd::DeckCards] = static_cast<int16_t>(g.cards);
    s.def[gd::DurationClass] = static_cast<int16_t>(g.duration);
    s.def[gd::RulesDifficulty] = static_cast<int16_t>(g.difficulty);
    s.def[gd::SkillClass] = static_cast<int16_t>(g.skill);
    s.def[gd::WinChance] = static_cast<int16_t>(g.chance);
    s.def[gd::WonGames] = static_cast<int16_t>(g.wonGames);
    s.def[gd::WonGamesOf] = static_cast<int16_t>(g.wonGamesOf);
    return s;
}

// Catalogue order is the order given (by GameId, as the compiler writes it). Game 3 is of an
// availability class that the catalogue leaves out; "Beta" has a type without an icon.
inline std::vector<TestGame> DialogTestGames() {
    return {
        {0, 5, '0', "Zeta", 3, 104, 1, 2, 1, 2, 1, 3},
        {1, 4, '0', "alpha", -1, 78, 0, 0, 4, 0, 0, 0},
        {2, 99, '2', "Beta", 0, 52, 2, 1, 2, 4, 0, 0},
        {3, 5, '1', "Gamma", 1, 52, 0, 0, 0, 0, 0, 0},
    };
}

inline std::filesystem::path WriteTestGamesDat(const std::filesystem::path& dir,
                                               const std::vector<TestGame>& games) {
    std::vector<GameSource> sources;
    for (const auto& g : games)
        sources.push_back(TestGameSource(g));
    const auto path = dir / "GAMES.DAT";
    WriteFile(path, GamesDatBytes(sources));
    return path;
}

// The texts of the information boxes shown so far.
inline std::vector<std::string> InformationTexts(const RecordingMessages& messages) {
    std::vector<std::string> texts;
    for (const auto& m : messages.messages)
        if (m.kind == "Information") texts.push_back(m.text);
    return texts;
}

}  // namespace tindle::test
