// Fuzz target: a preferences file (DATA/CFG.DAT) as the program reads it at start: every
// preference is read into the settings record. Then one key is written: it must read back, and
// the keys the start reads must read as before.
#include <array>

#include "ProgramFolder.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/PreferencesLoader.h"
#include "shell/settings/SettingsInit.h"

namespace {

struct Key {
    std::string_view section, name;
};
constexpr std::array<Key, 5> kWatched = {{{tindle::section::Preference, "Card_Size"},
                                          {tindle::section::Preference, "UserDefault"},
                                          {tindle::section::Settings, "Random_Game_Type"},
                                          {tindle::section::Users, "User001"},
                                          {tindle::section::Autoplay, "Games"}}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tindle;
    SettingsRecord record;
    fuzz::FreshProgramFolder(record);
    const std::filesystem::path file = PreferencesPath(record);
    fuzz::WriteFile(file, fuzz::Text(data, size));

    PreferencesFile prefs(file);
    LoadPreferences(record, prefs, false);

    std::array<std::string, kWatched.size()> before;
    for (std::size_t i = 0; i < kWatched.size(); ++i)
        before[i] = prefs.ReadString(kWatched[i].section, kWatched[i].name, "-");
    if (!prefs.WriteString(section::ShowMessages, "Fuzz_Key", "written")) return 0;
    const PreferencesFile again(file);
    if (again.ReadString(section::ShowMessages, "Fuzz_Key", "-") != "written") fuzz::Broken();
    for (std::size_t i = 0; i < kWatched.size(); ++i)
        if (again.ReadString(kWatched[i].section, kWatched[i].name, "-") != before[i])
            fuzz::Broken();
    return 0;
}
