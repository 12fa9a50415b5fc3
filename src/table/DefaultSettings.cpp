#include "table/DefaultSettings.h"

#include "shell/settings/PreferencesFile.h"
#include "shell/settings/PreferencesLoader.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

// Every write is refused, so the defaults never reach a file.
class NoWrites : public FileOps {
  public:
    bool WriteAll(int, std::string_view) const override { return false; }
    bool Sync(int) const override { return false; }
    bool Rename(const std::filesystem::path&, const std::filesystem::path&) const override {
        return false;
    }
};

}  // namespace

void LoadDefaultSettings(SettingsRecord& settings, const std::filesystem::path& programDir) {
    InitialiseSettingsRecord(settings, programDir);
    const NoWrites noWrites;
    PreferencesFile none(std::filesystem::path(), noWrites);
    LoadPreferences(settings, none, false);
}

}  // namespace tindle
